#pragma once

#include "run/RunSummary.h"

#include <QSet>

#include <array>

// What a timetable export wrote.
class ExportSummary : public RunSummary {
public:
    // The look-ups that turn a session's codes into GestIB's, in the order
    // of the session's attributes.
    enum class Lookup { Profesor, Grupo, DiaHora, Aula, Asignatura };
    static constexpr int lookupCount = 5;

    // The sessions whose code matched no row of a look-up's table, and the
    // distinct codes that failed, in the order they were met.
    struct Unmatched {
        int sessions = 0;
        QStringList codes;
        QSet<QString> seen;
    };

    QString outputPath;      // where "SolucioHorari.xml" went
    int sessionsWritten = 0; // SESSIO elements
    int sessionsSkipped = 0; // SOLUC records without a day (DIA 0)
    std::array<Unmatched, lookupCount> unmatched;
    // The sessions of the SolucioHorari.xml this run replaced, counted only
    // when the run wrote none, to tell an emptied timetable from an empty one.
    int earlierSessions = 0;

    // A session's code that its look-up did not find.
    void noteUnmatched(Lookup lookup, const QString &code);
    const Unmatched &unmatchedOf(Lookup lookup) const;
    // The warning of a look-up that left sessions without their codes, or
    // nothing when it found them all.
    QString unmatchedWarning(Lookup lookup) const;

    QString title() const override;
    QStringList lines() const override;
    QStringList warnings() const override;
    QJsonObject toJson() const override;
};
