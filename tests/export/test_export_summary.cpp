// The summary of a timetable export: where the document went, the sessions
// written and skipped, and the codes no look-up could resolve.
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "tests/export/ExportFolder.h"
#include "tests/export/SolucFixture.h"
#include "tests/export/XmlTree.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace timetable_export;

namespace {

using Lookup = ExportSummary::Lookup;

struct UnmatchedCase {
    const char *name;
    Lookup lookup;
    QStringList codes;
};

} // namespace

// Against the small school: one session resolves fully, each look-up fails
// once for a code of its own (the teacher twice), a session without a room
// names none on purpose, and a session without a day is skipped.
TEST(ExportSummary, NamesEveryLookupThatFoundNothing)
{
    ExportFolder folder;
    solucfixture::School school = solucfixture::smallSchool();
    school.soluc = {
        {"1", "2", "ABC", "1ESO-A", "A01", "MAT1", ""},  // all found
        {"1", "3", "QQQ", "1ESO-A", "A01", "MAT1", ""},  // teacher
        {"2", "1", "QQQ", "1ESO-A", "A01", "MAT1", ""},  // the same teacher again
        {"2", "2", "ABC", "9ESO-Z", "A01", "MAT1", ""},  // group
        {"6", "1", "ABC", "1ESO-A", "A01", "MAT1", ""},  // day 6 has no periods
        {"3", "1", "ABC", "1ESO-A", "B99", "MAT1", ""},  // room
        {"3", "2", "ABC", "1ESO-A", "A01", "FIS9", ""},  // subject
        {"3", "3", "ABC", "1ESO-A", "", "MAT1", ""},     // no room at all
        {"0", "1", "XXX", "XXX", "XXX", "XXX", ""},      // not placed
    };
    solucfixture::writeSchool(school);
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {folder.chosenFile()};

    BImportarClick(form, ui);

    ASSERT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado con 5 avisos")}) << "one per look-up";
    ASSERT_TRUE(ui.exportSummary.has_value());
    const ExportSummary &s = *ui.exportSummary;
    EXPECT_EQ(s.outputPath, QStringLiteral("C:\\VTEMP\\saga\\SolucioHorari.xml"));
    EXPECT_EQ(s.sessionsWritten, 8);
    EXPECT_EQ(s.sessionsSkipped, 1);
    const QJsonArray sessios =
        xmltree::read(folder.output()).value("children")[0].toObject().value("children").toArray();
    EXPECT_EQ(sessios.size(), s.sessionsWritten) << "as many as the document holds";

    const UnmatchedCase cases[] = {
        {"teacher", Lookup::Profesor, {"QQQ"}},
        {"group", Lookup::Grupo, {"9ESO-Z"}},
        {"day and period", Lookup::DiaHora, {"61"}},
        {"room", Lookup::Aula, {"B99"}},
        {"subject", Lookup::Asignatura, {"FIS9"}},
    };
    for (const UnmatchedCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(s.unmatchedOf(c.lookup).codes, c.codes);
        EXPECT_EQ(s.unmatchedOf(c.lookup).sessions, c.lookup == Lookup::Profesor ? 2 : 1);
    }
    EXPECT_EQ(ui.summaryDetails, s.details());
}

namespace {

struct EarlierCase {
    const char *name;
    QByteArray earlier; // the SolucioHorari.xml before the run; empty for none
    solucfixture::Rows soluc;
    QString message;
};

const QByteArray twoSessions = "<HORARI><SESSIONS><SESSIO placa=\"P1\"/><SESSIO placa=\"P2\"/></SESSIONS></HORARI>";

} // namespace

// A run that writes no session at all over a timetable that had some warns
// that the earlier timetable is gone; an empty timetable over an empty or
// missing one, or over a file that is no timetable, is no news.
TEST(ExportSummary, WarnsWhenItEmptiesAnEarlierTimetable)
{
    const solucfixture::Rows unplaced = {{"0", "1", "ABC", "1ESO-A", "A01", "MAT1", ""}};
    const EarlierCase cases[] = {
        {"emptied", twoSessions, unplaced, "Proceso finalizado con 1 aviso"},
        {"no SOLUC rows", twoSessions, {}, "Proceso finalizado con 1 aviso"},
        {"written over", twoSessions, {{"1", "2", "ABC", "1ESO-A", "A01", "MAT1", ""}}, "Proceso finalizado"},
        {"no earlier file", {}, unplaced, "Proceso finalizado"},
        {"earlier one empty", "<HORARI><SESSIONS/></HORARI>", unplaced, "Proceso finalizado"},
        {"earlier one not XML", "<HORARI><SESSIO", unplaced, "Proceso finalizado"},
    };
    for (const EarlierCase &c : cases) {
        SCOPED_TRACE(c.name);
        ExportFolder folder;
        if (!c.earlier.isEmpty())
            ExportFolder::write(folder.output(), c.earlier);
        solucfixture::School school = solucfixture::smallSchool();
        school.soluc = c.soluc;
        solucfixture::writeSchool(school);
        MainFormState form;
        ScriptedInteraction ui;
        ui.fileChoices = {folder.chosenFile()};

        BImportarClick(form, ui);

        EXPECT_EQ(ui.messages(), QStringList{c.message});
        if (c.message != u"Proceso finalizado") {
            EXPECT_EQ(ui.summaryWarnings,
                      QStringList{"No se ha escrito ninguna sesión y el SolucioHorari.xml anterior, que tenía 2 "
                                  "sesiones, se ha sustituido: compruebe que el programa de horarios ha guardado su "
                                  "solución en SOLUC y exporte de nuevo."});
            EXPECT_EQ(ui.shown.back().icon, UserInteraction::Icon::Warning);
        }
        EXPECT_EQ(xmltree::read(folder.output()).value("children")[0].toObject().value("children").toArray().size(),
                  ui.exportSummary->sessionsWritten)
            << "the new timetable is in place";
    }
}
