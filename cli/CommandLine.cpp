#include "cli/CommandLine.h"

#include "cli/Commands.h"
#include "platform/WinPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

struct OptionSpec {
    CommandOption option;
    QStringList names;  // the long name last, as messages name the option when it was not typed
    QString valueName;  // empty for an option that takes no value
};

// Every option but --help and --version, in the order of CommandOption, which
// is the order the checks go through them.
const OptionSpec optionSpecs[] = {
    {CommandOption::Niveles, {QStringLiteral("niveles")}, QStringLiteral("archivo")},
    {CommandOption::Solucion, {QStringLiteral("solucion")}, QStringLiteral("archivo")},
    {CommandOption::Carpeta, {QStringLiteral("carpeta")}, QStringLiteral("carpeta")},
    {CommandOption::Recuperar, {QStringLiteral("recuperar")}, {}},
    {CommandOption::NoRecuperar, {QStringLiteral("no-recuperar")}, {}},
    {CommandOption::Lineas, {QStringLiteral("lineas")}, {}},
    {CommandOption::SinLineas, {QStringLiteral("sin-lineas")}, {}},
    {CommandOption::Json, {QStringLiteral("json")}, {}},
    {CommandOption::Salida, {QStringLiteral("o"), QStringLiteral("salida")}, QStringLiteral("archivo")},
    {CommandOption::Sugerir, {QStringLiteral("sugerir")}, {}},
};

// Options that answer the same question both ways.
const std::pair<CommandOption, CommandOption> opposites[]
    = {{CommandOption::Recuperar, CommandOption::NoRecuperar}, {CommandOption::Lineas, CommandOption::SinLineas}};

const QString help = QStringLiteral("help");
const QString version = QStringLiteral("version");

const OptionSpec &specOf(CommandOption option)
{
    return *std::find_if(std::begin(optionSpecs), std::end(optionSpecs),
                         [&](const OptionSpec &spec) { return spec.option == option; });
}

QString longName(CommandOption option)
{
    return specOf(option).names.constLast();
}

// "exportar, importar, … o comparar": every command, in the help's order.
QString commandNames()
{
    QStringList names;
    for (const Command *command : commands())
        names << command->name();
    const QString last = names.takeLast();
    //: The last two of a list of commands: "exportar, importar, restaurar" and "comparar".
    return QCoreApplication::translate("CommandLine", "%1 o %2").arg(names.join(QStringLiteral(", ")), last);
}

const Command *commandNamed(const QString &typed)
{
    for (const Command *command : commands())
        if (typed.compare(command->name(), Qt::CaseInsensitive) == 0)
            return command;
    return nullptr;
}

void rejectBoth(const QCommandLineParser &parser, CommandOption a, CommandOption b)
{
    if (parser.isSet(longName(a)) && parser.isSet(longName(b)))
        throw UsageError(QCoreApplication::translate("CommandLine", "--%1 y --%2 no pueden ir juntas")
                             .arg(longName(a), longName(b)));
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

bool takesValue(const QString &name)
{
    return std::any_of(std::begin(optionSpecs), std::end(optionSpecs), [&](const OptionSpec &spec) {
        return !spec.valueName.isEmpty() && spec.names.contains(name);
    });
}

// What the parser refused, said in the user's words: an unknown option, a
// value given to an option that takes none, or a value option at the end
// without its value.
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
    for (const OptionSpec &spec : optionSpecs)
        if (!spec.valueName.isEmpty() && parser.isSet(spec.names.constLast())
            && parser.value(spec.names.constLast()).isEmpty())
            throw UsageError(QCoreApplication::translate("CommandLine", "falta el valor de la opción %1")
                                 .arg(typedOption(arguments, spec.names)));
}

// A path option's value as a local path, empty when the option was not given.
QString localValue(const QCommandLineParser &parser, CommandOption option)
{
    return parser.isSet(longName(option)) ? winpath::toLocal(parser.value(longName(option))) : QString();
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec &spec : optionSpecs)
        parser.addOption(QCommandLineOption(spec.names, {}, spec.valueName));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), help}));
    parser.addOption(QCommandLineOption(version));
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
        throw UsageError(QCoreApplication::translate("CommandLine", "falta la orden: %1").arg(commandNames()));
    const Command *command = commandNamed(positional.at(0));
    if (!command)
        throw UsageError(QCoreApplication::translate("CommandLine", "orden desconocida: %1 (%2)")
                             .arg(positional.at(0), commandNames()));
    parsed.command = command;
    CommandOptions &options = parsed.options;
    command->readArguments(positional.mid(1), options);

    // --carpeta is every command's.
    const QList<CommandOption> accepted = command->options();
    for (const OptionSpec &spec : optionSpecs)
        if (spec.option != CommandOption::Carpeta && parser.isSet(spec.names.constLast())
            && !accepted.contains(spec.option))
            throw UsageError(QCoreApplication::translate("CommandLine", "la orden %1 no admite %2")
                                 .arg(command->name(), typedOption(arguments, spec.names)));
    for (const auto &[yes, no] : opposites)
        rejectBoth(parser, yes, no);

    options.niveles = localValue(parser, CommandOption::Niveles);
    options.solucion = localValue(parser, CommandOption::Solucion);
    options.carpeta = localValue(parser, CommandOption::Carpeta);
    options.salida = localValue(parser, CommandOption::Salida);
    options.recover = !parser.isSet(longName(CommandOption::NoRecuperar));
    options.createLines = !parser.isSet(longName(CommandOption::SinLineas));
    options.json = parser.isSet(longName(CommandOption::Json));
    options.suggest = parser.isSet(longName(CommandOption::Sugerir));
    return parsed;
}

QString versionText()
{
    return QStringLiteral("transtarquoib-cli %1").arg(QCoreApplication::applicationVersion());
}

QString helpText()
{
    QString text = QCoreApplication::translate("CommandLine",
        "Uso: transtarquoib-cli ORDEN ARCHIVO [OPCIONES]\n"
        "\n"
        "Convierte entre GestIB y Velarix sin ventanas, como TransTarquoIB.\n"
        "Las órdenes valen en mayúsculas o minúsculas (EXPORTAR, Comprobar).\n"
        "\n"
        "Órdenes:\n");
    for (const Command *command : commands())
        text += command->help();
    return text + QCoreApplication::translate("CommandLine",
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
