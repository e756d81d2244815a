// The run summary as the user reads it in the details of "Proceso finalizado"
// and as the command line prints it.
#include "run/ExportSummary.h"
#include "run/ImportSummary.h"
#include "tests/support/QStringPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

ImportSummary smallImport()
{
    ImportSummary s;
    s.document = QStringLiteral("/centre.xml");
    s.tableRows = {{QStringLiteral("ASIGNOMT"), 3}, {QStringLiteral("AULAT"), 0}, {QStringLiteral("CURSOST2"), -1}};
    s.addShortCodeChanges(QStringLiteral("PROFT"), {{{}, QStringLiteral("RODRIGUEZ"), QStringLiteral("Rodriguez1")}});
    s.coursesWithoutLevel = {{QStringLiteral("103"), QStringLiteral("3r ESO")}};
    s.levelCollisions = {{{QStringLiteral("102"), QStringLiteral("1r ESO B")},
                          {QStringLiteral("101"), QStringLiteral("1r ESO A")},
                          QStringLiteral("ESO1")}};
    return s;
}

} // namespace

TEST(ImportSummary, DetailsNameEveryFigure)
{
    EXPECT_EQ(smallImport().lines(),
              (QStringList{
                  "Documento: /centre.xml",
                  "Filas de cada tabla:",
                  "    ASIGNOMT (asignaturas y actividades): 3",
                  "    AULAT (aulas): 0",
                  "    CURSOST2 (niveles y cursos guardados): no se ha podido leer",
                  "Líneas de asignaturas: no creadas (ASIGT queda vacía)",
                  "Abreviaturas distintas de su base: 1",
                  "    PROFT: RODRIGUEZ → Rodriguez1",
                  "Cursos sin NIVEL o sin CURSO: 1",
                  "    103 - 3r ESO",
                  "Cursos con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO: 1",
                  "    102 - 1r ESO B y 101 - 1r ESO A (ESO1)",
              }));
}

TEST(ImportSummary, JsonCarriesTheSameFigures)
{
    const QJsonObject json = smallImport().toJson();
    EXPECT_EQ(json.value("proceso").toString(), "exportar");
    EXPECT_EQ(json.value("filas").toObject().value("ASIGNOMT").toInt(-1), 3);
    EXPECT_EQ(json.value("filas").toObject().value("AULAT").toInt(-1), 0);
    EXPECT_TRUE(json.value("filas").toObject().value("CURSOST2").isNull()) << "unread, not zero";
    EXPECT_FALSE(json.value("lineasCreadas").toBool(true));
    EXPECT_EQ(json.value("abreviaturasCambiadas").toArray(),
              (QJsonArray{QJsonObject{{"tabla", "PROFT"}, {"base", "RODRIGUEZ"}, {"codigo", "Rodriguez1"}}}));
    EXPECT_EQ(json.value("cursosSinNivel").toArray(), (QJsonArray{QJsonObject{{"codi", "103"}, {"descripcio", "3r ESO"}}}));
    EXPECT_EQ(json.value("nivelesCoincidentes").toArray().at(0).toObject().value("prefijo").toString(), "ESO1");
}

// Long lists show their first twenty entries and how many more there are.
TEST(ImportSummary, LongListsAreCut)
{
    struct Case {
        const char *name;
        int changes;
        int shown;
        QString last;
    };
    const Case cases[] = {
        {"none", 0, 0, "Abreviaturas distintas de su base: 0"},
        {"twenty", 20, 20, "    PROFT: B20 → C20"},
        {"twenty-one", 21, 20, "    … y 1 más"},
        {"a hundred", 100, 20, "    … y 80 más"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ImportSummary s;
        QList<ShortCodeChange> changes;
        for (int i = 1; i <= c.changes; ++i)
            changes.append({{}, QStringLiteral("B%1").arg(i), QStringLiteral("C%1").arg(i)});
        s.addShortCodeChanges(QStringLiteral("PROFT"), changes);
        const QStringList lines = s.lines();
        const qsizetype header = lines.indexOf(QStringLiteral("Abreviaturas distintas de su base: %1").arg(c.changes));
        ASSERT_GE(header, 0);
        const qsizetype next = lines.indexOf(QStringLiteral("Cursos sin NIVEL o sin CURSO: 0"));
        EXPECT_EQ(lines.at(next - 1), c.last);
        EXPECT_EQ(lines.mid(header + 1, next - header - 1).filter(QStringLiteral("→")).size(), c.shown);
        EXPECT_EQ(s.toJson().value("abreviaturasCambiadas").toArray().size(), c.changes) << "JSON keeps them all";
    }
}

// Each session that a look-up cannot resolve counts once; its codes are
// listed once each, in the order they were met.
TEST(ExportSummary, CountsUnmatchedSessionsAndDistinctCodes)
{
    ExportSummary s;
    s.outputPath = QStringLiteral("/saga/SolucioHorari.xml");
    s.sessionsWritten = 7;
    s.sessionsSkipped = 2;
    s.noteUnmatched(ExportSummary::Lookup::Profesor, QStringLiteral("ZZZ"));
    s.noteUnmatched(ExportSummary::Lookup::Profesor, QStringLiteral("abc"));
    s.noteUnmatched(ExportSummary::Lookup::Profesor, QStringLiteral("ZZZ"));
    s.noteUnmatched(ExportSummary::Lookup::DiaHora, QStringLiteral("17"));

    EXPECT_EQ(s.lines(), (QStringList{
                             "Archivo: /saga/SolucioHorari.xml",
                             "Sesiones escritas: 7",
                             "Sesiones sin día (DIA 0), no exportadas: 2",
                             "Sesiones cuyo código no se ha encontrado (el atributo queda vacío):",
                             "    profesor (PROF en PROFT): 3; códigos (2): ZZZ, abc",
                             "    grupo (CODGRUPO en GRUPOST): 0",
                             "    día y hora (DIA y HORA en DIASHORAST): 1; códigos (1): 17",
                             "    aula (AULA en AULAT): 0",
                             "    asignatura (ASIG en ASIGNOMT): 0",
                         }));
    const QJsonObject json = s.toJson();
    EXPECT_EQ(json.value("proceso").toString(), "importar");
    EXPECT_EQ(json.value("sesionesEscritas").toInt(), 7);
    EXPECT_EQ(json.value("sesionesSinDia").toInt(), 2);
    const QJsonObject profesor = json.value("sinCorrespondencia").toObject().value("profesor").toObject();
    EXPECT_EQ(profesor.value("sesiones").toInt(), 3);
    EXPECT_EQ(profesor.value("codigos").toArray(), (QJsonArray{"ZZZ", "abc"}));
    EXPECT_EQ(json.value("sinCorrespondencia").toObject().keys(),
              (QStringList{"asignatura", "aula", "diaHora", "grupo", "profesor"}));
}
