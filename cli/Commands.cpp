#include "cli/Commands.h"

#include "cli/CentreCheck.h"
#include "cli/CommandLineInteraction.h"
#include "cli/WorkingTables.h"
#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "export/ExportError.h"
#include "export/TimetableExport.h"
#include "platform/Dbf.h"
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

namespace {

CommandLineInteraction::Answers answersFrom(const CommandOptions &options)
{
    CommandLineInteraction::Answers answers;
    answers.file = options.target;
    answers.recover = options.recover;
    answers.createLines = options.createLines;
    if (!options.niveles.isEmpty())
        answers.levels = readLevelsFile(options.niveles);
    return answers;
}

// The command ends with this error, shown on standard error.
void fail(CommandReport &report, ExitStatus status, const QString &message)
{
    report.status = status;
    report.error = message;
    printError(QStringLiteral("Error: ") + message);
}

// Runs a run and turns how it ended into the report's status. A run that
// returned without finishing (courses without level, "No existe archivo") is
// no success.
void runReporting(CommandReport &report, const MainFormState &form, const CommandLineInteraction &ui,
                  bool readsCentreDocument, const std::function<void()> &run)
{
    try {
        run();
        report.withoutLevel = ui.withoutLevel();
        if (!report.withoutLevel.empty())
            report.status = ExitStatus::LevelsMissing;
        else if (form.ResultadoTransformacion != 1)
            report.status = ExitStatus::Failed;
        return;
    } catch (const DialogFailed &) {
        report.status = ExitStatus::Failed; // already on standard error
    } catch (const xml::XmlError &e) {
        fail(report, readsCentreDocument ? ExitStatus::RefusedDocument : ExitStatus::Failed, e.message());
    } catch (const dbf::DbfError &e) {
        fail(report, ExitStatus::Failed, e.message());
    } catch (const ExportError &e) {
        fail(report, ExitStatus::Failed, e.message());
    } catch (const std::exception &e) {
        fail(report, ExitStatus::Failed, QString::fromUtf8(e.what()));
    }
}

void countTables(CommandReport &report)
{
    for (const QString &table : importTables())
        report.tables.append({table, countRecords(table)});
}

// Centre import by the command's answers, with the report's status.
void importCentre(CommandReport &report, MainFormState &form, CommandLineInteraction &ui)
{
    runReporting(report, form, ui, true, [&] { BExportarClick(form, ui); });
    report.collisions = levelCollisions(ui.courses());
}

} // namespace

CommandReport runExportar(const CommandOptions &options)
{
    CommandReport report;
    report.command = QStringLiteral("exportar");
    MainFormState form;
    CommandLineInteraction ui(answersFrom(options));
    importCentre(report, form, ui);
    if (report.status == ExitStatus::Done || report.status == ExitStatus::LevelsMissing)
        countTables(report);
    return report;
}

CommandReport runImportar(const CommandOptions &options)
{
    CommandReport report;
    report.command = QStringLiteral("importar");
    MainFormState form;
    CommandLineInteraction ui(answersFrom(options));
    const bool folder = QFileInfo(options.target).isDir();
    runReporting(report, form, ui, false, [&] {
        if (folder)
            exportTimetable(form, ui, options.target);
        else
            BImportarClick(form, ui);
    });
    if (report.status == ExitStatus::Done) {
        report.output = winpath::fileInFolder(folder ? options.target : QFileInfo(options.target).path(),
                                              QStringLiteral("SolucioHorari.xml"));
        report.sessions = form.DocXML->selectNodes(QStringLiteral("/HORARI/SESSIONS/SESSIO")).length();
    }
    return report;
}

CommandReport runComprobar(const CommandOptions &options)
{
    CommandReport report;
    report.command = QStringLiteral("comprobar");
    const CommandLineInteraction::Answers answers = answersFrom(options);

    // The answers kept from earlier imports are read from the real working
    // folder; everything the import writes goes to the temporary one.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        fail(report, ExitStatus::Failed,
             QStringLiteral("No se puede crear una carpeta temporal: %1").arg(scratch.errorString()));
        return report;
    }
    const QString keptAnswers = winpath::toLocal(QStringLiteral("C:\\VTEMP\\CURSOST2.DBF"));
    if (QFileInfo(keptAnswers).isFile()
        && !QFile::copy(keptAnswers, scratch.filePath(QStringLiteral("CURSOST2.DBF")))) {
        fail(report, ExitStatus::Failed, QStringLiteral("No se puede leer %1").arg(keptAnswers));
        return report;
    }
    winpath::setWorkingFolder(scratch.path()); // for the rest of this process

    MainFormState form;
    CommandLineInteraction ui(answers);
    importCentre(report, form, ui);
    if (report.status != ExitStatus::Done && report.status != ExitStatus::LevelsMissing)
        return report;
    countTables(report);
    // Without levels the import stops before the groups, which both checks need.
    if (report.status == ExitStatus::Done) {
        report.codeChanges = numberedShortCodes(*form.DocXML);
        if (!options.solucion.isEmpty())
            report.absentCodes = absentSessionCodes(options.solucion);
    }
    return report;
}
