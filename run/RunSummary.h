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
    // The figures, one line each, in Spanish.
    virtual QStringList lines() const = 0;
    // The same figures by name, for scripts.
    virtual QJsonObject toJson() const = 0;

    // Lists of codes show this many entries and then a count of the rest:
    // a whole school's worth would bury the figures around them.
    static constexpr int shownEntries = 20;

protected:
    // The first shownEntries entries, and then one saying how many were left out.
    static QStringList firstEntries(const QStringList &entries);
    // The same, each on its own indented line.
    static QStringList listed(const QStringList &entries);
};
