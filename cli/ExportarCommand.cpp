#include "cli/ExportarCommand.h"

#include "cli/CommandRun.h"

#include <QCoreApplication>

QString ExportarCommand::name() const
{
    return QStringLiteral("exportar");
}

QString ExportarCommand::help() const
{
    return QCoreApplication::translate("ExportarCommand",
        "  exportar CENTRE.xml   Pasa el archivo del centro exportado de GestIB a las\n"
        "                        tablas de trabajo de Velarix (la importación del centro).\n"
        "      --niveles ARCHIVO   Niveles y cursos en CSV: CODI;NIVEL;CURSO, un curso\n"
        "                          por línea, UTF-8, con o sin línea de cabecera; con\n"
        "                          cabecera, las demás columnas (las de la plantilla)\n"
        "                          no se usan. NIVEL admite 5 caracteres y CURSO 3: un\n"
        "                          valor más largo se rechaza. Un código que el\n"
        "                          documento no tiene se avisa y no se usa.\n"
        "      --recuperar         Recupera los niveles y cursos de una importación\n"
        "                          anterior (CURSOST2); es lo predeterminado.\n"
        "      --no-recuperar      No los recupera y borra CURSOST2, como el No del diálogo.\n"
        "      --lineas            Crea las líneas de asignaturas (predeterminado).\n"
        "      --sin-lineas        No las crea.\n"
        "    Los valores de --niveles prevalecen sobre los recuperados. Si algún curso\n"
        "    queda sin nivel o sin curso, no se crean los grupos, se listan esos cursos\n"
        "    y la salida es 3.\n");
}

QList<CommandOption> ExportarCommand::options() const
{
    return {CommandOption::Niveles,   CommandOption::Recuperar, CommandOption::NoRecuperar,
            CommandOption::Lineas,    CommandOption::SinLineas, CommandOption::Json};
}

void ExportarCommand::readArguments(const QStringList &arguments, CommandOptions &options) const
{
    options.target = centreDocument(arguments);
}

CommandReport ExportarCommand::run(const CommandOptions &options) const
{
    return importCentre(newReport(), runAnswers(options), options.workingFolder());
}
