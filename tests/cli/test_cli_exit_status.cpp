#include "tests/cli/CliProcess.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"

#include <QFile>

#include <csignal>

#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

// A path longer than the system takes (a name past NAME_MAX).
QString tooLongPath()
{
    return QDir::tempPath() + QLatin1Char('/') + QString(300, u'a') + QStringLiteral(".xml");
}

// Placeholders of the arguments, and of the texts expected, replaced by the fixtures' paths.
QString resolve(QString text)
{
    if (text == QLatin1String("tmp:"))
        return QDir::tempPath();
    return text.replace(QLatin1String("data:"), cli::data({})).replace(QLatin1String("long:"), tooLongPath());
}

QStringList resolve(QStringList arguments)
{
    for (QString &argument : arguments)
        argument = resolve(argument);
    return arguments;
}

struct StatusCase {
    const char *name;
    QStringList arguments;
    int status;
    QString saying;       // in standard error, or standard output for --help and --version
    QString notSaying {}; // in neither
};

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, IsTheDocumentedOne)
{
    const StatusCase &c = GetParam();
    TempWinePrefix prefix;
    const cli::Result result = cli::run(resolve(c.arguments));
    EXPECT_EQ(result.status, c.status) << result.err.toStdString();
    const QString saying = resolve(c.saying);
    EXPECT_TRUE(result.err.contains(saying) || result.out.contains(saying))
        << "expected «" << saying.toStdString() << "» in:\n" << result.err.toStdString() << result.out.toStdString();
    if (!c.notSaying.isEmpty()) {
        EXPECT_FALSE(result.err.contains(c.notSaying) || result.out.contains(c.notSaying))
            << "not expected «" << c.notSaying.toStdString() << "» in:\n" << result.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExitStatus,
    testing::Values(
        StatusCase{"Help", {"--help"}, 0, "Uso: transtarquoib-cli"},
        StatusCase{"HelpListsStatusSix", {"--help"}, 0, "  6  comprobar"},
        StatusCase{"Version", {"--version"}, 0, "transtarquoib-cli 1."},
        StatusCase{"ImportDone", {"exportar", "data:centre.xml", "--niveles", "data:niveles.csv", "--sin-lineas"}, 0,
                   "Proceso finalizado"},
        StatusCase{"CommandInCapitals", {"EXPORTAR", "data:centre.xml", "--niveles", "data:niveles.csv"}, 0,
                   "Proceso finalizado"},
        StatusCase{"CheckWithNothingOpen",
                   {"Comprobar", "data:centre-sin-avisos.xml", "--niveles", "data:niveles.csv"}, 0,
                   "Comprobación sin avisos", "Proceso finalizado"},
        StatusCase{"CheckWithWarnings", {"comprobar", "data:centre.xml", "--niveles", "data:niveles.csv"}, 6,
                   "Comprobación con avisos", "Proceso finalizado"},
        StatusCase{"NoSuchCentre", {"exportar", "data:no-existe.xml"}, 1, "No existe archivo: data:no-existe.xml"},
        StatusCase{"CentrePathTooLong", {"exportar", "long:"}, 1, "la ruta es demasiado larga para el sistema",
                   "No existe"},
        StatusCase{"CentreIsAFolder", {"comprobar", "tmp:"}, 1, "es una carpeta"},
        StatusCase{"NoSolutionTable", {"importar", "tmp:"}, 1, "SOLUC"},
        StatusCase{"NoCommand", {}, 2, "falta la orden"},
        StatusCase{"UnknownCommand", {"convertir", "data:centre.xml"}, 2, "orden desconocida: convertir"},
        StatusCase{"UnknownOption", {"exportar", "data:centre.xml", "--rapido"}, 2, "opción desconocida: --rapido"},
        StatusCase{"UnknownOptionOneDash", {"exportar", "data:centre.xml", "-rapido=si"}, 2,
                   "opción desconocida: -rapido\n"},
        StatusCase{"NoFileGiven", {"exportar"}, 2, "necesita el archivo XML del centro"},
        StatusCase{"ArgumentTooMany", {"importar", "tmp:", "otro"}, 2, "sobra el argumento otro"},
        StatusCase{"BothAnswers", {"exportar", "data:centre.xml", "--lineas", "--sin-lineas"}, 2,
                   "--lineas y --sin-lineas"},
        StatusCase{"OptionOfAnotherCommand", {"importar", "tmp:", "--niveles", "data:niveles.csv"}, 2,
                   "no admite --niveles"},
        StatusCase{"ShortOptionOfAnotherCommand", {"exportar", "data:centre.xml", "-o", "x.csv"}, 2,
                   "la orden exportar no admite -o"},
        StatusCase{"OptionWithoutValue", {"exportar", "data:centre.xml", "--carpeta", "tmp:", "--niveles"}, 2,
                   "falta el valor de la opción --niveles"},
        StatusCase{"ShortOptionWithoutValue", {"plantilla", "data:centre.xml", "-o"}, 2,
                   "falta el valor de la opción -o"},
        StatusCase{"OptionWithAnEmptyValue", {"exportar", "data:centre.xml", "--niveles="}, 2,
                   "falta el valor de la opción --niveles"},
        StatusCase{"ValueForAnOptionWithout", {"exportar", "data:centre.xml", "--json=si", "--niveles"}, 2,
                   "la opción --json no lleva valor"},
        StatusCase{"NoWorkingFolder", {"exportar", "data:centre.xml", "--carpeta", "data:no-existe"}, 2,
                   "no existe la carpeta de trabajo"},
        StatusCase{"WorkingFolderPathTooLong", {"exportar", "data:centre.xml", "--carpeta", "long:"}, 2,
                   "la ruta es demasiado larga para el sistema", "no existe"},
        StatusCase{"LevelsFileBroken", {"exportar", "data:centre.xml", "--niveles", "data:niveles-mal.csv"}, 2,
                   "línea 3"},
        StatusCase{"LevelLongerThanItsField",
                   {"exportar", "data:centre.xml", "--niveles", "data:niveles-nivel-largo.csv"}, 2,
                   "línea 3: NIVEL «BACHILLER» tiene 9 caracteres; el campo admite 5"},
        StatusCase{"NoLevelsFile", {"exportar", "data:centre.xml", "--niveles", "data:no-existe.csv"}, 2,
                   "data:no-existe.csv: no existe"},
        StatusCase{"LevelsMissing", {"exportar", "data:centre.xml"}, 3, "Cursos sin nivel o sin curso (3)"},
        StatusCase{"CheckWithLevelsMissing", {"comprobar", "data:centre.xml"}, 3, "Cursos sin nivel o sin curso (3)"},
        StatusCase{"NotACentreDocument", {"exportar", "data:horari.xml"}, 4, "CENTRE"},
        StatusCase{"NotXmlAtAll", {"exportar", "data:niveles.csv"}, 4, "transtarquoib-cli: Error en", "Error: Error"},
        StatusCase{"TemplateDone", {"plantilla", "data:centre.xml"}, 0, "CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS"},
        StatusCase{"TemplateOfNoFile", {"plantilla", "data:no-existe.xml"}, 1, "No existe archivo: data:no-existe.xml"},
        StatusCase{"TemplateOfAnotherDocument", {"plantilla", "data:horari.xml"}, 4, "no es un documento de centro"},
        StatusCase{"TemplateOfNoXml", {"plantilla", "data:niveles.csv"}, 4, "Error en"},
        StatusCase{"TemplateWithJson", {"plantilla", "data:centre.xml", "--json"}, 2, "no admite --json"},
        StatusCase{"TemplateIntoNoFolder", {"plantilla", "data:centre.xml", "-o", "data:no-existe/niveles.csv"}, 1,
                   "no existe"}),
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

// Past the file-size limit (ulimit -f) a table's write fails: the command
// ends with the table layer's error and status 1, as the window reports it,
// instead of being killed by SIGXFSZ with the table half written and no word.
TEST(ExitStatusPastTheFileSizeLimit, IsOneWithTheTablesError)
{
    TempWinePrefix prefix;
    const cli::Result result = cli::run(
        {"exportar", cli::data("centre.xml"), "--niveles", cli::data("niveles.csv")}, QDir::currentPath(), [] {
            std::signal(SIGXFSZ, SIG_DFL); // as a shell starts a program
            const rlimit limit{1024, 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("transtarquoib-cli: ")) && result.err.contains(QStringLiteral(".DBF")))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(QStringLiteral("Proceso finalizado")));
}

} // namespace
