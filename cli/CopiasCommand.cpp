#include "cli/CopiasCommand.h"

#include "cli/BackupListing.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

QString backupLine(const backups::Backup &backup)
{
    const int rows = backup.manifest.totalRows();
    QString line = rows == 1 ? QCoreApplication::translate("CopiasCommand", "%1  %2  1 fila")
                                   .arg(backup.name, backup.manifest.centre())
                             : QCoreApplication::translate("CopiasCommand", "%1  %2  %3 filas")
                                   .arg(backup.name, backup.manifest.centre(), QString::number(rows));
    if (!backup.manifest.document.isEmpty())
        line += QStringLiteral("  %1").arg(backup.manifest.document);
    return line;
}

} // namespace

QString CopiasCommand::name() const
{
    return QStringLiteral("copias");
}

QString CopiasCommand::help() const
{
    return QCoreApplication::translate("CopiasCommand",
        "  copias                Lista las copias de las tablas que cada importación\n"
        "                        sustituyó, en C:\\VTEMP\\Copias (se guardan las 10 más\n"
        "                        recientes): fecha, centro y filas.\n");
}

QList<CommandOption> CopiasCommand::options() const
{
    return {CommandOption::Json};
}

void CopiasCommand::readArguments(const QStringList &arguments, CommandOptions &) const
{
    takeAtMost(arguments, 0);
}

CommandReport CopiasCommand::run(const CommandOptions &options) const
{
    const winpath::WorkingFolder workingFolder = options.workingFolder();
    CommandReport report = newReport();
    const QList<backups::Backup> found = backups::list(workingFolder);
    QJsonArray list;
    for (const backups::Backup &backup : found) {
        list.append(backupJson(backup));
        report.summaryLines << backupLine(backup);
    }
    if (found.isEmpty())
        report.summaryLines << noBackupsText(workingFolder);
    const QStringList stray = backups::strayFolders(workingFolder);
    if (!stray.isEmpty())
        report.summaryLines << QCoreApplication::translate("CopiasCommand", "No son copias completas, y no se usan: %1")
                                   .arg(stray.join(QStringLiteral(", ")));
    report.summary = QJsonObject{{QStringLiteral("copias"), list},
                                 {QStringLiteral("incompletas"), QJsonArray::fromStringList(stray)}};
    return report;
}
