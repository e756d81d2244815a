#include "cli/CommandLine.h"

#include "platform/WinPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

using Command = CommandOptions::Command;

const QString niveles = QStringLiteral("niveles");
const QString solucion = QStringLiteral("solucion");
const QString carpeta = QStringLiteral("carpeta");
const QString recuperar = QStringLiteral("recuperar");
const QString noRecuperar = QStringLiteral("no-recuperar");
const QString lineas = QStringLiteral("lineas");
const QString sinLineas = QStringLiteral("sin-lineas");
const QString json = QStringLiteral("json");
const QString help = QStringLiteral("help");
const QString version = QStringLiteral("version");

// The options each command accepts besides the common ones.
QStringList optionsOf(Command command)
{
    switch (command) {
    case Command::Exportar: return {niveles, recuperar, noRecuperar, lineas, sinLineas};
    case Command::Comprobar: return {niveles, solucion, recuperar, noRecuperar, lineas, sinLineas};
    case Command::Importar: return {};
    }
    return {};
}

void rejectBoth(const QCommandLineParser &parser, const QString &a, const QString &b)
{
    if (parser.isSet(a) && parser.isSet(b))
        throw UsageError(QStringLiteral("--%1 y --%2 no pueden ir juntas").arg(a, b));
}

QString localPath(const QString &argument)
{
    return winpath::toLocal(argument);
}

} // namespace

UsageError::UsageError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString UsageError::message() const
{
    return QString::fromStdString(what());
}

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {niveles, {}, QStringLiteral("archivo")},
        {solucion, {}, QStringLiteral("archivo")},
        {carpeta, {}, QStringLiteral("carpeta")},
        {recuperar, {}},
        {noRecuperar, {}},
        {lineas, {}},
        {sinLineas, {}},
        {json, {}},
        {{QStringLiteral("h"), help}, {}},
        {version, {}},
    });
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            throw UsageError(QStringLiteral("opción desconocida: %1").arg(parser.unknownOptionNames().constFirst()));
        throw UsageError(QStringLiteral("falta el valor de una opción (--niveles, --solucion o --carpeta)"));
    }

    ParsedCommandLine parsed;
    if (parser.isSet(help)) {
        parsed.action = ParsedCommandLine::Action::Help;
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.action = ParsedCommandLine::Action::Version;
        return parsed;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        throw UsageError(QStringLiteral("falta la orden: exportar, importar o comprobar"));
    CommandOptions &options = parsed.options;
    const QString command = positional.at(0);
    if (command == u"exportar")
        options.command = Command::Exportar;
    else if (command == u"importar")
        options.command = Command::Importar;
    else if (command == u"comprobar")
        options.command = Command::Comprobar;
    else
        throw UsageError(QStringLiteral("orden desconocida: %1 (exportar, importar o comprobar)").arg(command));
    if (positional.size() < 2)
        throw UsageError(options.command == Command::Importar
                             ? QStringLiteral("importar necesita la carpeta o un archivo de la carpeta de GestIB")
                             : QStringLiteral("%1 necesita el archivo XML del centro").arg(command));
    if (positional.size() > 2)
        throw UsageError(QStringLiteral("sobra el argumento %1").arg(positional.at(2)));

    const QStringList accepted = optionsOf(options.command);
    for (const QString &name : {niveles, solucion, recuperar, noRecuperar, lineas, sinLineas})
        if (parser.isSet(name) && !accepted.contains(name))
            throw UsageError(QStringLiteral("la orden %1 no admite --%2").arg(command, name));
    rejectBoth(parser, recuperar, noRecuperar);
    rejectBoth(parser, lineas, sinLineas);

    options.target = localPath(positional.at(1));
    if (parser.isSet(niveles))
        options.niveles = localPath(parser.value(niveles));
    if (parser.isSet(solucion))
        options.solucion = localPath(parser.value(solucion));
    if (parser.isSet(carpeta))
        options.carpeta = localPath(parser.value(carpeta));
    options.recover = !parser.isSet(noRecuperar);
    options.createLines = !parser.isSet(sinLineas);
    options.json = parser.isSet(json);
    return parsed;
}

QString versionText()
{
    return QStringLiteral("transtarquoib-cli %1").arg(QCoreApplication::applicationVersion());
}

QString helpText()
{
    return QStringLiteral(
        "Uso: transtarquoib-cli ORDEN ARCHIVO [OPCIONES]\n"
        "\n"
        "Convierte entre GestIB y Velarix sin ventanas, como TransTarquoIB.\n"
        "\n"
        "Órdenes:\n"
        "  exportar CENTRE.xml   Pasa el archivo del centro exportado de GestIB a las\n"
        "                        tablas de trabajo de Velarix (la importación del centro).\n"
        "      --niveles ARCHIVO   Niveles y cursos en CSV: CODI;NIVEL;CURSO, un curso\n"
        "                          por línea, UTF-8, con o sin línea de cabecera.\n"
        "      --recuperar         Recupera los niveles y cursos de una importación\n"
        "                          anterior (CURSOST2); es lo predeterminado.\n"
        "      --no-recuperar      No los recupera y borra CURSOST2, como el No del diálogo.\n"
        "      --lineas            Crea las líneas de asignaturas (predeterminado).\n"
        "      --sin-lineas        No las crea.\n"
        "    Los valores de --niveles prevalecen sobre los recuperados. Si algún curso\n"
        "    queda sin nivel o sin curso, no se crean los grupos, se listan esos cursos\n"
        "    y la salida es 3.\n"
        "  importar CARPETA|ARCHIVO\n"
        "                        Pasa el horario de Velarix (SOLUC) a GestIB: escribe\n"
        "                        \"SolucioHorari.xml\" en la carpeta indicada o en la\n"
        "                        carpeta del archivo indicado.\n"
        "  comprobar CENTRE.xml  Lee el archivo del centro y dice qué escribiría\n"
        "                        exportar, sin tocar nada: filas por tabla, códigos\n"
        "                        cortos numerados, cursos sin nivel y niveles que\n"
        "                        coinciden en sus 5 primeros caracteres. Admite\n"
        "                        --niveles, --recuperar/--no-recuperar, --lineas/--sin-lineas y\n"
        "      --solucion ARCHIVO  una tabla SOLUC cuyos códigos se buscan en las tablas.\n"
        "\n"
        "Opciones comunes:\n"
        "  --carpeta CARPETA     Carpeta de trabajo en lugar de C:\\VTEMP.\n"
        "  --json                El resumen en JSON por la salida estándar.\n"
        "  --version             La versión.\n"
        "  -h, --help            Esta ayuda.\n"
        "Las rutas pueden escribirse también como rutas de Windows (C:\\..., Z:\\...).\n"
        "Los mensajes van a la salida de errores.\n"
        "\n"
        "Salida:\n"
        "  0  terminado (comprobar: la importación no dejaría nada por responder)\n"
        "  1  error, o proceso no terminado\n"
        "  2  uso incorrecto, o archivo de niveles ilegible\n"
        "  3  faltan niveles o cursos\n"
        "  4  el archivo no es un documento de centro de GestIB\n"
        "  5  una tabla está abierta por otro programa\n");
}
