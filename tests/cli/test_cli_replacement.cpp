// What an import replaces: a re-import over tables the timetabling program
// has filled, a document of another centre and one that lacks most subjects
// each end with warnings that say what was lost and name the backup to undo
// it; a check says the same before anything is written.
#include "tests/cli/CliProcess.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/QStringPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString levels = cli::data(QStringLiteral("niveles.csv"));

QString centreText() { return QString::fromUtf8(readFileBytes(cli::data(QStringLiteral("centre.xml")))); }

struct ReplacementCase {
    const char *name;
    // After the first import: what the timetabling program did, and the
    // document of the second import.
    std::function<void()> afterFirstImport;
    std::function<QString(QString)> secondDocument;
    QString warning; // what one warning says of what the import replaces
};

class CliReplacement : public testing::TestWithParam<ReplacementCase> {};

TEST_P(CliReplacement, IsWarnedBeforeAndAfterNamingTheBackup)
{
    const ReplacementCase &c = GetParam();
    TempWinePrefix prefix;
    ASSERT_EQ(cli::run({"exportar", cli::data(QStringLiteral("centre.xml")), "--niveles", levels}).status, 0);
    if (c.afterFirstImport)
        c.afterFirstImport();
    const QString document = cli::writeFile(prefix.prefix() + QStringLiteral("/segundo.xml"),
                                            c.secondDocument(centreText()).toUtf8());

    const auto before = snapshotFolder(prefix.vtemp());
    const cli::Result check = cli::run({"comprobar", document, "--niveles", levels});
    EXPECT_EQ(check.status, 6) << check.out.toStdString() << check.err.toStdString();
    EXPECT_TRUE(check.out.contains(c.warning)) << check.out.toStdString();
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before) << "a check writes nothing";

    const cli::Result imported = cli::run({"exportar", document, "--niveles", levels, "--json"});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(QStringLiteral("Proceso finalizado con "))) << imported.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(imported.out.toUtf8()).object();
    const QString backup = report.value(QStringLiteral("resumen")).toObject().value(QStringLiteral("copia")).toString();
    ASSERT_TRUE(backup.startsWith(QStringLiteral("C:\\VTEMP\\Copias\\"))) << imported.out.toStdString();
    QStringList matching;
    for (const QJsonValue &warning : report.value(QStringLiteral("avisos")).toArray())
        if (warning.toString().contains(c.warning))
            matching << warning.toString();
    ASSERT_EQ(matching.size(), 1) << imported.out.toStdString();
    EXPECT_TRUE(matching.first().contains(backup)) << matching.first().toStdString();
    EXPECT_EQ(report.value(QStringLiteral("resumen"))
                  .toObject()
                  .value(QStringLiteral("cambios"))
                  .toObject()
                  .value(QStringLiteral("centroAnterior"))
                  .toString(),
              QStringLiteral("TEST01"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliReplacement,
    testing::Values(
        ReplacementCase{"days_and_hours_filled",
                        [] {
                            solucfixture::writeTable(solucfixture::diashorast(),
                                                     {solucfixture::diaHora(1, 1), solucfixture::diaHora(1, 2),
                                                      solucfixture::diaHora(2, 1)});
                        },
                        [](QString text) { return text; },
                        "DIASHORAST (días y horas) tenía 3 filas"},
        ReplacementCase{"another_centre", {},
                        [](QString text) { return text.replace("codi=\"TEST01\"", "codi=\"OTRO02\""); },
                        "eran de otro centro (TEST01; este documento es de OTRO02)"},
        ReplacementCase{"another_school_year", {},
                        [](QString text) { return text.replace("any=\"2026\"", "any=\"2027\""); },
                        "eran de otro curso escolar (2026; este documento es de 2027)"},
        ReplacementCase{"most_teaching_posts_missing", {},
                        [](QString text) {
                            return text.remove(QRegularExpression(QStringLiteral("<PLACA codi=\"800[12]\"[^>]*>")));
                        },
                        "PROFT (profesores) tenía 3 filas y ahora tiene 1, menos de la mitad"}),
    [](const testing::TestParamInfo<ReplacementCase> &info) { return std::string(info.param.name); });

// The first import into a folder, and one that replaces the same centre and
// school year as they were, warn of nothing they replace.
TEST(CliReplacement, SameCentreAgainWarnsOfNothingReplaced)
{
    TempWinePrefix prefix;
    const QStringList run = {"exportar", cli::data(QStringLiteral("centre.xml")), "--niveles", levels, "--json"};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject report = QJsonDocument::fromJson(cli::run(run).out.toUtf8()).object();
        for (const QJsonValue &warning : report.value(QStringLiteral("avisos")).toArray())
            EXPECT_FALSE(warning.toString().contains(QStringLiteral("tenía"))) << warning.toString().toStdString();
        EXPECT_EQ(report.value(QStringLiteral("resumen")).toObject().value(QStringLiteral("cambios")).isNull(), i == 0);
    }
}

// Teachers added, gone and renamed are told by their GestIB codes, the same
// by a check beforehand and by the import, in the text and in --json.
TEST(CliReplacement, TellsWhatChangedByCode)
{
    TempWinePrefix prefix;
    ASSERT_EQ(cli::run({"exportar", cli::data(QStringLiteral("centre.xml")), "--niveles", levels}).status, 0);
    QString text = centreText();
    text.replace(QStringLiteral("descripcio=\"Filosofia 1\""), QStringLiteral("descripcio=\"Filosofia I\""));
    text.replace(QStringLiteral("<PLACA codi=\"8001\" descripcio=\"Matemàtiques 1\" curta=\"MATES\"/>"),
                 QStringLiteral("<PLACA codi=\"8004\" descripcio=\"Música 1\" curta=\"MUS\"/>"));
    const QString document = cli::writeFile(prefix.prefix() + QStringLiteral("/segundo.xml"), text.toUtf8());

    for (const char *command : {"comprobar", "exportar"}) {
        SCOPED_TRACE(command);
        const cli::Result plain = cli::run({command, document, "--niveles", levels});
        for (const char *line : {"    PROFT (profesores): 1 nuevo, 1 desaparecido, 1 con otro nombre",
                                 "        + 8004 Música 1", "        - 8001 Matemàtiques 1",
                                 "        ~ 8003 Filosofia 1 → Filosofia I"})
            EXPECT_TRUE(plain.out.contains(QString::fromUtf8(line) + u'\n')) << line << "\n" << plain.out.toStdString();
        if (std::string(command) == "comprobar") {
            const cli::Result scripted = cli::run({command, document, "--niveles", levels, "--json"});
            const QJsonArray tables = QJsonDocument::fromJson(scripted.out.toUtf8())
                                          .object()
                                          .value(QStringLiteral("resumen"))
                                          .toObject()
                                          .value(QStringLiteral("cambios"))
                                          .toObject()
                                          .value(QStringLiteral("porTabla"))
                                          .toArray();
            ASSERT_EQ(tables.size(), 1) << scripted.out.toStdString();
            const QJsonObject proft = tables.first().toObject();
            EXPECT_EQ(proft.value(QStringLiteral("tabla")).toString(), QStringLiteral("PROFT"));
            EXPECT_EQ(proft.value(QStringLiteral("otroNombre")).toInt(), 1);
            EXPECT_EQ(proft.value(QStringLiteral("primerosOtroNombre")).toArray().first().toObject()
                          .value(QStringLiteral("nombreAnterior")).toString(),
                      QStringLiteral("Filosofia 1"));
        }
    }
}

// A working folder that was not there (a mistyped WINEPREFIX, another
// drive) is named where it was made, by the check and by the import.
TEST(CliReplacement, AWorkingFolderThatWasNotThereIsNamed)
{
    TempWinePrefix prefix(TempWinePrefix::WorkingFolder::Absent);
    const QString folder = prefix.driveC() + QStringLiteral("/VTEMP");
    const QString warning
        = QStringLiteral("La carpeta de trabajo no existía y se ha creado en %1: compruebe que es la que usa Velarix.")
              .arg(folder);
    const QStringList arguments = {cli::data(QStringLiteral("centre.xml")), "--niveles", levels};

    const cli::Result check = cli::run(QStringList{"comprobar"} + arguments);
    EXPECT_EQ(check.status, 6) << check.err.toStdString();
    EXPECT_TRUE(check.out.contains(warning)) << check.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder)) << "a check makes no folder";

    const cli::Result imported = cli::run(QStringList{"exportar"} + arguments);
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains(QStringLiteral("Aviso: ") + warning)) << imported.out.toStdString();
    EXPECT_FALSE(cli::run(QStringList{"exportar"} + arguments).out.contains(QStringLiteral("no existía")));
}

} // namespace
