// The summary of a centre import: its figures against what the tables hold,
// and the log that keeps it.
#include "run/MainFormState.h"
#include "run/RunLog.h"
#include "import/CentreImport.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/import/ImportFixture.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

using namespace centre_import;

namespace {

// Two subjects and two teachers whose short codes clash, no rooms at all, and
// three courses with a group each.
const QString centre = QStringLiteral(R"(<CENTRE>
<MATERIES>
<MATERIA codi="M1" curs="101" descripcio="Matemàtiques" curta="MAT"/>
<MATERIA codi="M2" curs="101" descripcio="Matemàtiques B" curta="mat"/>
<MATERIA codi="M3" curs="102" descripcio="Català" curta="CAT"/>
</MATERIES>
<ACTIVITATS><ACTIVITAT codi="A1" descripcio="Guàrdia" curta="GUA"/></ACTIVITATS>
<PLACES>
<PLACA codi="P1" descripcio="Matemàtiques 1" curta="RODRIGUEZ M"/>
<PLACA codi="P2" descripcio="Matemàtiques 2" curta="Rodriguez X"/>
<PLACA codi="P3" descripcio="Català" curta="PONS"/>
</PLACES>
<CURSOS>
<CURS codi="101" descripcio="1r ESO A"><GRUP codi="G1" nom="A"/></CURS>
<CURS codi="102" descripcio="1r ESO B"><GRUP codi="G2" nom="A"/></CURS>
<CURS codi="103" descripcio="3r ESO"><GRUP codi="G3" nom="A"/></CURS>
</CURSOS>
</CENTRE>)");

// The user gives the first two courses the same level and course, the third
// another one, and closes the dialog by its close box: with nothing blank the
// run goes on, and nothing is kept in CURSOST2.
void twoAlikeAndAThird(TControlCursos &dialog)
{
    TableDataSource &grid = dialog.wwDataSource1;
    for (int row : {0, 1, 2}) {
        grid.moveTo(row);
        grid.setText(QStringLiteral("NIVEL"), QStringLiteral("ESO"));
        grid.setText(QStringLiteral("CURSO"), row < 2 ? QStringLiteral("1") : QStringLiteral("3"));
    }
}

// Of the run above, in the order the user reads them.
const QStringList expectedWarnings = {
    "1 curso con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO que otro (véase la lista abajo): sus "
    "grupos reciben los mismos códigos; repita la importación y distinga sus NIVEL en el diálogo de niveles y cursos.",
    "ASIGNOMT (asignaturas y actividades): 1 abreviatura distinta de su base (véase «Abreviaturas distintas de su "
    "base»); para otras, cambie esos nombres cortos en GestIB y repita la importación.",
    "PROFT (profesores): 1 abreviatura distinta de su base (véase «Abreviaturas distintas de su base»); para otras, "
    "cambie esos nombres cortos en GestIB y repita la importación.",
    "GRUPOST (grupos): 1 abreviatura distinta de su base (véase «Abreviaturas distintas de su base»); para otras, dé "
    "a sus cursos NIVEL distintos en el diálogo de niveles y cursos y repita la importación.",
    "AULAT (aulas): 0, el documento no trae aulas; compruebe la exportación del centro en GestIB y repita la "
    "importación.",
};

struct LinesCase {
    const char *name;
    UserInteraction::Answer answer;
    bool created;
    int asigtRows;
};

void PrintTo(const LinesCase &c, std::ostream *os)
{
    *os << c.name;
}

class CentreImportRun {
protected:
    // Runs the import of `centre` with the dialog and question answered as above.
    void runImport(UserInteraction::Answer linesAnswer)
    {
        const QString path = prefix.prefix() + QStringLiteral("/centre.xml");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(centre.toUtf8());
        file.close();
        MainFormState form;
        ui = ScriptedInteraction();
        ui.fileChoices = {path};
        ui.cursosPasses = {twoAlikeAndAThird};
        ui.answers = {linesAnswer};
        BExportarClick(form, ui);
        ASSERT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado con 5 avisos")});
        ASSERT_TRUE(ui.importSummary.has_value());
    }

    TempWinePrefix prefix;
    ScriptedInteraction ui;
};

class ImportSummaryFigures : public CentreImportRun, public testing::TestWithParam<LinesCase> {};
class ImportLog : public CentreImportRun, public testing::Test {};

} // namespace

TEST_P(ImportSummaryFigures, MatchTheTables)
{
    const LinesCase &c = GetParam();
    runImport(c.answer);
    const ImportSummary &s = *ui.importSummary;

    QStringList tables;
    for (const ImportSummary::TableRows &t : s.tableRows) {
        tables << t.table;
        const int rows = QFile::exists(prefix.vtempFile(t.table + QStringLiteral(".DBF")))
                             ? static_cast<int>(fixture::readRows(prefix, t.table).size())
                             : 0;
        EXPECT_EQ(t.rows, rows) << t.table.toStdString();
    }
    EXPECT_EQ(tables, (QStringList{"ASIGNOMT", "PROFT", "AULAT", "CURSOST", "CURSOST2", "GRUPOST", "MATIB", "ASIGT",
                                   "DIASHORAST"}));
    EXPECT_EQ(s.rowsOf("ASIGNOMT"), 4);
    EXPECT_EQ(s.rowsOf("AULAT"), 0) << "the document has no rooms";
    EXPECT_EQ(s.rowsOf("CURSOST2"), 0) << "no dialog was confirmed";
    EXPECT_EQ(s.rowsOf("ASIGT"), c.asigtRows);
    EXPECT_EQ(s.subjectLinesCreated, c.created);

    QStringList changes;
    for (const ShortCodeChange &change : s.shortCodeChanges)
        changes << change.table + QLatin1Char(' ') + change.base + QLatin1Char(' ') + change.code;
    EXPECT_EQ(changes, (QStringList{"ASIGNOMT mat mat1", "PROFT Rodriguez Rodriguez1", "GRUPOST ESO1A ESO1A1"}));

    EXPECT_TRUE(s.coursesWithoutLevel.isEmpty());
    ASSERT_EQ(s.levelCollisions.size(), 1);
    EXPECT_EQ(s.levelCollisions[0].course.codi, "102");
    EXPECT_EQ(s.levelCollisions[0].earlier.codi, "101");
    EXPECT_EQ(s.levelCollisions[0].prefix, "ESO1");

    // What the user reads below "Proceso finalizado con 5 avisos": every
    // problem, each with what to do, before the figures.
    EXPECT_EQ(ui.summaryWarnings, expectedWarnings);
    QStringList firstLines;
    for (const QString &warning : expectedWarnings)
        firstLines << QStringLiteral("Aviso: ") + warning;
    firstLines << QStringLiteral("Documento: %1").arg(s.document);
    EXPECT_EQ(ui.summaryDetails.mid(0, firstLines.size()), firstLines);
    EXPECT_EQ(ui.summaryDetails.mid(firstLines.size() - 1), s.lines()) << "then the figures";
    EXPECT_EQ(ui.shown.back().icon, UserInteraction::Icon::Warning);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportSummaryFigures,
                         testing::Values(LinesCase{"lines_refused", UserInteraction::Answer::Cancel, false, 0},
                                         LinesCase{"lines_created", UserInteraction::Answer::Ok, true, 3}),
                         [](const testing::TestParamInfo<LinesCase> &info) { return std::string(info.param.name); });

// Two imports, two entries: the first stays as it was written.
TEST_F(ImportLog, KeepsEveryRun)
{
    runImport(UserInteraction::Answer::Cancel);
    QFile log(runLogPath(winpath::WorkingFolder()));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray first = log.readAll();
    log.close();

    runImport(UserInteraction::Answer::Ok);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray both = log.readAll();

    EXPECT_TRUE(both.startsWith(first));
    const QList<QByteArray> lines = both.split('\n');
    EXPECT_EQ(std::count_if(lines.cbegin(), lines.cend(),
                            [](const QByteArray &line) { return line.contains("Importación del centro desde GestIB"); }),
              2);
    EXPECT_TRUE(first.contains("Líneas de asignaturas: no creadas"));
    EXPECT_TRUE(both.mid(first.size()).contains("Líneas de asignaturas: creadas"));
    EXPECT_TRUE(first.contains("  AULAT (aulas): 0\r\n"));

    // The same warnings as the message, in the same order, right after the
    // entry's first line.
    const QList<QByteArray> firstLines = first.split('\n');
    ASSERT_GT(firstLines.size(), expectedWarnings.size());
    for (qsizetype i = 0; i < expectedWarnings.size(); ++i)
        EXPECT_EQ(QString::fromUtf8(firstLines.at(i + 1)), "  Aviso: " + expectedWarnings.at(i) + "\r");
}
