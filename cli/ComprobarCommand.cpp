#include "cli/ComprobarCommand.h"

#include "cli/CheckOutcome.h"
#include "cli/CommandRun.h"
#include "cli/PathProblem.h"
#include "run/Backups.h"
#include "run/MainFormState.h"
#include "run/WorkingFolder.h"
#include "import/ImportedTables.h"
#include "export/TimetableExport.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The timetable export of the solution over the tables of the working
// folder, into it: what its look-ups did not find. DIASHORAST is left out,
// since the timetabling program fills it after an import.
std::optional<QJsonObject> unmatchedCodes(CommandReport &report, const QString &solution, const QString &folder)
{
    if (const int error = pathError(solution, PathKind::File)) {
        failCommand(report, ExitStatus::Failed,
                    QCoreApplication::translate("ComprobarCommand", "No se puede leer la solución %1: %2")
                        .arg(solution, pathErrorText(error)));
        return std::nullopt;
    }
    QFile copy(solution);
    if (!copy.copy(QDir(folder).filePath(QStringLiteral("SOLUC.DBF")))) {
        failCommand(report, ExitStatus::Failed,
                    QCoreApplication::translate("ComprobarCommand", "No se puede leer la solución %1: %2")
                        .arg(solution, copy.errorString()));
        return std::nullopt;
    }
    MainFormState form{winpath::WorkingFolder(folder)};
    CommandLineInteraction::Answers answers;
    answers.checkOnly = true;
    CommandLineInteraction ui(answers);
    runReporting(report, form, ui, false, [&] { timetable_export::exportTimetable(form, ui, folder); });
    if (report.status != ExitStatus::Done || !report.summary)
        return std::nullopt;
    QJsonObject unmatched = report.summary->value(QStringLiteral("sinCorrespondencia")).toObject();
    unmatched.remove(QStringLiteral("diaHora"));
    return unmatched;
}

} // namespace

QString ComprobarCommand::name() const
{
    return QStringLiteral("comprobar");
}

QString ComprobarCommand::help() const
{
    return QCoreApplication::translate("ComprobarCommand",
        "  comprobar CENTRE.xml  Lee el archivo del centro y dice qué escribiría\n"
        "                        exportar, sin tocar nada: filas por tabla, códigos\n"
        "                        cortos numerados, cursos sin nivel y niveles que\n"
        "                        coinciden en sus 5 primeros caracteres. Admite\n"
        "                        --niveles, --recuperar/--no-recuperar, --lineas/--sin-lineas y\n"
        "      --solucion ARCHIVO  una tabla SOLUC cuyos códigos se buscan en las tablas.\n"
        "                        Si hay avisos, la salida es 6.\n");
}

QList<CommandOption> ComprobarCommand::options() const
{
    return {CommandOption::Niveles, CommandOption::Solucion,  CommandOption::Recuperar, CommandOption::NoRecuperar,
            CommandOption::Lineas,  CommandOption::SinLineas, CommandOption::Json};
}

void ComprobarCommand::readArguments(const QStringList &arguments, CommandOptions &options) const
{
    options.target = centreDocument(arguments);
}

CommandReport ComprobarCommand::run(const CommandOptions &options) const
{
    // The answers kept from earlier imports are read from the real working
    // folder; everything the import writes, its log too, goes to a temporary one.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        CommandReport report = newReport();
        failCommand(report, ExitStatus::Failed,
                    QCoreApplication::translate("ComprobarCommand", "No se puede crear una carpeta temporal: %1")
                        .arg(scratch.errorString()));
        return report;
    }
    const winpath::WorkingFolder workingFolder = options.workingFolder();
    const QString keptAnswers = workingFolder.fileInFolder(working_folder::path, QStringLiteral("CURSOST2.DBF"));
    if (QFileInfo(keptAnswers).isFile()) {
        if (const std::optional<QString> problem
            = copyWholeFile(keptAnswers, scratch.filePath(QStringLiteral("CURSOST2.DBF")))) {
            CommandReport report = newReport();
            failCommand(report, ExitStatus::Failed,
                        QCoreApplication::translate("ComprobarCommand", "No se puede copiar %1 a una carpeta temporal: %2")
                            .arg(winpath::toWindows(keptAnswers), *problem));
            return report;
        }
    }
    CommandLineInteraction::Answers answers = runAnswers(options);
    answers.checkOnly = true;
    answers.checkedFolder = workingFolder.local();
    answers.scratchFolder = scratch.path();
    answers.checkedFolderMissing = !QFileInfo(answers.checkedFolder).isDir();
    answers.checkedSet = backups::describeSet(answers.checkedFolder, centre_import::importedTables());

    CommandReport report = importCentre(newReport(), std::move(answers), winpath::WorkingFolder(scratch.path()));
    if (report.status == ExitStatus::Done && !options.solucion.isEmpty()) {
        CommandReport exportReport;
        report.unmatched = unmatchedCodes(exportReport, options.solucion, scratch.path());
        if (exportReport.status != ExitStatus::Done) {
            report.status = exportReport.status;
            report.error = exportReport.error;
        }
    }
    if (report.status == ExitStatus::Done && hasWarnings(report))
        report.status = ExitStatus::Warnings;
    if (report.summary) {
        report.summaryLines = checkLines(report.summaryLines, report.status == ExitStatus::Warnings);
        report.verdictFirst = true;
    }
    return report;
}
