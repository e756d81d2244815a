#include "cli/ImportarCommand.h"

#include "cli/CommandRun.h"
#include "cli/UsageError.h"
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ImportarCommand::name() const
{
    return QStringLiteral("importar");
}

QString ImportarCommand::help() const
{
    return QCoreApplication::translate("ImportarCommand",
        "  importar CARPETA|ARCHIVO\n"
        "                        Pasa el horario de Velarix (SOLUC) a GestIB: escribe\n"
        "                        \"SolucioHorari.xml\" en la carpeta indicada o en la\n"
        "                        carpeta del archivo indicado.\n");
}

QList<CommandOption> ImportarCommand::options() const
{
    return {CommandOption::Json};
}

void ImportarCommand::readArguments(const QStringList &arguments, CommandOptions &options) const
{
    if (arguments.isEmpty())
        throw UsageError(QCoreApplication::translate("ImportarCommand",
                                                     "importar necesita la carpeta o un archivo de la carpeta de GestIB"));
    takeAtMost(arguments, 1);
    options.target = winpath::toLocal(arguments.constFirst());
}

CommandReport ImportarCommand::run(const CommandOptions &options) const
{
    CommandReport report = newReport();
    MainFormState form(options.workingFolder());
    CommandLineInteraction ui(runAnswers(options));
    runReporting(report, form, ui, false, [&] {
        if (QFileInfo(options.target).isDir())
            timetable_export::exportTimetable(form, ui, options.target);
        else
            timetable_export::BImportarClick(form, ui);
    });
    return report;
}
