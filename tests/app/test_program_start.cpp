#include "tests/app/ProgramProcess.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

// --version and --help answer before anything of the window system is
// touched: on a machine without a display they print and end with 0, where
// the application object would abort the program.
TEST(ProgramStart, VersionAndHelpAnswerWithoutADisplay)
{
    const struct {
        const char *argument;
        QStringList shows;
    } cases[] = {
        {"--version", {QStringLiteral("TransTarquoIB " TRANSTARQUOIB_VERSION "\n")}},
        {"--help",
         {QStringLiteral("Uso: TransTarquoIB\n"), QStringLiteral("exportar"), QStringLiteral("importar"),
          QStringLiteral("\"Velarix.ini\""), QStringLiteral("[Transformadores]"), QStringLiteral("Transformado"),
          QStringLiteral("C:\\VTEMP"), QStringLiteral("$WINEPREFIX/drive_c/VTEMP"), QStringLiteral("--version"),
          QStringLiteral("transtarquoib-cli --help")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.argument);
        const program::Result result = program::run({QString::fromLatin1(c.argument)}, program::withoutDisplay());

        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, QString()) << "nothing of a display was tried";
        for (const QString &text : c.shows)
            EXPECT_TRUE(result.out.contains(text)) << text.toStdString() << " in\n" << result.out.toStdString();
    }
}

// --help speaks the user's language, as the window does, still without a display.
TEST(ProgramStart, HelpInTheUsersLanguage)
{
    const struct {
        const char *lang;
        QString firstLine;
    } cases[] = {
        {"ca_ES.UTF-8", QStringLiteral("Ús: TransTarquoIB\n")},
        {"es_ES.UTF-8", QStringLiteral("Uso: TransTarquoIB\n")},
        {"C", QStringLiteral("Uso: TransTarquoIB\n")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lang);
        const program::Result result = program::run(
            {QStringLiteral("--help")},
            program::environmentWith({{QStringLiteral("DISPLAY"), {}},
                                      {QStringLiteral("WAYLAND_DISPLAY"), {}},
                                      {QStringLiteral("QT_QPA_PLATFORM"), {}},
                                      {QStringLiteral("LC_ALL"), {}},
                                      {QStringLiteral("LANGUAGE"), {}},
                                      {QStringLiteral("LANG"), QString::fromLatin1(c.lang)}}));
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.out.startsWith(c.firstLine)) << result.out.toStdString();
    }
}
