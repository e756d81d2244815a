#include "import/CrearCursos.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/import/ImportFixture.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace centre_import;

using Control = TControlCursos::Control;
using Pass = std::function<void(TControlCursos &)>;

namespace {

const QString twoCourses = QStringLiteral(R"(<CENTRE><CURSOS>
<CURS codi="101" descripcio="1r ESO"/>
<CURS codi="102" descripcio="2n ESO"/>
</CURSOS></CENTRE>)");

int passesShown(const ScriptedInteraction &user)
{
    int n = 0;
    for (const ScriptedInteraction::Shown &s : user.shown)
        n += s.kind == ScriptedInteraction::Shown::ControlCursos;
    return n;
}

// The user leaves a level blank and presses OK.
void okWithABlank(TControlCursos &d)
{
    d.wwDataSource1.moveTo(0);
    d.wwDataSource1.setText(QStringLiteral("NIVEL"), QStringLiteral("ESO"));
    d.pressOk();
}

} // namespace

// The rows as the step writes them, before any dialog has changed them.
TEST(CrearCursos, WritesOneBlankRowPerCourse)
{
    TempWinePrefix wine;
    fixture::FormWithDocument form;
    ScriptedInteraction user;
    const QString longCode = QString(25, QLatin1Char('C'));
    const QString longDescription = QString(60, QLatin1Char('d')) + QString(60, QLatin1Char('e'));
    fixture::loadDocument(form, QStringLiteral("<CENTRE><CURSOS>"
                                   "<CURS codi=\"101\" descripcio=\"1r ESO\"/>"
                                   "<CURS codi=\"  \t102&#10; \" descripcio=\" 2n\tESO \"/>"
                                   "<CURS codi=\"%1\" descripcio=\"%2\"/>"
                                   "<CURS codi=\"101\" descripcio=\"1r ESO bis\"/>"
                                   "</CURSOS><CURS codi=\"elsewhere\" descripcio=\"not read\"/></CENTRE>")
                        .arg(longCode, longDescription));
    user.cursosPasses.push_back([&](TControlCursos &d) {
        EXPECT_EQ(fixture::readRows(wine, "CURSOST"),
                  (QList<QStringList>{{"101", "1r ESO", "", ""},
                                      {"102", "2n ESO", "", ""},
                                      {longCode.left(20), longDescription.left(100), "", ""},
                                      {"101", "1r ESO bis", "", ""}}));
        ScriptedInteraction::defaultCursosPass(d);
    });
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue);
    EXPECT_EQ(fixture::readFields(wine, "CURSOST"),
              (QStringList{"CODI C 20", "DESCRIPCIO C 100", "NIVEL C 5", "CURSO C 3"}));
    EXPECT_EQ(passesShown(user), 1);
    EXPECT_FALSE(form.result);
}

// The loop: what each sequence of passes leaves in the main window.
TEST(CrearCursos, DialogLoop)
{
    struct Case {
        const char *name;
        std::vector<Pass> passes;
        int shown;
        bool formResult;
        CursosOutcome outcome;
    };
    const Pass forcedExit = [](TControlCursos &d) {
        EXPECT_TRUE(d.isShown(Control::BitBtn2));
        d.pressForcedExit();
    };
    // The user completes every row and closes the window instead of pressing OK.
    const Pass completeThenClosed = [](TControlCursos &d) {
        for (int row : {0, 1}) {
            d.wwDataSource1.moveTo(row);
            d.wwDataSource1.setText(QStringLiteral("NIVEL"), QStringLiteral("ESO"));
            d.wwDataSource1.setText(QStringLiteral("CURSO"), QString::number(row + 1));
        }
    };
    const Pass closedWithBlanks = [](TControlCursos &) {};
    const std::vector<Case> cases = {
        {"OK complete", {ScriptedInteraction::defaultCursosPass}, 1, false, CursosOutcome::Continue},
        {"closed otherwise, complete", {completeThenClosed}, 1, false, CursosOutcome::Continue},
        {"closed otherwise with blanks fails, then complete",
         {closedWithBlanks, ScriptedInteraction::defaultCursosPass},
         2,
         true,
         CursosOutcome::Continue},
        {"two blanks, then complete",
         {okWithABlank, okWithABlank, ScriptedInteraction::defaultCursosPass},
         3,
         true,
         CursosOutcome::Continue},
        {"a blank, then a forced exit", {okWithABlank, forcedExit}, 2, true, CursosOutcome::ForcedExit},
        {"closed with blanks, then a forced exit", {closedWithBlanks, forcedExit}, 2, true, CursosOutcome::ForcedExit},
        {"a blank, then closed otherwise, complete", {okWithABlank, completeThenClosed}, 2, true,
         CursosOutcome::Continue},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempWinePrefix wine;
        fixture::FormWithDocument form;
        ScriptedInteraction user;
        fixture::loadDocument(form, twoCourses);
        user.cursosPasses.assign(c.passes.begin(), c.passes.end());
        EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), c.outcome);
        EXPECT_EQ(passesShown(user), c.shown);
        EXPECT_TRUE(user.cursosPasses.empty());
        EXPECT_EQ(form.result, c.formResult);
        EXPECT_EQ(user.closeRequests(), 0) << "the run decides how it ends";
        EXPECT_TRUE(user.errors().isEmpty());
        // The dialogs are gone: the next step may open CURSOST for itself alone.
        dbf::Table &cursos = *form.wwTableCursos;
        EXPECT_NO_THROW(cursos.open());
        cursos.close();
    }
}

// After a failed check the next pass opens on the course the check stopped at.
TEST(CrearCursos, NextPassOpensOnTheIncompleteCourse)
{
    TempWinePrefix wine;
    fixture::FormWithDocument form;
    ScriptedInteraction user;
    fixture::loadDocument(form, QStringLiteral(R"(<CENTRE><CURSOS>
<CURS codi="101" descripcio="1r ESO"/><CURS codi="102" descripcio="2n ESO"/><CURS codi="103" descripcio="3r ESO"/>
</CURSOS></CENTRE>)"));
    int openedOn = -1;
    user.cursosPasses = {[](TControlCursos &d) {
                             for (int row : {0, 2}) {
                                 d.wwDataSource1.moveTo(row);
                                 d.wwDataSource1.setText(QStringLiteral("NIVEL"), QStringLiteral("ESO"));
                                 d.wwDataSource1.setText(QStringLiteral("CURSO"), QString::number(row + 1));
                             }
                             d.pressOk();
                         },
                         [&](TControlCursos &d) {
                             openedOn = d.wwDataSource1.currentRow();
                             ScriptedInteraction::defaultCursosPass(d);
                         }};
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue);
    EXPECT_EQ(openedOn, 1);
    EXPECT_EQ(user.messages(), QStringList{QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 102 - 2n ESO")});
}

// A forced exit keeps what had been posted in CURSOST and stores nothing in CURSOST2.
TEST(CrearCursos, ForcedExitKeepsWhatWasPosted)
{
    TempWinePrefix wine;
    fixture::FormWithDocument form;
    ScriptedInteraction user;
    fixture::loadDocument(form, twoCourses);
    user.cursosPasses = {okWithABlank, [](TControlCursos &d) {
                             d.wwDataSource1.moveTo(1);
                             d.wwDataSource1.setText(QStringLiteral("CURSO"), QStringLiteral("2"));
                             d.pressForcedExit();
                         }};
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::ForcedExit);
    EXPECT_EQ(fixture::readRows(wine, "CURSOST"), (QList<QStringList>{{"101", "1r ESO", "ESO", ""}, {"102", "2n ESO", "", "2"}}));
    EXPECT_FALSE(QFile::exists(wine.vtempFile("CURSOST2.DBF")));
}

// The answers of one import come back in the next; the question is asked in
// every pass, and Yes overwrites what a failed pass typed.
TEST(CrearCursos, AnswersAreKeptFromOneImportToTheNext)
{
    TempWinePrefix wine;
    fixture::FormWithDocument form;
    ScriptedInteraction user;
    fixture::loadDocument(form, twoCourses);
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue); // the default pass: ESO 1, ESO 2
    EXPECT_TRUE(user.questions().isEmpty());

    fixture::loadDocument(form, twoCourses);
    user.answers = {UserInteraction::Answer::Yes, UserInteraction::Answer::Yes};
    user.cursosPasses = {[](TControlCursos &d) {
                             EXPECT_EQ(d.wwDataSource1.text(1, QStringLiteral("CURSO")), "2");
                             d.wwDataSource1.moveTo(0);
                             d.wwDataSource1.setText(QStringLiteral("NIVEL"), QStringLiteral("BCT"));
                             d.wwDataSource1.moveTo(1);
                             d.wwDataSource1.setText(QStringLiteral("CURSO"), QString());
                             d.pressOk();
                         },
                         [](TControlCursos &d) {
                             EXPECT_EQ(d.wwDataSource1.text(0, QStringLiteral("NIVEL")), "ESO");
                             d.pressOk();
                         }};
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue);
    EXPECT_EQ(user.questions().size(), 2);
    EXPECT_EQ(fixture::readRows(wine, "CURSOST"), (QList<QStringList>{{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}}));
    EXPECT_EQ(fixture::readRows(wine, "CURSOST2"), (QList<QStringList>{{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}}));
}

// No in one pass deletes the kept answers; the next successful OK starts
// CURSOST2 again with only the current courses.
TEST(CrearCursos, NoStartsTheKeptAnswersAgain)
{
    TempWinePrefix wine;
    fixture::FormWithDocument form;
    ScriptedInteraction user;
    fixture::loadDocument(form, QStringLiteral(R"(<CENTRE><CURSOS><CURS codi="900" descripcio="vell"/></CURSOS></CENTRE>)"));
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue);
    fixture::loadDocument(form, twoCourses);
    user.answers = {UserInteraction::Answer::No};
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue);
    EXPECT_EQ(fixture::readRows(wine, "CURSOST2"), (QList<QStringList>{{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}}));
}

// Every pass after a failed one marks the incomplete courses from the start;
// every pass shows each course's groups, by row, as the document names them.
TEST(CrearCursos, PassesShowGroupsAndMarkWhatAFailedPassLeftIncomplete)
{
    TempWinePrefix wine;
    fixture::FormWithDocument form;
    ScriptedInteraction user;
    fixture::loadDocument(form, QStringLiteral(R"(<CENTRE><CURSOS>
<CURS codi="101" descripcio="1r ESO"><GRUP codi="G1" nom=" A "/><GRUP codi="G2" nom="B"/></CURS>
<CURS codi="102" descripcio="Aula"/>
<CURS codi="103" descripcio="3r ESO"><GRUP codi="G3" nom="CIENCIES"/></CURS>
</CURSOS></CENTRE>)"));
    std::vector<QList<QStringList>> groups;
    std::vector<QList<bool>> marked;
    const auto look = [&](TControlCursos &d) {
        groups.push_back(d.courseGroups);
        QList<bool> incomplete;
        for (const CursoMarks &m : d.rowMarks())
            incomplete << m.incomplete;
        marked.push_back(incomplete);
    };
    user.cursosPasses = {[&](TControlCursos &d) {
                             look(d);
                             d.wwDataSource1.moveTo(1);
                             d.wwDataSource1.setText(QStringLiteral("NIVEL"), QStringLiteral("AE"));
                             d.wwDataSource1.setText(QStringLiteral("CURSO"), QStringLiteral("1"));
                             d.pressOk();
                         },
                         [&](TControlCursos &d) {
                             look(d);
                             ScriptedInteraction::defaultCursosPass(d);
                         }};
    EXPECT_EQ(CrearCursos(*form.DocXML, form.result, user, form.workingFolder), CursosOutcome::Continue);
    const QList<QStringList> expected = {{"A", "B"}, {}, {"CIENCIES"}};
    EXPECT_EQ(groups, (std::vector<QList<QStringList>>{expected, expected}));
    EXPECT_EQ(marked, (std::vector<QList<bool>>{{false, false, false}, {true, false, true}}));
}
