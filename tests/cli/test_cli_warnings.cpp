// The warnings of a run on the command line: the same, in the same order, in
// the log of the working folder, in --json's "avisos" and first in the text
// output, and counted in the message on standard error.
#include "tests/cli/CliProcess.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <functional>

namespace {

const QString centre = cli::data(QStringLiteral("centre.xml"));
const QString levels = cli::data(QStringLiteral("niveles.csv"));

QJsonObject json(const cli::Result &result)
{
    const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8());
    if (!document.isObject())
        ADD_FAILURE() << "not JSON: " << result.out.toStdString() << result.err.toStdString();
    return document.object();
}

QStringList strings(const QJsonArray &array)
{
    QStringList out;
    for (const QJsonValue &value : array)
        out << value.toString();
    return out;
}

// The warnings of the log's latest entry, as it wrote them.
QStringList loggedWarnings(const TempWinePrefix &prefix)
{
    QFile log(prefix.vtempFile(QStringLiteral("TransTarquoIB.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {QStringLiteral("no log")};
    const QString text = QString::fromUtf8(log.readAll());
    const QStringList entries = text.split(QStringLiteral("\r\n\r\n"), Qt::SkipEmptyParts);
    QStringList warnings;
    for (const QString &line : entries.constLast().split(QStringLiteral("\r\n")))
        if (line.startsWith(QStringLiteral("  Aviso: ")))
            warnings << line.mid(9);
    return warnings;
}

// The lines of the text output that come before the figures.
QStringList printedWarnings(const cli::Result &result)
{
    QStringList warnings;
    for (const QString &line : result.out.split(u'\n')) {
        if (!line.startsWith(QStringLiteral("Aviso: ")))
            break;
        warnings << line.mid(7);
    }
    return warnings;
}

struct RunCase {
    const char *name;
    QStringList arguments;
    std::function<void()> prepare;
    int warnings;
    QString message;
};

void placedWithUnknownCodes()
{
    solucfixture::School school = solucfixture::smallSchool();
    school.soluc = {{"1", "1", "ABC", "1ESO-A", "A01", "MAT1", ""},
                    {"1", "2", "QQQ", "9ESO-Z", "A01", "MAT1", ""},
                    {"2", "2", "QQQ", "1ESO-A", "A01", "FIS9", ""}};
    solucfixture::writeSchool(school);
}

class CliWarnings : public testing::TestWithParam<RunCase> {};

} // namespace

TEST_P(CliWarnings, AreTheLogsInTheSameOrder)
{
    const RunCase &c = GetParam();
    TempWinePrefix prefix;
    QTemporaryDir output;
    if (c.prepare)
        c.prepare();
    QStringList arguments = c.arguments;
    arguments.replaceInStrings(QStringLiteral("OUTPUT"), output.path());

    const cli::Result text = cli::run(arguments);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    const QStringList logged = loggedWarnings(prefix);
    EXPECT_EQ(logged.size(), c.warnings) << logged.join(u'\n').toStdString();
    EXPECT_EQ(printedWarnings(text), logged);
    EXPECT_TRUE(text.err.contains(c.message + u'\n')) << text.err.toStdString();

    const cli::Result scripted = cli::run(arguments + QStringList{QStringLiteral("--json")});
    ASSERT_EQ(scripted.status, 0) << scripted.err.toStdString();
    const QJsonObject report = json(scripted);
    EXPECT_EQ(strings(report.value(QStringLiteral("avisos")).toArray()), loggedWarnings(prefix));
    for (const char *key : {"orden", "estado", "cursosSinNivel", "resumen"})
        EXPECT_TRUE(report.contains(QLatin1String(key))) << key;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CliWarnings,
    testing::Values(RunCase{"import_with_changed_short_codes",
                            {"exportar", centre, "--niveles", levels},
                            {},
                            2,
                            "Proceso finalizado con 2 avisos"},
                    RunCase{"export_with_unknown_codes",
                            {"importar", "OUTPUT"},
                            placedWithUnknownCodes,
                            3,
                            "Proceso finalizado con 3 avisos"},
                    RunCase{"clean_export",
                            {"importar", "OUTPUT"},
                            [] { solucfixture::writeSchool(solucfixture::oneClassSchool()); },
                            0,
                            "Proceso finalizado"}),
    [](const testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });

// A check against a solution warns of the import's problems and then of the
// solution's codes that no table would hold, look-up by look-up; not of days
// and hours, which the timetabling program fills only after an import.
TEST(CliWarnings, CheckAddsTheSolutionsCodes)
{
    TempWinePrefix prefix;
    solucfixture::writeTable(solucfixture::soluc(), {{"1", "1", "MATES", "ESO1A", "Aula 1", "MAT", ""},
                                                     {"1", "2", "NINGU", "ESO9Z", "Laboratori", "QUI", ""}});
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", levels, "--json", "--solucion",
                                        prefix.vtempFile(QStringLiteral("SOLUC.DBF"))});
    EXPECT_EQ(check.status, 6) << check.err.toStdString();

    const QStringList warnings = strings(json(check).value(QStringLiteral("avisos")).toArray());
    ASSERT_EQ(warnings.size(), 5) << warnings.join(u'\n').toStdString();
    EXPECT_TRUE(warnings.at(0).startsWith(QStringLiteral("ASIGNOMT (asignaturas y actividades): 1 abreviatura")));
    EXPECT_TRUE(warnings.at(1).startsWith(QStringLiteral("PROFT (profesores): 1 abreviatura")));
    EXPECT_TRUE(warnings.at(2).startsWith(QStringLiteral("1 sesión cuyo profesor (PROF) no está en PROFT")));
    EXPECT_TRUE(warnings.at(3).startsWith(QStringLiteral("1 sesión cuyo grupo (CODGRUPO) no está en GRUPOST")));
    EXPECT_TRUE(warnings.at(4).startsWith(QStringLiteral("1 sesión cuya asignatura (ASIG) no está en ASIGNOMT")));
}

// Levels typed in lower case are used as typed, and warned of by the line
// that gives them, in the text and in --json's "avisos", after the run's own.
TEST(CliWarnings, LowerCaseLevels)
{
    TempWinePrefix prefix;
    const QString typed = cli::writeFile(prefix.prefix() + QStringLiteral("/niveles.csv"),
                                         "CODI;NIVEL;CURSO\n101;eso;1\n102;ESO;2\n201;Batx;1\n");
    const QStringList expected{
        typed + QStringLiteral(", línea 2: el nivel «eso» del curso 101 lleva minúsculas; en GestIB los niveles se "
                               "escriben en mayúsculas, y los códigos de los grupos llevan el nivel tal como está escrito"),
        typed + QStringLiteral(", línea 4: el nivel «Batx» del curso 201 lleva minúsculas; en GestIB los niveles se "
                               "escriben en mayúsculas, y los códigos de los grupos llevan el nivel tal como está escrito")};

    const cli::Result text = cli::run({"exportar", centre, "--niveles", typed});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    for (const QString &warning : expected)
        EXPECT_TRUE(text.out.contains(QStringLiteral("Aviso: ") + warning + u'\n')) << text.out.toStdString();
    EXPECT_TRUE(cli::snapshot(prefix.vtemp()).value(QStringLiteral("GRUPOST.DBF")).contains("eso1A"))
        << "the level as typed";

    const cli::Result scripted = cli::run({"exportar", centre, "--niveles", typed, "--json"});
    ASSERT_EQ(scripted.status, 0) << scripted.err.toStdString();
    const QStringList warnings = strings(json(scripted).value(QStringLiteral("avisos")).toArray());
    EXPECT_EQ(warnings.mid(warnings.size() - 2), expected);
    EXPECT_EQ(warnings.size(), 4) << "after the run's own two";
}
