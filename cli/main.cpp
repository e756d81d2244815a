#include "cli/CommandLine.h"
#include "cli/CommandLineInteraction.h"
#include "cli/LevelsFile.h"
#include "cli/PathProblem.h"
#include "run/InterfaceLanguage.h"
#include "run/WorkingFolderRecovery.h"
#include "platform/Error.h"
#include "platform/FileSizeSignal.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cerrno>
#include <cstdio>

namespace {

int exitWith(ExitStatus status)
{
    return static_cast<int>(status);
}

void printOut(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
}

// The working folder named by --carpeta, refused before any run with the
// cause: a path too long for the system is not a missing folder.
QString workingFolderProblem(const QString &folder)
{
    const int error = pathError(folder, PathKind::Folder);
    if (error == 0)
        return {};
    if (error == ENOENT)
        return QCoreApplication::translate("CliMain", "no existe la carpeta de trabajo %1").arg(folder);
    return QCoreApplication::translate("CliMain", "no se puede usar la carpeta de trabajo %1: %2")
        .arg(folder, pathErrorText(error));
}

} // namespace

int main(int argc, char *argv[])
{
    ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("transtarquoib-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRANSTARQUO_VERSION));
    installInterfaceLanguage(interfaceLanguage());

    ParsedCommandLine parsed;
    try {
        parsed = parseCommandLine(QCoreApplication::arguments());
    } catch (const UsageError &e) {
        printError(QCoreApplication::translate("CliMain", "transtarquoib-cli: %1\nPruebe «transtarquoib-cli --help».")
                       .arg(e.message()));
        return exitWith(ExitStatus::BadUsage);
    }
    if (parsed.action == ParsedCommandLine::Action::Help) {
        printOut(helpText());
        return exitWith(ExitStatus::Done);
    }
    if (parsed.action == ParsedCommandLine::Action::Version) {
        printOut(versionText());
        return exitWith(ExitStatus::Done);
    }

    const CommandOptions &options = parsed.options;
    if (!options.carpeta.isEmpty()) {
        if (const QString problem = workingFolderProblem(options.carpeta); !problem.isEmpty()) {
            printFailure(problem);
            return exitWith(ExitStatus::BadUsage);
        }
    }

    // Before anything else, a replacement of the working tables that was cut
    // short is finished, so that no command works on a mixed working folder.
    try {
        if (const QString finished = recoverWorkingFolder(options.workingFolder()); !finished.isEmpty())
            printError(finished);
    } catch (const Error &e) {
        printFailure(e.message());
        return exitWith(ExitStatus::Failed);
    }

    CommandReport report;
    try {
        report = parsed.command->run(options);
    } catch (const LevelsFileError &e) {
        printFailure(e.message());
        return exitWith(ExitStatus::BadUsage);
    } catch (const std::exception &e) {
        // A failure of the report itself, once the run has ended.
        printFailure(QString::fromUtf8(e.what()));
        return exitWith(ExitStatus::Failed);
    }

    if (!report.withoutLevel.empty())
        printError(missingCoursesText(report.withoutLevel));
    if (options.json)
        std::fputs(QJsonDocument(reportJson(report)).toJson(QJsonDocument::Indented).constData(), stdout);
    else if (const QString text = reportText(report); !text.isEmpty())
        printOut(text);
    return exitWith(report.status);
}
