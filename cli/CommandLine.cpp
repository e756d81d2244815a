#include "cli/CommandLine.h"

#include "platform/WinPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <iterator>

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
const QString salida = QStringLiteral("salida");
const QString sugerir = QStringLiteral("sugerir");
const QString help = QStringLiteral("help");
const QString version = QStringLiteral("version");

// Options that only some commands take, and the options that take a value.
const QStringList commandOptions
    = {niveles, solucion, recuperar, noRecuperar, lineas, sinLineas, json, salida, sugerir};
const QStringList valueOptions = {niveles, solucion, carpeta, salida};

struct CommandName {
    const char *name;
    Command command;
};
const CommandName commands[] = {
    {"exportar", Command::Exportar},
    {"importar", Command::Importar},
    {"comprobar", Command::Comprobar},
    {"plantilla", Command::Plantilla},
    {"copias", Command::Copias},
    {"restaurar", Command::Restaurar},
    {"comparar", Command::Comparar},
};

// The options each command accepts besides --carpeta, --help and --version.
QStringList optionsOf(Command command)
{
    switch (command) {
    case Command::Exportar: return {niveles, recuperar, noRecuperar, lineas, sinLineas, json};
    case Command::Comprobar: return {niveles, solucion, recuperar, noRecuperar, lineas, sinLineas, json};
    case Command::Importar: return {json};
    case Command::Plantilla: return {salida, sugerir};
    case Command::Copias: return {json};
    case Command::Restaurar: return {json};
    case Command::Comparar: return {json};
    }
    return {};
}

void rejectBoth(const QCommandLineParser &parser, const QString &a, const QString &b)
{
    if (parser.isSet(a) && parser.isSet(b))
        throw UsageError(QCoreApplication::translate("CommandLine", "--%1 y --%2 no pueden ir juntas").arg(a, b));
}

QString localPath(const QString &argument)
{
    return winpath::toLocal(argument);
}

// The option's name in an argument: "--niveles=x" and "-niveles" name "niveles".
QString optionName(const QString &argument)
{
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.left(name.indexOf(u'='));
}

bool isOptionArgument(const QString &argument)
{
    return argument.size() > 1 && argument.startsWith(u'-');
}

// The option as the user typed it, dashes and all, without its value: the
// message then shows what is on the user's command line.
QString typedOption(const QStringList &arguments, const QStringList &names)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (isOptionArgument(argument) && names.contains(optionName(argument)))
            return argument.left(argument.indexOf(u'='));
    }
    return QStringLiteral("--") + names.constLast();
}

// The names of an option: -o is --salida.
QStringList namesOf(const QString &option)
{
    return option == salida ? QStringList{QStringLiteral("o"), salida} : QStringList{option};
}

bool takesValue(const QString &name)
{
    return valueOptions.contains(name) || name == QLatin1String("o");
}

// What the parser refused, said in Spanish: an unknown option, a value given
// to an option that takes none, or a value option at the end without its value.
[[noreturn]] void refuse(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        throw UsageError(QCoreApplication::translate("CommandLine", "opción desconocida: %1")
                             .arg(typedOption(arguments, {parser.unknownOptionNames().constFirst()})));
    for (const QString &argument : arguments.mid(1))
        if (isOptionArgument(argument) && argument.contains(u'=') && !takesValue(optionName(argument)))
            throw UsageError(QCoreApplication::translate("CommandLine", "la opción %1 no lleva valor")
                                 .arg(argument.left(argument.indexOf(u'='))));
    const QString last = arguments.constLast();
    if (arguments.size() > 1 && isOptionArgument(last) && takesValue(optionName(last)))
        throw UsageError(QCoreApplication::translate("CommandLine", "falta el valor de la opción %1").arg(last));
    throw UsageError(parser.errorText());
}

// An empty value ("--niveles=", "--carpeta ''") would read as no option at all.
void requireValues(const QCommandLineParser &parser, const QStringList &arguments)
{
    for (const QString &name : valueOptions)
        if (parser.isSet(name) && parser.value(name).isEmpty())
            throw UsageError(QCoreApplication::translate("CommandLine", "falta el valor de la opción %1")
                                 .arg(typedOption(arguments, namesOf(name))));
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
        {{QStringLiteral("o"), salida}, {}, QStringLiteral("archivo")},
        {sugerir, {}},
        {{QStringLiteral("h"), help}, {}},
        {version, {}},
    });
    if (!parser.parse(arguments))
        refuse(parser, arguments);

    ParsedCommandLine parsed;
    if (parser.isSet(help)) {
        parsed.action = ParsedCommandLine::Action::Help;
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.action = ParsedCommandLine::Action::Version;
        return parsed;
    }
    requireValues(parser, arguments);

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        throw UsageError(QCoreApplication::translate(
            "CommandLine", "falta la orden: exportar, importar, comprobar, plantilla, copias, restaurar o comparar"));
    CommandOptions &options = parsed.options;
    const QString command = positional.at(0);
    const auto named = std::find_if(std::begin(commands), std::end(commands), [&](const CommandName &c) {
        return command.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0;
    });
    if (named == std::end(commands))
        throw UsageError(
            QCoreApplication::translate(
                "CommandLine", "orden desconocida: %1 (exportar, importar, comprobar, plantilla, copias, restaurar o comparar)")
                .arg(command));
    options.command = named->command;
    // copias takes no argument; restaurar names a backup or takes the newest;
    // comparar names up to two sets.
    const qsizetype wanted = options.command == Command::Copias ? 1 : options.command == Command::Comparar ? 3 : 2;
    const bool argumentOptional = options.command == Command::Restaurar || options.command == Command::Comparar;
    if (positional.size() < wanted && !argumentOptional)
        throw UsageError(options.command == Command::Importar
                             ? QCoreApplication::translate(
                                 "CommandLine", "importar necesita la carpeta o un archivo de la carpeta de GestIB")
                             : QCoreApplication::translate("CommandLine", "%1 necesita el archivo XML del centro")
                                   .arg(QLatin1String(named->name)));
    if (positional.size() > wanted)
        throw UsageError(
            QCoreApplication::translate("CommandLine", "sobra el argumento %1").arg(positional.at(wanted)));

    const QStringList accepted = optionsOf(options.command);
    for (const QString &name : commandOptions)
        if (parser.isSet(name) && !accepted.contains(name))
            throw UsageError(QCoreApplication::translate("CommandLine", "la orden %1 no admite %2")
                                 .arg(QLatin1String(named->name), typedOption(arguments, namesOf(name))));
    rejectBoth(parser, recuperar, noRecuperar);
    rejectBoth(parser, lineas, sinLineas);

    if (options.command == Command::Restaurar || options.command == Command::Comparar) {
        options.target = positional.value(1); // a backup's name, as copias lists it
        options.second = positional.value(2);
    }
    else if (positional.size() > 1)
        options.target = localPath(positional.at(1));
    if (parser.isSet(niveles))
        options.niveles = localPath(parser.value(niveles));
    if (parser.isSet(solucion))
        options.solucion = localPath(parser.value(solucion));
    if (parser.isSet(carpeta))
        options.carpeta = localPath(parser.value(carpeta));
    if (parser.isSet(salida))
        options.salida = localPath(parser.value(salida));
    options.recover = !parser.isSet(noRecuperar);
    options.createLines = !parser.isSet(sinLineas);
    options.json = parser.isSet(json);
    options.suggest = parser.isSet(sugerir);
    return parsed;
}

QString versionText()
{
    return QStringLiteral("transtarquoib-cli %1").arg(QCoreApplication::applicationVersion());
}

QString helpText()
{
    return QCoreApplication::translate("CommandLine",
        "Uso: transtarquoib-cli ORDEN ARCHIVO [OPCIONES]\n"
        "\n"
        "Convierte entre GestIB y Velarix sin ventanas, como TransTarquoIB.\n"
        "Las órdenes valen en mayúsculas o minúsculas (EXPORTAR, Comprobar).\n"
        "\n"
        "Órdenes:\n"
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
        "                        Si hay avisos, la salida es 6.\n"
        "  plantilla CENTRE.xml  Escribe el archivo de niveles para --niveles:\n"
        "                        CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS, un curso del\n"
        "                        documento por línea, con los niveles y cursos de una\n"
        "                        importación anterior (CURSOST2) ya puestos. UTF-8 con\n"
        "                        BOM, para abrirlo y completarlo en una hoja de cálculo.\n"
        "      -o, --salida ARCHIVO\n"
        "                          El archivo que se escribe; sin él, la salida estándar.\n"
        "      --sugerir           Propone, donde falten, el nivel y el curso leídos de\n"
        "                          la descripción (\"1r ESO\": ESO y 1), con los niveles\n"
        "                          que el centro ya usó (CURSOST2); revíselos.\n"
        "  copias                Lista las copias de las tablas que cada importación\n"
        "                        sustituyó, en C:\\VTEMP\\Copias (se guardan las 10 más\n"
        "                        recientes): fecha, centro y filas.\n"
        "  restaurar [COPIA]     Vuelve a poner en la carpeta de trabajo las tablas de\n"
        "                        una copia (por su fecha, como la lista copias; sin\n"
        "                        ella, la más reciente), todas a la vez; las tablas\n"
        "                        que sustituye quedan a su vez en otra copia.\n"
        "  comparar [A] [B]      Compara dos juegos de tablas por sus códigos de GestIB:\n"
        "                        profesores, asignaturas, aulas, cursos y grupos\n"
        "                        nuevos, desaparecidos o con otro nombre, y las filas\n"
        "                        de cada tabla. A y B son copias (por su fecha) o\n"
        "                        \"actual\", la carpeta de trabajo; sin ellas, la copia\n"
        "                        más reciente con la carpeta de trabajo.\n"
        "\n"
        "Opciones comunes:\n"
        "  --carpeta CARPETA     Carpeta de trabajo en lugar de C:\\VTEMP.\n"
        "  --json                El resumen en JSON por la salida estándar (no en\n"
        "                        plantilla).\n"
        "  --version             La versión.\n"
        "  -h, --help            Esta ayuda.\n"
        "Las rutas pueden escribirse también como rutas de Windows (C:\\..., Z:\\...).\n"
        "Los mensajes van a la salida de errores.\n"
        "\n"
        "Salida:\n"
        "  0  terminado (comprobar: la importación terminaría sin avisos)\n"
        "  1  error, o proceso no terminado\n"
        "  2  uso incorrecto, o archivo de niveles ilegible\n"
        "  3  faltan niveles o cursos\n"
        "  4  el archivo no es un documento de centro de GestIB\n"
        "  5  una tabla está abierta por otro programa\n"
        "  6  comprobar: la importación terminaría, con avisos (cursos sin nivel,\n"
        "     niveles que coinciden, abreviaturas cambiadas, códigos de la solución\n"
        "     que no están en las tablas, cursos del archivo de niveles que el\n"
        "     documento no tiene)\n");
}
