#include "tests/cli/CliProcess.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

const QString centre = cli::data(QStringLiteral("centre.xml"));
const QString levels = cli::data(QStringLiteral("niveles.csv"));

QJsonObject json(const cli::Result &result)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        ADD_FAILURE() << "not JSON: " << result.out.toStdString() << result.err.toStdString();
    return document.object();
}

// "codi" of each course of a JSON list.
QStringList codes(const QJsonArray &courses)
{
    QStringList out;
    for (const QJsonValue &course : courses)
        out << course.toObject().value(QStringLiteral("codi")).toString();
    return out;
}

} // namespace

TEST(CliCheck, TouchesNoFileOfTheWorkingFolder)
{
    TempWinePrefix prefix;
    ASSERT_EQ(cli::run({"exportar", centre, "--niveles", levels}).status, 0);
    const QMap<QString, QByteArray> before = cli::snapshot(prefix.vtemp());

    const QList<QStringList> checks = {
        {"comprobar", centre},
        {"comprobar", centre, "--no-recuperar"},
        {"comprobar", centre, "--niveles", cli::data(QStringLiteral("niveles-falta-201.csv")), "--no-recuperar"},
    };
    for (const QStringList &check : checks) {
        const cli::Result result = cli::run(check);
        EXPECT_NE(result.status, 1) << check.join(' ').toStdString() << result.err.toStdString();
        EXPECT_EQ(cli::snapshot(prefix.vtemp()), before) << check.join(' ').toStdString();
    }
}

TEST(CliCheck, CountsWhatTheImportThenWrites)
{
    TempWinePrefix prefix;
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", levels, "--json"});
    ASSERT_EQ(check.status, 6) << check.err.toStdString(); // two short codes differ from their base
    const QJsonObject tables =
        json(check).value(QStringLiteral("resumen")).toObject().value(QStringLiteral("filas")).toObject();
    ASSERT_EQ(tables.size(), 9);
    EXPECT_FALSE(QFile::exists(prefix.vtempFile(QStringLiteral("ASIGNOMT.DBF"))));

    ASSERT_EQ(cli::run({"exportar", centre, "--niveles", levels}).status, 0);
    for (const QString &table : tables.keys()) {
        const QJsonObject written = readWithPythonDbf(prefix.vtempFile(table + QStringLiteral(".DBF")));
        EXPECT_EQ(tables.value(table).toInt(-1), written.value(QStringLiteral("records")).toArray().size())
            << table.toStdString();
    }
}

// "tabla base codigo" of each short code that differs from its base.
QStringList changedCodes(const QJsonObject &report)
{
    QStringList changes;
    const QJsonObject summary = report.value(QStringLiteral("resumen")).toObject();
    for (const QJsonValue &change : summary.value(QStringLiteral("abreviaturasCambiadas")).toArray()) {
        const QJsonObject c = change.toObject();
        changes << QStringList{c.value("tabla").toString(), c.value("base").toString(), c.value("codigo").toString()}
                       .join(' ');
    }
    return changes;
}

TEST(CliCheck, NamesTheShortCodesThatDifferFromTheirBase)
{
    TempWinePrefix prefix;
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", levels, "--json"});
    ASSERT_EQ(check.status, 6) << check.err.toStdString();
    EXPECT_EQ(changedCodes(json(check)), QStringList({"ASIGNOMT MAT MAT1", "PROFT MATES MATES1"}));
}

// Two courses with the same first five characters of their level and first
// two of their course number give their groups the same start of their
// codes: the later course's group is numbered.
TEST(CliCheck, FindsLevelsAlikeInTheirFirstFiveCharacters)
{
    TempWinePrefix prefix;
    QTemporaryDir scratch;
    const QString alike = cli::writeFile(scratch.filePath(QStringLiteral("niveles.csv")), "101;BATXA;1\n102;BATXA;1\n201;BATX;1\n");
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", alike, "--json"});
    ASSERT_EQ(check.status, 6) << check.err.toStdString();

    const QJsonObject report = json(check);
    const QJsonArray collisions =
        report.value(QStringLiteral("resumen")).toObject().value(QStringLiteral("nivelesCoincidentes")).toArray();
    ASSERT_EQ(collisions.size(), 1);
    EXPECT_EQ(collisions.at(0).toObject().value("curso").toObject().value("codi").toString(), QStringLiteral("102"));
    EXPECT_EQ(collisions.at(0).toObject().value("anterior").toObject().value("codi").toString(), QStringLiteral("101"));
    EXPECT_TRUE(changedCodes(report).contains(QStringLiteral("GRUPOST BATXA1A BATXA1A1"))) << changedCodes(report).join(',').toStdString();
}

TEST(CliCheck, ListsTheCoursesWithoutLevel)
{
    TempWinePrefix prefix;
    const cli::Result check =
        cli::run({"comprobar", centre, "--niveles", cli::data(QStringLiteral("niveles-falta-201.csv")), "--json"});
    EXPECT_EQ(check.status, 3);
    EXPECT_EQ(codes(json(check).value(QStringLiteral("cursosSinNivel")).toArray()), QStringList{"201"});
    EXPECT_TRUE(check.err.contains(QStringLiteral("201\t1r Batxillerat"))) << check.err.toStdString();
}

TEST(CliCheck, NamesTheSolutionsCodesThatNoTableHolds)
{
    TempWinePrefix prefix;
    // Known: teachers MATES, MATES1, FILO; groups ESO1A, ESO1B, ESO2A, BATX1A;
    // rooms "Aula 1", Laboratori; subjects MAT, MAT1, FIL.
    solucfixture::writeTable(solucfixture::soluc(),
                             {{"1", "1", "MATES", "ESO1A", "Aula 1", "MAT", ""},
                              {"1", "2", "NINGU", "ESO9Z", "Laboratori", "QUI", ""},
                              {"2", "2", "NINGU", "ESO1B", "", "MAT1", ""},
                              {"0", "1", "FANTASMA", "", "", "", ""}});
    const QMap<QString, QByteArray> before = cli::snapshot(prefix.vtemp());
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", levels, "--json", "--solucion",
                                        prefix.vtempFile(QStringLiteral("SOLUC.DBF"))});
    ASSERT_EQ(check.status, 6) << check.err.toStdString();
    EXPECT_EQ(cli::snapshot(prefix.vtemp()), before);

    QStringList unmatched;
    const QJsonObject lookups = json(check).value(QStringLiteral("sinCorrespondencia")).toObject();
    for (const QString &lookup : lookups.keys()) {
        const QJsonObject l = lookups.value(lookup).toObject();
        QStringList codes;
        for (const QJsonValue &code : l.value("codigos").toArray())
            codes << code.toString();
        unmatched << QStringLiteral("%1 %2 %3").arg(lookup).arg(l.value("sesiones").toInt()).arg(codes.join(','));
    }
    EXPECT_EQ(unmatched, QStringList({"asignatura 1 QUI", "aula 0 ", "grupo 1 ESO9Z", "profesor 2 NINGU"}));
}

// A check writes only into a folder it throws away: nothing it prints may
// read as a finished import, with or without a solution to look up.
TEST(CliCheck, NeverSpeaksOfAFinishedImport)
{
    TempWinePrefix prefix;
    const QString clean = cli::data(QStringLiteral("centre-sin-avisos.xml"));
    solucfixture::writeTable(solucfixture::soluc(), {{"1", "1", "MATES", "ESO1A", "Aula 1", "MAT1E", ""}});
    const QString solution = prefix.vtempFile(QStringLiteral("SOLUC.DBF"));
    const struct {
        QStringList arguments;
        const char *saying;
    } checks[] = {
        {{"comprobar", clean, "--niveles", levels}, "Líneas de asignaturas: se crearían"},
        {{"comprobar", clean, "--niveles", levels, "--sin-lineas"}, "no se crearían (ASIGT quedaría vacía)"},
        {{"comprobar", clean, "--niveles", levels, "--solucion", solution}, "Comprobación sin avisos"},
    };
    for (const auto &check : checks) {
        const cli::Result result = cli::run(check.arguments);
        const std::string shown = result.err.toStdString() + result.out.toStdString();
        EXPECT_EQ(result.status, 0) << shown;
        EXPECT_TRUE(result.out.contains(QString::fromUtf8(check.saying))) << shown;
        for (const char *finished : {"Proceso finalizado", "creadas", "Tablas terminadas"})
            EXPECT_FALSE((result.out + result.err).contains(QLatin1String(finished))) << finished << "\n" << shown;
    }
}

// Each kind of warning makes the status 6 (the clean document with niveles.csv gives 0).
TEST(CliCheck, IsSixForEachKindOfWarning)
{
    TempWinePrefix prefix;
    const QString clean = cli::data(QStringLiteral("centre-sin-avisos.xml"));
    QTemporaryDir scratch;
    const QString alike = cli::writeFile(scratch.filePath(QStringLiteral("alike.csv")), "101;BATXA;1\n102;BATXA;1\n201;BATX;2\n");
    const QString unknown = cli::writeFile(scratch.filePath(QStringLiteral("unknown.csv")),
                                           "CODI;NIVEL;CURSO\n101;ESO;1\n102;ESO;2\n201;BATX;1\n999;ESO;4\n");
    solucfixture::writeTable(solucfixture::soluc(), {{"1", "1", "NINGU", "ESO1A", "Aula 1", "MAT1E", ""}});
    const QString solution = prefix.vtempFile(QStringLiteral("SOLUC.DBF"));
    const struct {
        const char *kind;
        QStringList arguments;
    } cases[] = {
        {"short codes changed", {"comprobar", centre, "--niveles", levels}},
        {"levels alike", {"comprobar", clean, "--niveles", alike}},
        {"a course the document lacks", {"comprobar", clean, "--niveles", unknown}},
        {"a solution's code no table holds", {"comprobar", clean, "--niveles", levels, "--solucion", solution}},
    };
    for (const auto &c : cases) {
        const cli::Result result = cli::run(c.arguments);
        EXPECT_EQ(result.status, 6) << c.kind << "\n" << result.err.toStdString();
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("Comprobación con avisos"))) << c.kind;
    }
}

// A code of the levels file that the document does not have is passed over
// with a warning naming its line, by the import and by the check alike.
TEST(CliCheck, WarnsOfALevelsFileCourseTheDocumentLacks)
{
    TempWinePrefix prefix;
    const QString clean = cli::data(QStringLiteral("centre-sin-avisos.xml"));
    QTemporaryDir scratch;
    const QString file = cli::writeFile(scratch.filePath(QStringLiteral("niveles.csv")),
                                        "CODI;NIVEL;CURSO\n101;ESO;1\n999;ESO;4\n102;ESO;2\n201;BATX;1\n1010;ESO;1\n");
    const QString warning = QStringLiteral("Aviso: %1, línea 3: el documento no tiene el curso 999").arg(file);

    const cli::Result check = cli::run({"comprobar", clean, "--niveles", file, "--json"});
    EXPECT_EQ(check.status, 6);
    EXPECT_TRUE(check.err.contains(warning)) << check.err.toStdString();
    EXPECT_TRUE(check.err.contains(QStringLiteral("línea 6: el documento no tiene el curso 1010"))) << check.err.toStdString();
    const QJsonArray unknown = json(check).value(QStringLiteral("cursosDesconocidos")).toArray();
    ASSERT_EQ(unknown.size(), 2);
    EXPECT_EQ(unknown.at(0).toObject(), QJsonObject({{"codi", "999"}, {"linea", 3}}));
    EXPECT_EQ(unknown.at(1).toObject(), QJsonObject({{"codi", "1010"}, {"linea", 6}}));

    const cli::Result import = cli::run({"exportar", clean, "--niveles", file});
    EXPECT_EQ(import.status, 0) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains(warning)) << import.err.toStdString();
}
