#include "cli/CommandLine.h"
#include "cli/CommandLineInteraction.h"
#include "cli/Commands.h"
#include "cli/LevelsFile.h"
#include "run/WorkingFolderRecovery.h"
#include "platform/Error.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>

namespace {

int exitWith(ExitStatus status)
{
    return static_cast<int>(status);
}

CommandReport runCommand(const CommandOptions &options)
{
    switch (options.command) {
    case CommandOptions::Command::Exportar: return runExportar(options);
    case CommandOptions::Command::Importar: return runImportar(options);
    case CommandOptions::Command::Comprobar: return runComprobar(options);
    }
    return {};
}

void printOut(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("transtarquoib-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRANSTARQUO_VERSION));

    ParsedCommandLine parsed;
    try {
        parsed = parseCommandLine(QCoreApplication::arguments());
    } catch (const UsageError &e) {
        printError(QStringLiteral("transtarquoib-cli: %1\nPruebe «transtarquoib-cli --help».").arg(e.message()));
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
        if (!QFileInfo(options.carpeta).isDir()) {
            printError(QStringLiteral("transtarquoib-cli: no existe la carpeta de trabajo %1").arg(options.carpeta));
            return exitWith(ExitStatus::BadUsage);
        }
        winpath::setWorkingFolder(options.carpeta);
    }

    // Before anything else, a replacement of the working tables that was cut
    // short is finished, so that no command works on a mixed working folder.
    try {
        if (const QString finished = recoverWorkingFolder(); !finished.isEmpty())
            printError(finished);
    } catch (const Error &e) {
        printError(QStringLiteral("transtarquoib-cli: %1").arg(e.message()));
        return exitWith(ExitStatus::Failed);
    }

    CommandReport report;
    try {
        report = runCommand(options);
    } catch (const LevelsFileError &e) {
        printError(QStringLiteral("transtarquoib-cli: %1").arg(e.message()));
        return exitWith(ExitStatus::BadUsage);
    } catch (const std::exception &e) {
        // A failure of the report itself, once the run has ended.
        printError(QStringLiteral("Error: %1").arg(QString::fromUtf8(e.what())));
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
