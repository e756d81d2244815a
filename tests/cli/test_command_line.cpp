// The help and the usage messages are built from the list of commands: in
// Spanish and in Catalan, each command's part of the help opens with the
// command's name as the user types it and names the options it takes (the
// manual pages are checked against the help), and the messages that list the
// commands list them all.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "run/InterfaceLanguage.h"
#include "tests/support/QStringPrinter.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// Translations need an application object; it is never destroyed, as Qt's
// own globals may be gone at exit.
void coreApp()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    [[maybe_unused]] static QCoreApplication *app = new QCoreApplication(argc, argv);
}

// The options as the help names them. --json is left out: the help
// describes it once, among the common options.
QString helpName(CommandOption option)
{
    switch (option) {
    case CommandOption::Niveles: return QStringLiteral("--niveles");
    case CommandOption::Solucion: return QStringLiteral("--solucion");
    case CommandOption::Carpeta: return QStringLiteral("--carpeta");
    case CommandOption::Recuperar: return QStringLiteral("--recuperar");
    case CommandOption::NoRecuperar: return QStringLiteral("--no-recuperar");
    case CommandOption::Lineas: return QStringLiteral("--lineas");
    case CommandOption::SinLineas: return QStringLiteral("--sin-lineas");
    case CommandOption::Json: return {};
    case CommandOption::Salida: return QStringLiteral("--salida");
    case CommandOption::Sugerir: return QStringLiteral("--sugerir");
    }
    return {};
}

QString usageError(const QStringList &arguments)
{
    try {
        parseCommandLine(QStringList{QStringLiteral("transtarquoib-cli")} + arguments);
    } catch (const UsageError &e) {
        return e.message();
    }
    return QStringLiteral("(accepted)");
}

struct LanguageCase {
    const char *name;
    InterfaceLanguage language;
    QString missingCommand;
    QString unknownCommand;
};

class CommandLineLanguage : public testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override
    {
        coreApp();
        ASSERT_TRUE(installInterfaceLanguage(GetParam().language));
    }
    void TearDown() override { installInterfaceLanguage(InterfaceLanguage::Spanish); }
};

TEST_P(CommandLineLanguage, EachCommandsPartOfTheHelpInTheListsOrder)
{
    const QString help = helpText();
    qsizetype after = 0;
    for (const Command *command : commands()) {
        SCOPED_TRACE(command->name().toStdString());
        const QString part = command->help();
        EXPECT_TRUE(part.startsWith(QStringLiteral("  ") + command->name() + u' ')) << part.toStdString();
        EXPECT_TRUE(part.endsWith(u'\n'));
        const qsizetype at = help.indexOf(part);
        EXPECT_GE(at, after) << "missing from the help, or out of the list's order";
        after = at + part.size();
        for (const CommandOption option : command->options()) {
            const QString name = helpName(option);
            EXPECT_TRUE(name.isEmpty() || part.contains(name)) << name.toStdString();
        }
    }
    EXPECT_TRUE(help.contains(QStringLiteral("--json")));
}

TEST_P(CommandLineLanguage, MessagesListEveryCommand)
{
    EXPECT_EQ(usageError({}), GetParam().missingCommand);
    EXPECT_EQ(usageError({QStringLiteral("convertir")}), GetParam().unknownCommand);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CommandLineLanguage,
    testing::Values(
        LanguageCase{"Spanish", InterfaceLanguage::Spanish,
                     "falta la orden: exportar, importar, comprobar, plantilla, copias, restaurar o comparar",
                     "orden desconocida: convertir (exportar, importar, comprobar, plantilla, copias, restaurar o "
                     "comparar)"},
        LanguageCase{"Catalan", InterfaceLanguage::Catalan,
                     "falta l'ordre: exportar, importar, comprobar, plantilla, copias, restaurar o comparar",
                     "ordre desconeguda: convertir (exportar, importar, comprobar, plantilla, copias, restaurar o "
                     "comparar)"}),
    [](const testing::TestParamInfo<LanguageCase> &info) { return std::string(info.param.name); });

} // namespace
