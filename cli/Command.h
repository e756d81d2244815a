#pragma once

#include "cli/CommandOption.h"
#include "cli/CommandReport.h"
#include "platform/WinPath.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the command line gave a command: its arguments and the values of its
// options. Paths are local, whatever way the user wrote them.
struct CommandOptions {
    QString target;      // CENTRE.xml, or the folder or file of "SolucioHorari.xml";
                         // restaurar and comparar: a backup's name, or "actual"
    QString second;      // comparar: the set compared with `target`
    QString niveles;     // --niveles, the levels file; empty when not given
    QString solucion;    // --solucion, a SOLUC table to check; empty when not given
    QString carpeta;     // --carpeta, the working folder; empty for C:\VTEMP
    bool recover = true; // --recuperar (default) or --no-recuperar
    bool createLines = true; // --lineas (default) or --sin-lineas
    bool json = false;   // --json
    QString salida;      // plantilla -o/--salida, the template's file; empty for standard output
    bool suggest = false; // plantilla --sugerir

    // The working folder the command works on: --carpeta, or C:\VTEMP.
    winpath::WorkingFolder workingFolder() const;
};

// One command of transtarquoib-cli, whole: its name, its part of --help, the
// options it takes, the checks of its arguments and its run. The parser and
// the help are built from the list of commands (cli/Commands.h).
class Command {
public:
    virtual ~Command() = default;

    // As the user types it; the parser takes it in any letter case.
    virtual QString name() const = 0;
    // Its lines of --help under "Órdenes:", translated, each ending its line.
    virtual QString help() const = 0;
    // The options it takes besides --carpeta, --help and --version.
    virtual QList<CommandOption> options() const = 0;
    // Checks the arguments that follow its name and puts them into `options`;
    // one missing or one too many is a UsageError.
    virtual void readArguments(const QStringList &arguments, CommandOptions &options) const = 0;
    // Runs to its end and reports, with the exit status in the report; errors
    // do not leave it, but for an unreadable levels file (LevelsFileError).
    virtual CommandReport run(const CommandOptions &options) const = 0;

protected:
    // An empty report of this command.
    CommandReport newReport() const;
    // The centre document that exportar, comprobar and plantilla read.
    QString centreDocument(const QStringList &arguments) const;
    // Refuses the first argument past the `most` the command takes.
    static void takeAtMost(const QStringList &arguments, qsizetype most);
};
