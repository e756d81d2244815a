#include "import/RestoreRun.h"

#include "run/RestoreBackup.h"
#include "run/RunLog.h"

#include <QDateTime>

RestoreOutcome restoreAndLog(const backups::Backup &backup, const QStringList &names, const QStringList &tables)
{
    const QString kept = restoreBackup(backup.path, names, tables);
    RestoreOutcome outcome;
    outcome.summary.backup = backups::shownPath(backup.path);
    // Rows counted in the tables themselves: the manifest gives them as the
    // import wrote them, before the timetabling program filled some in.
    outcome.summary.restored = backups::describeSet(backup.path, tables).value_or(backup.manifest);
    if (!kept.isEmpty())
        outcome.summary.kept = backups::shownPath(kept);
    outcome.logProblem = appendToRunLog(outcome.summary, QDateTime::currentDateTime());
    return outcome;
}
