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

QString writeText(const QTemporaryDir &folder, const QString &name, const QByteArray &text)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
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
    ASSERT_EQ(check.status, 0) << check.err.toStdString();
    const QJsonObject tables = json(check).value(QStringLiteral("tablas")).toObject();
    ASSERT_EQ(tables.size(), 8);
    EXPECT_FALSE(QFile::exists(prefix.vtempFile(QStringLiteral("ASIGNOMT.DBF"))));

    ASSERT_EQ(cli::run({"exportar", centre, "--niveles", levels}).status, 0);
    for (const QString &table : tables.keys()) {
        const QJsonObject written = readWithPythonDbf(prefix.vtempFile(table + QStringLiteral(".DBF")));
        EXPECT_EQ(tables.value(table).toInt(-1), written.value(QStringLiteral("records")).toArray().size())
            << table.toStdString();
    }
}

TEST(CliCheck, NamesTheShortCodesThatWereNumbered)
{
    TempWinePrefix prefix;
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", levels, "--json"});
    ASSERT_EQ(check.status, 0) << check.err.toStdString();

    QStringList changes;
    for (const QJsonValue &change : json(check).value(QStringLiteral("codigosNumerados")).toArray()) {
        const QJsonObject c = change.toObject();
        changes << QStringList{c.value("tipo").toString(), c.value("codi").toString(), c.value("base").toString(),
                               c.value("codigo").toString()}
                       .join(' ');
    }
    EXPECT_EQ(changes, QStringList({"asignatura 9002 MAT MAT1", "profesor 8002 MATES MATES1"}));
}

TEST(CliCheck, FindsCoursesWithoutLevelAndLevelsAlikeInTheirFirstFiveCharacters)
{
    TempWinePrefix prefix;
    QTemporaryDir scratch;
    const QString alike = writeText(scratch, QStringLiteral("niveles.csv"), "101;BATXA1;1\n102;batxa2;2\n");
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", alike, "--json"});

    EXPECT_EQ(check.status, 3);
    const QJsonObject report = json(check);
    EXPECT_EQ(codes(report.value(QStringLiteral("cursosSinNivel")).toArray()), QStringList{"201"});
    const QJsonArray collisions = report.value(QStringLiteral("nivelesCoincidentes")).toArray();
    ASSERT_EQ(collisions.size(), 1);
    EXPECT_EQ(codes(collisions.at(0).toArray()), QStringList({"101", "102"}));
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
                              {"3", "1", "FILO", "XX", "YY", "ZZ", "GUARDIA"},
                              {"0", "1", "FANTASMA", "", "", "", ""}});
    const cli::Result check = cli::run({"comprobar", centre, "--niveles", levels, "--json", "--solucion",
                                        prefix.vtempFile(QStringLiteral("SOLUC.DBF"))});
    ASSERT_EQ(check.status, 0) << check.err.toStdString();

    QStringList absent;
    for (const QJsonValue &code : json(check).value(QStringLiteral("codigosAusentes")).toArray()) {
        const QJsonObject c = code.toObject();
        absent << QStringLiteral("%1 %2 %3").arg(c.value("campo").toString(), c.value("codigo").toString())
                      .arg(c.value("sesiones").toInt());
    }
    EXPECT_EQ(absent, QStringList({"PROF NINGU 2", "CODGRUPO ESO9Z 1", "ASIG QUI 1"}));
}
