#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

// The command line of transtarquoib-cli: one command, its file, and options.
struct CommandOptions {
    enum class Command { Exportar, Importar, Comprobar, Plantilla, Copias, Restaurar, Comparar };
    Command command = Command::Exportar;
    QString target;      // CENTRE.xml, or the folder or file of "SolucioHorari.xml"; local path;
                         // restaurar and comparar: a backup's name, or "actual"
    QString second;      // comparar: the set compared with `target`
    QString niveles;     // --niveles, the levels file; local path, empty when not given
    QString solucion;    // --solucion, a SOLUC table to check; local path, empty when not given
    QString carpeta;     // --carpeta, the working folder; local path, empty for C:\VTEMP
    bool recover = true; // --recuperar (default) or --no-recuperar
    bool createLines = true; // --lineas (default) or --sin-lineas
    bool json = false;   // --json
    QString salida;      // plantilla -o/--salida, the template's file; local path, empty for standard output
    bool suggest = false; // plantilla --sugerir
};

struct ParsedCommandLine {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    CommandOptions options;
};

// A command line that names no command, an unknown one, an unknown or
// misplaced option, an option without its value or a wrong number of
// arguments. The message says which, in Spanish, naming the option as typed.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString &message);
    QString message() const;
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
// Commands are taken in any letter case, as the window takes its parameter.
// Paths may be Windows paths ("Z:\home\ana\centre.xml"); they come back local.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

QString helpText();
QString versionText();
