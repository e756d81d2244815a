#include "cli/BackupCommands.h"

#include "cli/CommandLineInteraction.h"
#include "run/Backups.h"
#include "run/RestoreRun.h"
#include "import/CentreImport.h"
#include "platform/Dbf.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>

namespace {

QJsonObject backupJson(const backups::Backup &backup)
{
    QJsonObject rows;
    for (const auto &[table, count] : backup.manifest.rows)
        rows.insert(table, count < 0 ? QJsonValue() : QJsonValue(count));
    return {{QStringLiteral("nombre"), backup.name},
            {QStringLiteral("ruta"), backup.path},
            {QStringLiteral("centro"), backup.manifest.codi},
            {QStringLiteral("curso"), backup.manifest.any},
            {QStringLiteral("documento"), backup.manifest.document},
            {QStringLiteral("filas"), rows}};
}

QString backupLine(const backups::Backup &backup)
{
    const int rows = backup.manifest.totalRows();
    QString line = rows == 1 ? QCoreApplication::translate("BackupCommands", "%1  %2  1 fila")
                                   .arg(backup.name, backup.manifest.centre())
                             : QCoreApplication::translate("BackupCommands", "%1  %2  %3 filas")
                                   .arg(backup.name, backup.manifest.centre(), QString::number(rows));
    if (!backup.manifest.document.isEmpty())
        line += QStringLiteral("  %1").arg(backup.manifest.document);
    return line;
}

// "C:\VTEMP\Copias" as the user's programs name it.
QString shownFolder() { return winpath::toWindows(backups::folder()); }

void failWith(CommandReport &report, ExitStatus status, const QString &message)
{
    report.status = status;
    report.error = message;
    printFailure(message);
}

} // namespace

CommandReport runCopias(const CommandOptions &)
{
    CommandReport report;
    report.command = QStringLiteral("copias");
    const QList<backups::Backup> found = backups::list();
    QJsonArray list;
    for (const backups::Backup &backup : found) {
        list.append(backupJson(backup));
        report.summaryLines << backupLine(backup);
    }
    if (found.isEmpty())
        report.summaryLines << QCoreApplication::translate("BackupCommands",
                                                           "No hay copias de tablas sustituidas en %1")
                                   .arg(shownFolder());
    const QStringList stray = backups::strayFolders();
    if (!stray.isEmpty())
        report.summaryLines << QCoreApplication::translate(
                                   "BackupCommands", "No son copias completas, y no se usan: %1")
                                   .arg(stray.join(QStringLiteral(", ")));
    report.summary = QJsonObject{{QStringLiteral("copias"), list},
                                 {QStringLiteral("incompletas"), QJsonArray::fromStringList(stray)}};
    return report;
}

CommandReport runRestaurar(const CommandOptions &options)
{
    CommandReport report;
    report.command = QStringLiteral("restaurar");
    const QList<backups::Backup> found = backups::list();
    const QString wanted = options.target;
    auto chosen = found.cbegin();
    if (!wanted.isEmpty())
        chosen = std::find_if(found.cbegin(), found.cend(), [&](const backups::Backup &b) {
            return b.name == wanted || QFileInfo(b.path) == QFileInfo(wanted);
        });
    if (chosen == found.cend()) {
        const bool incomplete = !wanted.isEmpty() && backups::strayFolders().contains(wanted);
        failWith(report, ExitStatus::Failed,
                 wanted.isEmpty()
                     ? QCoreApplication::translate("BackupCommands", "No hay copias de tablas sustituidas en %1")
                           .arg(shownFolder())
                 : incomplete ? QCoreApplication::translate("BackupCommands",
                                                            "La copia %1 de %2 no está completa: no se restaura")
                                    .arg(wanted, shownFolder())
                              : QCoreApplication::translate("BackupCommands", "No existe la copia %1 en %2")
                                    .arg(wanted, shownFolder()));
        return report;
    }
    try {
        const RestoreOutcome restored
            = restoreAndLog(*chosen, centre_import::replacedFiles(), centre_import::importedTables());
        report.summaryLines << restored.summary.lines();
        report.summary = QJsonObject{{QStringLiteral("restaurada"), backupJson(*chosen)},
                                     {QStringLiteral("copia"), restored.summary.kept.isEmpty()
                                                                   ? QJsonValue()
                                                                   : QJsonValue(restored.summary.kept)}};
        // The tables are back; a log that cannot be written is only reported.
        if (!restored.logProblem.isEmpty())
            printFailure(restored.logProblem);
    } catch (const dbf::TableInUseError &e) {
        failWith(report, ExitStatus::TableHeld, e.message());
    } catch (const Error &e) {
        failWith(report, ExitStatus::Failed, e.message());
    }
    return report;
}
