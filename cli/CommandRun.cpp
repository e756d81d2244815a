#include "cli/CommandRun.h"

#include "cli/LevelsFile.h"
#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "platform/DbfError.h"
#include "platform/Error.h"

CommandLineInteraction::Answers runAnswers(const CommandOptions &options)
{
    CommandLineInteraction::Answers answers;
    answers.file = options.target;
    answers.recover = options.recover;
    answers.createLines = options.createLines;
    if (!options.niveles.isEmpty()) {
        answers.levels = readLevelsFile(options.niveles);
        answers.levelsFile = options.niveles;
    }
    return answers;
}

void failCommand(CommandReport &report, ExitStatus status, const QString &message)
{
    report.status = status;
    report.error = message;
    printFailure(message);
}

void catchingFailures(CommandReport &report, bool readsCentreDocument, const std::function<void()> &work)
{
    try {
        work();
    } catch (const DialogFailed &) {
        report.status = ExitStatus::Failed; // already on standard error
    } catch (const dbf::TableInUseError &e) {
        failCommand(report, ExitStatus::TableHeld, e.message());
    } catch (const Error &e) {
        // A centre file that does not parse, or parses as another document, is refused as such.
        const bool refused = e.kind() == Error::Kind::Document || e.kind() == Error::Kind::RefusedDocument;
        failCommand(report, readsCentreDocument && refused ? ExitStatus::RefusedDocument : ExitStatus::Failed,
                    e.message());
    } catch (const std::exception &e) {
        failCommand(report, ExitStatus::Failed, QString::fromUtf8(e.what()));
    }
}

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

CommandReport importCentre(CommandReport report, CommandLineInteraction::Answers answers,
                           const winpath::WorkingFolder &workingFolder)
{
    MainFormState form(workingFolder);
    report.levelsFile = answers.levelsFile;
    report.lowerCaseLevels = lowerCaseLevels(answers.levels);
    CommandLineInteraction ui(std::move(answers));
    runReporting(report, form, ui, true, [&] { centre_import::BExportarClick(form, ui); });
    return report;
}
