#include "cli/Commands.h"

#include "cli/CheckOutcome.h"
#include "cli/CommandLineInteraction.h"
#include "cli/KeptAnswers.h"
#include "cli/LevelsTemplate.h"
#include "cli/PathProblem.h"
#include "run/Backups.h"
#include "run/MainFormState.h"
#include "run/WorkingFolder.h"
#include "import/CentreImport.h"
#include "export/TimetableExport.h"
#include "platform/DbfError.h"
#include "platform/Error.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <functional>

using centre_import::BExportarClick;
using timetable_export::BImportarClick;
using timetable_export::exportTimetable;

namespace {

CommandLineInteraction::Answers answersFrom(const CommandOptions &options)
{
    CommandLineInteraction::Answers answers;
    answers.file = options.target;
    answers.recover = options.recover;
    answers.createLines = options.createLines;
    answers.checkOnly = options.command == CommandOptions::Command::Comprobar;
    if (!options.niveles.isEmpty()) {
        answers.levels = readLevelsFile(options.niveles);
        answers.levelsFile = options.niveles;
    }
    return answers;
}

// The command ends with this error, shown on standard error.
void fail(CommandReport &report, ExitStatus status, const QString &message)
{
    report.status = status;
    report.error = message;
    printFailure(message);
}

// Runs `work` and turns an error that ends it into the report's status.
void catchingFailures(CommandReport &report, bool readsCentreDocument, const std::function<void()> &work)
{
    try {
        work();
    } catch (const DialogFailed &) {
        report.status = ExitStatus::Failed; // already on standard error
    } catch (const dbf::TableInUseError &e) {
        fail(report, ExitStatus::TableHeld, e.message());
    } catch (const Error &e) {
        // A centre file that does not parse, or parses as another document, is refused as such.
        const bool refused = e.kind() == Error::Kind::Document || e.kind() == Error::Kind::RefusedDocument;
        fail(report, readsCentreDocument && refused ? ExitStatus::RefusedDocument : ExitStatus::Failed, e.message());
    } catch (const std::exception &e) {
        fail(report, ExitStatus::Failed, QString::fromUtf8(e.what()));
    }
}

// Runs a run and turns how it ended into the report. A run that returned
// without finishing (courses without level, "No existe archivo") is no success.
void runReporting(CommandReport &report, const MainFormState &form, const CommandLineInteraction &ui,
                  bool readsCentreDocument, const std::function<void()> &run)
{
    catchingFailures(report, readsCentreDocument, [&] {
        run();
        report.withoutLevel = ui.withoutLevel();
        report.unknownCourses = ui.unknownCourses();
        report.summary = ui.summary();
        report.summaryLines = ui.summaryLines();
        report.warnings = ui.warnings();
        if (!report.withoutLevel.empty())
            report.status = ExitStatus::LevelsMissing;
        else if (form.ResultadoTransformacion != 1)
            report.status = ExitStatus::Failed;
    });
}

CommandReport namedReport(const QString &command)
{
    CommandReport report;
    report.command = command;
    return report;
}

CommandReport importCentre(const QString &command, CommandLineInteraction::Answers answers)
{
    CommandReport report = namedReport(command);
    MainFormState form;
    report.levelsFile = answers.levelsFile;
    report.lowerCaseLevels = lowerCaseLevels(answers.levels);
    CommandLineInteraction ui(std::move(answers));
    runReporting(report, form, ui, true, [&] { BExportarClick(form, ui); });
    return report;
}

// The timetable export of the solution over the tables of the working
// folder, into it: what its look-ups did not find. DIASHORAST is left out,
// since the timetabling program fills it after an import.
std::optional<QJsonObject> unmatchedCodes(CommandReport &report, const QString &solution, const QString &folder)
{
    if (const int error = pathError(solution, PathKind::File)) {
        fail(report, ExitStatus::Failed,
             QCoreApplication::translate("Commands", "No se puede leer la solución %1: %2")
                 .arg(solution, pathErrorText(error)));
        return std::nullopt;
    }
    QFile copy(solution);
    if (!copy.copy(QDir(folder).filePath(QStringLiteral("SOLUC.DBF")))) {
        fail(report, ExitStatus::Failed,
             QCoreApplication::translate("Commands", "No se puede leer la solución %1: %2")
                 .arg(solution, copy.errorString()));
        return std::nullopt;
    }
    MainFormState form;
    CommandLineInteraction::Answers answers;
    answers.checkOnly = true;
    CommandLineInteraction ui(answers);
    runReporting(report, form, ui, false, [&] { exportTimetable(form, ui, folder); });
    if (report.status != ExitStatus::Done || !report.summary)
        return std::nullopt;
    QJsonObject unmatched = report.summary->value(QStringLiteral("sinCorrespondencia")).toObject();
    unmatched.remove(QStringLiteral("diaHora"));
    return unmatched;
}

[[noreturn]] void cannotWriteTemplate(const QString &where, const QString &reason)
{
    throw std::runtime_error(QCoreApplication::translate("Commands", "No se puede escribir la plantilla %1: %2")
                                 .arg(where, reason)
                                 .toStdString());
}

// The template to the file named by -o, whole or not at all, or to standard output.
void writeTemplate(const QByteArray &bytes, const QString &path)
{
    if (path.isEmpty()) {
        const auto size = std::size_t(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
            cannotWriteTemplate(QCoreApplication::translate("Commands", "en la salida estándar"), pathErrorText(errno));
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (const int error = pathError(folder, PathKind::Folder))
        cannotWriteTemplate(
            path, QCoreApplication::translate("Commands", "la carpeta %1: %2").arg(folder, pathErrorText(error)));
    if (const std::optional<QString> problem = writeWholeFile(path, bytes))
        cannotWriteTemplate(path, *problem);
}

} // namespace

CommandReport runExportar(const CommandOptions &options)
{
    return importCentre(QStringLiteral("exportar"), answersFrom(options));
}

CommandReport runImportar(const CommandOptions &options)
{
    CommandReport report = namedReport(QStringLiteral("importar"));
    MainFormState form;
    CommandLineInteraction ui(answersFrom(options));
    runReporting(report, form, ui, false, [&] {
        if (QFileInfo(options.target).isDir())
            exportTimetable(form, ui, options.target);
        else
            BImportarClick(form, ui);
    });
    return report;
}

CommandReport runComprobar(const CommandOptions &options)
{
    // The answers kept from earlier imports are read from the real working
    // folder; everything the import writes, its log too, goes to a temporary one.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        CommandReport report = namedReport(QStringLiteral("comprobar"));
        fail(report, ExitStatus::Failed,
             QCoreApplication::translate("Commands", "No se puede crear una carpeta temporal: %1")
                 .arg(scratch.errorString()));
        return report;
    }
    const QString keptAnswers = winpath::fileInFolder(working_folder::path, QStringLiteral("CURSOST2.DBF"));
    if (QFileInfo(keptAnswers).isFile()) {
        if (const std::optional<QString> problem
            = copyWholeFile(keptAnswers, scratch.filePath(QStringLiteral("CURSOST2.DBF")))) {
            CommandReport report = namedReport(QStringLiteral("comprobar"));
            fail(report, ExitStatus::Failed,
                 QCoreApplication::translate("Commands", "No se puede copiar %1 a una carpeta temporal: %2")
                     .arg(winpath::toWindows(keptAnswers), *problem));
            return report;
        }
    }
    CommandLineInteraction::Answers answers = answersFrom(options);
    answers.checkedFolder = winpath::toLocal(working_folder::path);
    answers.checkedFolderMissing = !QFileInfo(answers.checkedFolder).isDir();
    answers.checkedSet = backups::describeSet(answers.checkedFolder, centre_import::importedTables());
    winpath::setWorkingFolder(scratch.path()); // for the rest of this process

    CommandReport report = importCentre(QStringLiteral("comprobar"), std::move(answers));
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
    if (report.summary)
        report.summaryLines = checkLines(report.summaryLines, report.status == ExitStatus::Warnings);
    return report;
}

CommandReport runPlantilla(const CommandOptions &options)
{
    CommandReport report = namedReport(QStringLiteral("plantilla"));
    if (pathError(options.target, PathKind::File) != 0) {
        fail(report, ExitStatus::Failed, unusableFileText(options.target));
        return report;
    }
    // A slip of the keyboard must not cost the user the GestIB export itself.
    if (!options.salida.isEmpty()
        && QFileInfo(options.salida).canonicalFilePath() == QFileInfo(options.target).canonicalFilePath()) {
        fail(report, ExitStatus::BadUsage,
             QCoreApplication::translate("Commands",
                                         "-o %1 es el propio documento del centro; la plantilla necesita otro archivo")
                 .arg(options.salida));
        return report;
    }
    catchingFailures(report, true, [&] {
        xml::Document document;
        document.load(options.target);
        QList<centre_import::KeptLevel> keptLevels;
        const QHash<QString, LevelAnswer> kept = readKeptAnswers(&keptLevels);
        const LevelsTemplate levels = levelsTemplate(document, options.target, kept, options.suggest,
                                                     centre_import::SchoolLevels(keptLevels));
        writeTemplate(levelsTemplateText(levels), options.salida);
        for (const QString &descripcio : levels.withoutCode)
            printError(
                QCoreApplication::translate(
                    "Commands", "Aviso: el curso «%1» no tiene código en el documento; la plantilla no lo lleva.")
                    .arg(descripcio));
        const auto courses = levels.rows.size();
        printError(courses == 1
                       ? QCoreApplication::translate("Commands", "Plantilla de niveles: 1 curso, %1 sin nivel o sin curso.")
                             .arg(levels.incomplete())
                       : QCoreApplication::translate("Commands",
                                                     "Plantilla de niveles: %1 cursos, %2 sin nivel o sin curso.")
                             .arg(courses)
                             .arg(levels.incomplete()));
        // What --sugerir left blank is what the user still has to type.
        if (options.suggest) {
            const int notProposed = levels.incomplete();
            printError(notProposed == 0
                           ? QCoreApplication::translate("Commands", "--sugerir ha propuesto todo lo que faltaba; revíselo.")
                       : notProposed == 1
                           ? QCoreApplication::translate(
                                 "Commands", "--sugerir no ha podido proponer 1 curso; complete su nivel o su curso.")
                           : QCoreApplication::translate(
                                 "Commands", "--sugerir no ha podido proponer %1 cursos; complete su nivel o su curso.")
                                 .arg(notProposed));
        }
    });
    return report;
}
