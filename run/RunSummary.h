#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What a finished run did: shown as the details of "Proceso finalizado",
// appended to the run log, and printed as JSON by the command line.
class RunSummary {
public:
    virtual ~RunSummary() = default;

    // Which run it was, as the log names it.
    virtual QString title() const = 0;
    // The figures, one line each, in the interface's language.
    virtual QStringList lines() const = 0;
    // What the user should look at before relying on the result, one line
    // each, each saying what to do; none for a clean run.
    virtual QStringList warnings() const = 0;
    // The same figures by name, for scripts.
    virtual QJsonObject toJson() const = 0;

    // "Proceso finalizado", and for a run with warnings how many there are.
    QString finishedText() const;
    // What the user reads below that message and the log keeps: the warnings
    // first, so that none is lost among the figures, then the figures.
    QStringList details() const;

    // Lists of codes show this many entries and then a count of the rest:
    // a whole school's worth would bury the figures around them.
    static constexpr int shownEntries = 20;

    // How a warning begins in the details and the log.
    static QString warningPrefix();

protected:
    // The first shownEntries entries, and then one saying how many were left out.
    static QStringList firstEntries(const QStringList &entries);
    // The same, each on its own indented line.
    static QStringList listed(const QStringList &entries);
};
