#pragma once

#include "run/Backups.h"
#include "import/RestoreSummary.h"

#include <QString>
#include <QStringList>

// A backup of `workingFolder` put back as a run of its own: restored as restoreBackup does
// (`names` and `tables` are the set's), then written to the run log like any
// finished run, so that the log tells which tables the working folder holds.
struct RestoreOutcome {
    RestoreSummary summary;
    QString logProblem; // what kept the log entry from being written; empty when it was written
};

// Raises as restoreBackup does, having changed nothing and logged nothing.
RestoreOutcome restoreAndLog(const winpath::WorkingFolder &workingFolder, const backups::Backup &backup,
                             const QStringList &names, const QStringList &tables);
