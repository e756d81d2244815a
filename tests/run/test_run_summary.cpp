// The run summary as the user reads it in the details of "Proceso finalizado"
// and as the command line prints it.
#include "export/ExportSummary.h"
#include "import/ImportSummary.h"
#include "tests/support/QStringPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>

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

namespace {

// A centre import that wrote something into every table and met no problem.
ImportSummary cleanImport()
{
    ImportSummary s;
    s.document = QStringLiteral("C:\\saga\\centre.xml");
    for (const char *table : {"ASIGNOMT", "PROFT", "AULAT", "CURSOST", "CURSOST2", "GRUPOST", "MATIB", "ASIGT"})
        s.tableRows.append({QLatin1String(table), 2});
    s.tableRows.append({QStringLiteral("DIASHORAST"), 0}); // always created empty
    s.subjectLinesCreated = true;
    return s;
}

ExportSummary cleanExport()
{
    ExportSummary s;
    s.outputPath = QStringLiteral("C:\\saga\\SolucioHorari.xml");
    s.sessionsWritten = 12;
    return s;
}

void setRows(ImportSummary &s, const QString &table, int rows)
{
    for (ImportSummary::TableRows &t : s.tableRows)
        if (t.table == table)
            t.rows = rows;
}

CourseRef course(int codi)
{
    return {QString::number(codi), QStringLiteral("%1r ESO").arg(codi % 10)};
}

struct WarningCase {
    const char *name;
    std::function<std::unique_ptr<RunSummary>()> summary;
    QString message;
    QStringList warnings; // each begins as the user reads it
};

template <typename Summary>
std::function<std::unique_ptr<RunSummary>()> made(Summary (*clean)(), std::function<void(Summary &)> change)
{
    return [clean, change] {
        auto s = std::make_unique<Summary>(clean());
        change(*s);
        return std::unique_ptr<RunSummary>(std::move(s));
    };
}

const WarningCase warningCases[] = {
    {"clean import", made<ImportSummary>(cleanImport, [](ImportSummary &) {}), "Proceso finalizado", {}},
    {"clean export", made<ExportSummary>(cleanExport, [](ExportSummary &) {}), "Proceso finalizado", {}},
    {"unplaced sessions are no warning", made<ExportSummary>(cleanExport, [](ExportSummary &s) { s.sessionsSkipped = 3; }),
     "Proceso finalizado", {}},
    {"one course without level",
     made<ImportSummary>(cleanImport, [](ImportSummary &s) { s.coursesWithoutLevel = {course(101)}; }),
     "Proceso finalizado con 1 aviso", {"1 curso sin NIVEL o sin CURSO (véase la lista abajo): repita la importación"}},
    {"eight courses without level",
     made<ImportSummary>(cleanImport,
                         [](ImportSummary &s) {
                             for (int c = 101; c <= 108; ++c)
                                 s.coursesWithoutLevel << course(c);
                         }),
     "Proceso finalizado con 1 aviso", {"8 cursos sin NIVEL o sin CURSO (véase la lista abajo)"}},
    {"levels that collide",
     made<ImportSummary>(cleanImport,
                         [](ImportSummary &s) {
                             s.levelCollisions = {{course(102), course(101), QStringLiteral("BACHI1")},
                                                  {course(103), course(101), QStringLiteral("BACHI1")}};
                         }),
     "Proceso finalizado con 1 aviso",
     {"2 cursos con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO que otro (véase la lista abajo): sus "
      "grupos reciben los mismos códigos"}},
    {"short codes changed in two tables",
     made<ImportSummary>(cleanImport,
                         [](ImportSummary &s) {
                             s.addShortCodeChanges(QStringLiteral("PROFT"), {{{}, "PONS", "PONS1"}});
                             s.addShortCodeChanges(QStringLiteral("GRUPOST"),
                                                   {{{}, "BACHI1A", "BACHI1A1"}, {{}, "BACHI1B", "BACHI1B1"}});
                         }),
     "Proceso finalizado con 2 avisos",
     {"PROFT (profesores): 1 abreviatura distinta de su base (véase «Abreviaturas distintas de su base»); para "
      "otras, cambie esos nombres cortos en GestIB",
      "GRUPOST (grupos): 2 abreviaturas distintas de su base (véase «Abreviaturas distintas de su base»); para "
      "otras, dé a sus cursos NIVEL distintos"}},
    {"no rooms", made<ImportSummary>(cleanImport, [](ImportSummary &s) { setRows(s, "AULAT", 0); }),
     "Proceso finalizado con 1 aviso",
     {"AULAT (aulas): 0, el documento no trae aulas; compruebe la exportación del centro en GestIB"}},
    {"no subjects or activities, teachers, courses or groups",
     made<ImportSummary>(cleanImport,
                         [](ImportSummary &s) {
                             for (const char *table : {"ASIGNOMT", "PROFT", "CURSOST", "GRUPOST", "MATIB", "ASIGT"})
                                 setRows(s, QLatin1String(table), 0);
                         }),
     "Proceso finalizado con 4 avisos",
     {"ASIGNOMT (asignaturas y actividades): 0, el documento no trae ni asignaturas ni actividades;",
      "PROFT (profesores): 0, el documento no trae profesores;", "CURSOST (cursos): 0, el documento no trae cursos;",
      "GRUPOST (grupos): 0, el documento no trae grupos;"}},
    {"a table that could not be read back is not empty",
     made<ImportSummary>(cleanImport, [](ImportSummary &s) { setRows(s, "AULAT", -1); }), "Proceso finalizado", {}},
    {"every kind of import warning, in this order",
     made<ImportSummary>(cleanImport,
                         [](ImportSummary &s) {
                             setRows(s, "AULAT", 0);
                             s.addShortCodeChanges(QStringLiteral("ASIGNOMT"), {{{}, "MAT", "MAT1"}});
                             s.levelCollisions = {{course(102), course(101), QStringLiteral("ESO1")}};
                             s.coursesWithoutLevel = {course(103)};
                         }),
     "Proceso finalizado con 4 avisos",
     {"1 curso sin NIVEL", "1 curso con los mismos", "ASIGNOMT (asignaturas y actividades): 1 abreviatura",
      "AULAT (aulas): 0"}},
    {"one teacher not found",
     made<ExportSummary>(cleanExport,
                         [](ExportSummary &s) { s.noteUnmatched(ExportSummary::Lookup::Profesor, "QQQ"); }),
     "Proceso finalizado con 1 aviso",
     {"1 sesión cuyo profesor (PROF) no está en PROFT (véase la lista abajo): «placa» queda vacío; corrija esos "
      "códigos en el programa de horarios, o repita la importación del centro, y exporte de nuevo."}},
    {"sessions not found by each look-up, in the order of the attributes",
     made<ExportSummary>(cleanExport,
                         [](ExportSummary &s) {
                             using L = ExportSummary::Lookup;
                             for (const L lookup : {L::Asignatura, L::Aula, L::DiaHora, L::Grupo, L::Grupo})
                                 s.noteUnmatched(lookup, "X");
                         }),
     "Proceso finalizado con 4 avisos",
     {"2 sesiones cuyo grupo (CODGRUPO) no está en GRUPOST (véase la lista abajo): «curs» y «grup» quedan vacíos;",
      "1 sesión cuyo día y hora (DIA y HORA) no están en DIASHORAST (véase la lista abajo): «dia», «hora» y «durada» "
      "quedan vacíos; complete los días y horas (DIASHORAST) en el programa de horarios y exporte de nuevo.",
      "1 sesión cuya aula (AULA) no está en AULAT (véase la lista abajo): «aula» queda vacío;",
      "1 sesión cuya asignatura (ASIG) no está en ASIGNOMT (véase la lista abajo): «materia» queda vacío;"}},
    {"no session written over an earlier timetable",
     made<ExportSummary>(cleanExport,
                         [](ExportSummary &s) {
                             s.sessionsWritten = 0;
                             s.earlierSessions = 1;
                         }),
     "Proceso finalizado con 1 aviso",
     {"No se ha escrito ninguna sesión y el SolucioHorari.xml anterior, que tenía 1 sesión, se ha sustituido"}},
    {"no session written, none before", made<ExportSummary>(cleanExport, [](ExportSummary &s) { s.sessionsWritten = 0; }),
     "Proceso finalizado", {}},
};

class SummaryWarnings : public testing::TestWithParam<WarningCase> {};

} // namespace

// The message that ends the run, and the details: a clean run's details are
// its figures alone; warnings, one line each, come before them.
TEST_P(SummaryWarnings, ComeFirstAndAreCounted)
{
    const WarningCase &c = GetParam();
    const std::unique_ptr<RunSummary> summary = c.summary();
    const QStringList warnings = summary->warnings();

    EXPECT_EQ(summary->finishedText(), c.message);
    ASSERT_EQ(warnings.size(), c.warnings.size()) << warnings.join(u'\n').toStdString();
    const QStringList details = summary->details();
    for (qsizetype i = 0; i < warnings.size(); ++i) {
        EXPECT_TRUE(warnings.at(i).startsWith(c.warnings.at(i))) << warnings.at(i).toStdString();
        EXPECT_FALSE(warnings.at(i).contains(u'\n')) << "one line each";
        EXPECT_TRUE(warnings.at(i).endsWith(u'.'));
        EXPECT_EQ(details.at(i), QStringLiteral("Aviso: ") + warnings.at(i));
    }
    EXPECT_EQ(details.mid(warnings.size()), summary->lines());
}

INSTANTIATE_TEST_SUITE_P(Cases, SummaryWarnings, testing::ValuesIn(warningCases),
                         [](const testing::TestParamInfo<WarningCase> &info) {
                             std::string name = info.param.name;
                             std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
                             return name;
                         });

// Scripts get the same warnings as the export's look-ups give them.
TEST(ExportSummary, JsonNamesEachLookupsWarning)
{
    ExportSummary s = cleanExport();
    s.noteUnmatched(ExportSummary::Lookup::Aula, QStringLiteral("B99"));
    const QJsonObject lookups = s.toJson().value("sinCorrespondencia").toObject();
    EXPECT_EQ(lookups.value("aula").toObject().value("aviso").toString(), s.warnings().value(0));
    EXPECT_FALSE(lookups.value("profesor").toObject().contains("aviso")) << "a look-up that found everything";
}
