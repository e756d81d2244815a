#include "import/RestoreRun.h"

#include "run/RestoreBackup.h"
#include "run/RunLog.h"

#include <QDateTime>

RestoreOutcome restoreAndLog(const winpath::WorkingFolder &workingFolder, const backups::Backup &backup,
                             const QStringList &names, const QStringList &tables)
{
    const QString kept = restoreBackup(workingFolder, backup.path, names, tables);
    RestoreOutcome outcome;
    outcome.summary.backup = backups::shownPath(workingFolder, backup.path);
    // Rows counted in the tables themselves: the manifest gives them as the
    // import wrote them, before the timetabling program filled some in.
    outcome.summary.restored = backups::describeSet(backup.path, tables).value_or(backup.manifest);
    if (!kept.isEmpty())
        outcome.summary.kept = backups::shownPath(workingFolder, kept);
    outcome.logProblem = appendToRunLog(workingFolder, outcome.summary, QDateTime::currentDateTime());
    return outcome;
}
