#include "cli/RestaurarCommand.h"

#include "cli/BackupListing.h"
#include "cli/CommandRun.h"
#include "import/RestoreRun.h"
#include "import/ImportedTables.h"
#include "platform/DbfError.h"
#include "platform/Error.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

QString RestaurarCommand::name() const
{
    return QStringLiteral("restaurar");
}

QString RestaurarCommand::help() const
{
    return QCoreApplication::translate("RestaurarCommand",
        "  restaurar [COPIA]     Vuelve a poner en la carpeta de trabajo las tablas de\n"
        "                        una copia (por su fecha, como la lista copias; sin\n"
        "                        ella, la más reciente), todas a la vez; las tablas\n"
        "                        que sustituye quedan a su vez en otra copia.\n");
}

QList<CommandOption> RestaurarCommand::options() const
{
    return {CommandOption::Json};
}

// A backup's name, as copias lists it; without it, the newest.
void RestaurarCommand::readArguments(const QStringList &arguments, CommandOptions &options) const
{
    takeAtMost(arguments, 1);
    options.target = arguments.value(0);
}

CommandReport RestaurarCommand::run(const CommandOptions &options) const
{
    const winpath::WorkingFolder workingFolder = options.workingFolder();
    CommandReport report = newReport();
    const QList<backups::Backup> found = backups::list(workingFolder);
    const QString wanted = options.target;
    auto chosen = found.cbegin();
    if (!wanted.isEmpty())
        chosen = std::find_if(found.cbegin(), found.cend(), [&](const backups::Backup &b) {
            return b.name == wanted || QFileInfo(b.path) == QFileInfo(wanted);
        });
    if (chosen == found.cend()) {
        const bool incomplete = !wanted.isEmpty() && backups::strayFolders(workingFolder).contains(wanted);
        failCommand(report, ExitStatus::Failed,
                    wanted.isEmpty() ? noBackupsText(workingFolder)
                    : incomplete     ? QCoreApplication::translate("RestaurarCommand",
                                                                   "La copia %1 de %2 no está completa: no se restaura")
                                       .arg(wanted, shownBackupsFolder(workingFolder))
                                     : noSuchBackupText(workingFolder, wanted));
        return report;
    }
    try {
        const RestoreOutcome restored
            = restoreAndLog(workingFolder, *chosen, centre_import::replacedFiles(), centre_import::importedTables());
        report.summaryLines << restored.summary.lines();
        report.summary = QJsonObject{{QStringLiteral("restaurada"), backupJson(*chosen)},
                                     {QStringLiteral("copia"), restored.summary.kept.isEmpty()
                                                                   ? QJsonValue()
                                                                   : QJsonValue(restored.summary.kept)}};
        // The tables are back; a log that cannot be written is only reported.
        if (!restored.logProblem.isEmpty())
            printFailure(restored.logProblem);
    } catch (const dbf::TableInUseError &e) {
        failCommand(report, ExitStatus::TableHeld, e.message());
    } catch (const Error &e) {
        failCommand(report, ExitStatus::Failed, e.message());
    }
    return report;
}
