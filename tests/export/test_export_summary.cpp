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

    ASSERT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado")});
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
    EXPECT_EQ(ui.summaryDetails, s.lines());
}
