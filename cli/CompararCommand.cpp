#include "cli/CompararCommand.h"

#include "cli/BackupListing.h"
#include "cli/CommandRun.h"
#include "import/ImportSummary.h"
#include "run/WorkingFolder.h"
#include "import/ImportedTables.h"
#include "import/CompareSets.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

// One side of a comparison: a whole backup, or the working folder.
struct ComparedSet {
    QString name;   // the backup's name, or "actual"
    QString folder; // local path
};

const QString workingSetName = QStringLiteral("actual");

std::optional<ComparedSet> findSet(const winpath::WorkingFolder &workingFolder, const QString &name, const QList<backups::Backup> &found,
                                   CommandReport &report)
{
    if (name.compare(workingSetName, Qt::CaseInsensitive) == 0)
        return ComparedSet{workingSetName, workingFolder.local()};
    for (const backups::Backup &backup : found)
        if (backup.name == name)
            return ComparedSet{backup.name, backup.path};
    failCommand(report, ExitStatus::Failed,
                backups::strayFolders(workingFolder).contains(name)
                    ? QCoreApplication::translate("CompararCommand", "La copia %1 de %2 no está completa: no se compara")
                          .arg(name, shownBackupsFolder(workingFolder))
                    : noSuchBackupText(workingFolder, name));
    return std::nullopt;
}

QString setText(const ComparedSet &set, const std::optional<BackupManifest> &manifest)
{
    const QString centre = manifest ? manifest->centre() : QCoreApplication::translate("CompararCommand", "sin tablas");
    return set.name == workingSetName
               ? QCoreApplication::translate("CompararCommand", "la carpeta de trabajo (%1)").arg(centre)
               : QCoreApplication::translate("CompararCommand", "la copia %1 (%2)").arg(set.name, centre);
}

QJsonObject setJson(const ComparedSet &set, const std::optional<BackupManifest> &manifest)
{
    return {{QStringLiteral("nombre"), set.name},
            {QStringLiteral("centro"), manifest ? manifest->codi : QString()},
            {QStringLiteral("curso"), manifest ? manifest->any : QString()}};
}

} // namespace

QString CompararCommand::name() const
{
    return QStringLiteral("comparar");
}

QString CompararCommand::help() const
{
    return QCoreApplication::translate("CompararCommand",
        "  comparar [A] [B]      Compara dos juegos de tablas por sus códigos de GestIB:\n"
        "                        profesores, asignaturas, aulas, cursos y grupos\n"
        "                        nuevos, desaparecidos o con otro nombre, y las filas\n"
        "                        de cada tabla. A y B son copias (por su fecha) o\n"
        "                        \"actual\", la carpeta de trabajo; sin ellas, la copia\n"
        "                        más reciente con la carpeta de trabajo.\n");
}

QList<CommandOption> CompararCommand::options() const
{
    return {CommandOption::Json};
}

// Up to two sets, each a backup's name as copias lists it, or "actual".
void CompararCommand::readArguments(const QStringList &arguments, CommandOptions &options) const
{
    takeAtMost(arguments, 2);
    options.target = arguments.value(0);
    options.second = arguments.value(1);
}

CommandReport CompararCommand::run(const CommandOptions &options) const
{
    const winpath::WorkingFolder workingFolder = options.workingFolder();
    CommandReport report = newReport();
    const QList<backups::Backup> found = backups::list(workingFolder);
    const QString earlierName = options.target.isEmpty() ? (found.isEmpty() ? QString() : found.first().name)
                                                         : options.target;
    if (earlierName.isEmpty()) {
        failCommand(report, ExitStatus::Failed, noBackupsText(workingFolder));
        return report;
    }
    const std::optional<ComparedSet> earlier = findSet(workingFolder, earlierName, found, report);
    if (!earlier)
        return report;
    const std::optional<ComparedSet> later
        = findSet(workingFolder, options.second.isEmpty() ? workingSetName : options.second, found, report);
    if (!later)
        return report;

    const QStringList &tables = centre_import::importedTables();
    const std::optional<BackupManifest> before = backups::describeSet(earlier->folder, tables);
    const std::optional<BackupManifest> after = backups::describeSet(later->folder, tables);
    const QList<CodeChanges> changes = centre_import::compareSets(earlier->folder, later->folder);

    report.summaryLines << QCoreApplication::translate("CompararCommand", "De %1 a %2:")
                               .arg(setText(*earlier, before), setText(*later, after));
    report.summaryLines << QCoreApplication::translate("CompararCommand", "Filas de cada tabla:");
    QJsonObject rows;
    for (const QString &table : tables) {
        const int was = before ? before->rowsOf(table) : -1;
        const int is = after ? after->rowsOf(table) : -1;
        const auto shown = [](int count) { return count < 0 ? QStringLiteral("-") : QString::number(count); };
        report.summaryLines << QStringLiteral("    %1: %2 → %3").arg(table, shown(was), shown(is));
        rows.insert(table, QJsonArray{was < 0 ? QJsonValue() : QJsonValue(was), is < 0 ? QJsonValue() : QJsonValue(is)});
    }
    report.summaryLines << (changes.isEmpty()
                                ? QCoreApplication::translate("CompararCommand",
                                                              "Los mismos códigos, con los mismos nombres.")
                                : QCoreApplication::translate("CompararCommand", "Cambios por código:"));
    report.summaryLines << ImportSummary::codeChangeLines(changes);
    report.summary = QJsonObject{{QStringLiteral("anterior"), setJson(*earlier, before)},
                                 {QStringLiteral("posterior"), setJson(*later, after)},
                                 {QStringLiteral("filas"), rows},
                                 {QStringLiteral("porTabla"), ImportSummary::codeChangesJson(changes)}};
    return report;
}
