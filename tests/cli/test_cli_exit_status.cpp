#include "tests/cli/CliProcess.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Placeholders of the arguments, replaced by the fixtures' paths.
QStringList resolve(QStringList arguments)
{
    for (QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("data:")))
            argument = cli::data(argument.mid(5));
        else if (argument == QLatin1String("tmp:"))
            argument = QDir::tempPath();
    }
    return arguments;
}

struct StatusCase {
    const char *name;
    QStringList arguments;
    int status;
    QString saying; // in standard error, or standard output for --help and --version
};

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, IsTheDocumentedOne)
{
    const StatusCase &c = GetParam();
    TempWinePrefix prefix;
    const cli::Result result = cli::run(resolve(c.arguments));
    EXPECT_EQ(result.status, c.status) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(c.saying) || result.out.contains(c.saying))
        << "expected «" << c.saying.toStdString() << "» in:\n" << result.err.toStdString() << result.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExitStatus,
    testing::Values(
        StatusCase{"Help", {"--help"}, 0, "Uso: transtarquoib-cli"},
        StatusCase{"Version", {"--version"}, 0, "transtarquoib-cli 1."},
        StatusCase{"ImportDone", {"exportar", "data:centre.xml", "--niveles", "data:niveles.csv", "--sin-lineas"}, 0,
                   "Proceso finalizado"},
        StatusCase{"CheckWithNothingOpen", {"comprobar", "data:centre.xml", "--niveles", "data:niveles.csv"}, 0,
                   "Filas de cada tabla"},
        StatusCase{"NoSuchCentre", {"exportar", "data:no-existe.xml"}, 1, "No existe archivo"},
        StatusCase{"NoSolutionTable", {"importar", "tmp:"}, 1, "SOLUC"},
        StatusCase{"NoCommand", {}, 2, "falta la orden"},
        StatusCase{"UnknownCommand", {"convertir", "data:centre.xml"}, 2, "orden desconocida: convertir"},
        StatusCase{"UnknownOption", {"exportar", "data:centre.xml", "--rapido"}, 2, "opción desconocida: rapido"},
        StatusCase{"NoFileGiven", {"exportar"}, 2, "necesita el archivo XML del centro"},
        StatusCase{"ArgumentTooMany", {"importar", "tmp:", "otro"}, 2, "sobra el argumento otro"},
        StatusCase{"BothAnswers", {"exportar", "data:centre.xml", "--lineas", "--sin-lineas"}, 2,
                   "--lineas y --sin-lineas"},
        StatusCase{"OptionOfAnotherCommand", {"importar", "tmp:", "--niveles", "data:niveles.csv"}, 2,
                   "no admite --niveles"},
        StatusCase{"OptionWithoutValue", {"exportar", "data:centre.xml", "--niveles"}, 2, "falta el valor"},
        StatusCase{"NoWorkingFolder", {"exportar", "data:centre.xml", "--carpeta", "data:no-existe"}, 2,
                   "no existe la carpeta de trabajo"},
        StatusCase{"LevelsFileBroken", {"exportar", "data:centre.xml", "--niveles", "data:niveles-mal.csv"}, 2,
                   "línea 3"},
        StatusCase{"LevelsMissing", {"exportar", "data:centre.xml"}, 3, "Cursos sin nivel o sin curso (3)"},
        StatusCase{"CheckWithLevelsMissing", {"comprobar", "data:centre.xml"}, 3, "Cursos sin nivel o sin curso (3)"},
        StatusCase{"NotACentreDocument", {"exportar", "data:horari.xml"}, 4, "CENTRE"},
        StatusCase{"NotXmlAtAll", {"exportar", "data:niveles.csv"}, 4, "Error"}),
    [](const testing::TestParamInfo<StatusCase> &info) { return std::string(info.param.name); });

// Status 5 needs another program holding a table, which no argument can say.
TEST(ExitStatusWithAHeldTable, IsFiveAndNothingIsTouched)
{
    TempWinePrefix prefix;
    QFile table(prefix.vtempFile(QStringLiteral("PROFT.DBF")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("the timetabling program's copy");
    table.close();
    const auto before = snapshotFolder(prefix.vtemp());
    const LockHolder holder(table.fileName(), LockHolder::Kind::RecordExclusive);
    ASSERT_TRUE(holder.holding());

    const cli::Result result =
        cli::run({"exportar", cli::data("centre.xml"), "--niveles", cli::data("niveles.csv"), "--sin-lineas"});
    EXPECT_EQ(result.status, 5) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("PROFT"))) << result.err.toStdString();
    EXPECT_TRUE(snapshotFolder(prefix.vtemp()) == before) << "a table was written, replaced or deleted";
}

} // namespace
