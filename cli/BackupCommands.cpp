#include "cli/BackupCommands.h"

#include "cli/CommandLineInteraction.h"
#include "run/Backups.h"
#include "run/WorkingFolder.h"
#include "run/RestoreRun.h"
#include "run/ImportSummary.h"
#include "import/CentreImport.h"
#include "import/CompareSets.h"
#include "platform/DbfError.h"
#include "platform/Error.h"
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

namespace {

// One side of a comparison: a whole backup, or the working folder.
struct ComparedSet {
    QString name;   // the backup's name, or "actual"
    QString folder; // local path
};

const QString workingSetName = QStringLiteral("actual");

std::optional<ComparedSet> findSet(const QString &name, const QList<backups::Backup> &found, CommandReport &report)
{
    if (name.compare(workingSetName, Qt::CaseInsensitive) == 0)
        return ComparedSet{workingSetName, winpath::toLocal(working_folder::path)};
    for (const backups::Backup &backup : found)
        if (backup.name == name)
            return ComparedSet{backup.name, backup.path};
    failWith(report, ExitStatus::Failed,
             backups::strayFolders().contains(name)
                 ? QCoreApplication::translate("BackupCommands", "La copia %1 de %2 no está completa: no se compara")
                       .arg(name, shownFolder())
                 : QCoreApplication::translate("BackupCommands", "No existe la copia %1 en %2").arg(name, shownFolder()));
    return std::nullopt;
}

QString setText(const ComparedSet &set, const std::optional<BackupManifest> &manifest)
{
    const QString centre = manifest ? manifest->centre() : QCoreApplication::translate("BackupCommands", "sin tablas");
    return set.name == workingSetName
               ? QCoreApplication::translate("BackupCommands", "la carpeta de trabajo (%1)").arg(centre)
               : QCoreApplication::translate("BackupCommands", "la copia %1 (%2)").arg(set.name, centre);
}

QJsonObject setJson(const ComparedSet &set, const std::optional<BackupManifest> &manifest)
{
    return {{QStringLiteral("nombre"), set.name},
            {QStringLiteral("centro"), manifest ? manifest->codi : QString()},
            {QStringLiteral("curso"), manifest ? manifest->any : QString()}};
}

} // namespace

CommandReport runComparar(const CommandOptions &options)
{
    CommandReport report;
    report.command = QStringLiteral("comparar");
    const QList<backups::Backup> found = backups::list();
    const QString earlierName = options.target.isEmpty() ? (found.isEmpty() ? QString() : found.first().name)
                                                         : options.target;
    if (earlierName.isEmpty()) {
        failWith(report, ExitStatus::Failed,
                 QCoreApplication::translate("BackupCommands", "No hay copias de tablas sustituidas en %1")
                     .arg(shownFolder()));
        return report;
    }
    const std::optional<ComparedSet> earlier = findSet(earlierName, found, report);
    if (!earlier)
        return report;
    const std::optional<ComparedSet> later
        = findSet(options.second.isEmpty() ? workingSetName : options.second, found, report);
    if (!later)
        return report;

    const QStringList &tables = centre_import::importedTables();
    const std::optional<BackupManifest> before = backups::describeSet(earlier->folder, tables);
    const std::optional<BackupManifest> after = backups::describeSet(later->folder, tables);
    const QList<CodeChanges> changes = centre_import::compareSets(earlier->folder, later->folder);

    report.summaryLines << QCoreApplication::translate("BackupCommands", "De %1 a %2:")
                               .arg(setText(*earlier, before), setText(*later, after));
    report.summaryLines << QCoreApplication::translate("BackupCommands", "Filas de cada tabla:");
    QJsonObject rows;
    for (const QString &table : tables) {
        const int was = before ? before->rowsOf(table) : -1;
        const int is = after ? after->rowsOf(table) : -1;
        const auto shown = [](int count) { return count < 0 ? QStringLiteral("-") : QString::number(count); };
        report.summaryLines << QStringLiteral("    %1: %2 → %3").arg(table, shown(was), shown(is));
        rows.insert(table, QJsonArray{was < 0 ? QJsonValue() : QJsonValue(was), is < 0 ? QJsonValue() : QJsonValue(is)});
    }
    report.summaryLines << (changes.isEmpty()
                                ? QCoreApplication::translate("BackupCommands", "Los mismos códigos, con los mismos nombres.")
                                : QCoreApplication::translate("BackupCommands", "Cambios por código:"));
    report.summaryLines << ImportSummary::codeChangeLines(changes);
    report.summary = QJsonObject{{QStringLiteral("anterior"), setJson(*earlier, before)},
                                 {QStringLiteral("posterior"), setJson(*later, after)},
                                 {QStringLiteral("filas"), rows},
                                 {QStringLiteral("porTabla"), ImportSummary::codeChangesJson(changes)}};
    return report;
}
