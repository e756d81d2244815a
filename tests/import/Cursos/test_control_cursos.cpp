#include "run/MainFormState.h"
#include "import/Cursos/TControlCursos.h"
#include "platform/WinPath.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>

#include "tests/import/Cursos/CursosTables.h"

#include <gtest/gtest.h>

using namespace centre_import;

using Control = TControlCursos::Control;
using Ending = TControlCursos::Ending;
using Nav = TableDataSource::NavigatorAction;

namespace {

const QString CODI = QStringLiteral("CODI");
const QString NIVEL = QStringLiteral("NIVEL");
const QString CURSO = QStringLiteral("CURSO");
const QString cursost2File = QStringLiteral("C:\\VTEMP\\CURSOST2.DBF");

// CODI, DESCRIPCIO, NIVEL, CURSO
using Rows = QList<QStringList>;

void writeTable(const QString &name, const Rows &rows)
{
    writeCursosTable(name, rows);
}

// Read back by an independent reader.
Rows readTable(const TempWinePrefix &wine, const QString &name)
{
    return pythonDbfRows(readWithPythonDbf(wine.vtempFile(name)));
}

// A user whose message box records which controls the dialog showed meanwhile.
class WatchingUser : public ScriptedInteraction {
public:
    TControlCursos *dialog = nullptr;
    std::vector<std::vector<bool>> shownDuringMessages;
    std::function<void()> onMessage;

    void showMessage(const QString &text) override
    {
        if (dialog)
            shownDuringMessages.push_back({dialog->isShown(Control::BitBtn2), dialog->isShown(Control::Label8),
                                           dialog->isShown(Control::Label3), dialog->isShown(Control::Label2)});
        if (onMessage)
            onMessage();
        ScriptedInteraction::showMessage(text);
    }
};

// One pass of the dialog as the scripted user makes it.
struct Pass {
    TempWinePrefix wine;
    MainFormState form;
    WatchingUser user;

    explicit Pass(const Rows &cursost, std::optional<Rows> cursost2 = std::nullopt)
    {
        writeTable(QStringLiteral("CURSOST.DBF"), cursost);
        if (cursost2)
            writeTable(QStringLiteral("CURSOST2.DBF"), *cursost2);
    }

    std::unique_ptr<TControlCursos> run(std::function<void(TControlCursos &)> action)
    {
        auto dialog = std::make_unique<TControlCursos>(form.result, user, form.workingFolder);
        user.dialog = dialog.get();
        user.cursosPasses.push_back(std::move(action));
        user.showControlCursos(*dialog);
        return dialog;
    }
};

void setRow(TControlCursos &d, int row, const QString &nivel, const QString &curso)
{
    d.wwDataSource1.moveTo(row);
    d.wwDataSource1.setText(NIVEL, nivel);
    d.wwDataSource1.setText(CURSO, curso);
}

const Rows twoCourses = {{"101", "1r ESO", "", ""}, {"102", "2n ESO", "", ""}};

} // namespace

// The four ways a pass ends, and what each leaves in the dialog's fields and tables.
TEST(ControlCursos, EachWayAPassEnds)
{
    struct Case {
        const char *name;
        std::function<void(TControlCursos &)> action;
        bool result;
        QString result2;
        Ending ending;
        Rows cursost;                     // CURSOST afterwards
        std::optional<Rows> cursost2;     // CURSOST2 afterwards, nothing when absent
        QStringList messages;
    };
    const std::vector<Case> cases = {
        {"OK with a blank",
         [](TControlCursos &d) { setRow(d, 0, "ESO", "1"); d.pressOk(); },
         true, {}, Ending::Ok,
         {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "", ""}},
         std::nullopt, {QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 102 - 2n ESO")}},
        {"OK complete",
         [](TControlCursos &d) { setRow(d, 0, "ESO", "1"); setRow(d, 1, "ESO", "2"); d.pressOk(); },
         false, {}, Ending::Ok,
         {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}},
         Rows{{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}}, {}},
        {"forced exit posts the row being edited and stores nothing",
         [](TControlCursos &d) { setRow(d, 0, "ESO", "1"); setRow(d, 1, "BCT", ""); d.pressForcedExit(); },
         false, QStringLiteral("fuera"), Ending::ForcedExit,
         {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "BCT", ""}},
         std::nullopt, {}},
        {"closed otherwise with everything given: the row being typed counts, nothing is kept",
         [](TControlCursos &d) { setRow(d, 0, "ESO", "1"); setRow(d, 1, "BCT", "1"); },
         false, {}, Ending::ClosedOtherwise,
         {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "BCT", "1"}},
         std::nullopt, {}},
        {"closed otherwise with a blank fails as OK does",
         [](TControlCursos &d) { setRow(d, 0, "ESO", "1"); setRow(d, 1, "BCT", " "); },
         true, {}, Ending::ClosedOtherwise,
         {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "BCT", ""}},
         std::nullopt, {QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 102 - 2n ESO")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(twoCourses);
        auto dialog = pass.run(c.action);
        EXPECT_EQ(dialog->result, c.result);
        EXPECT_EQ(dialog->result2, c.result2);
        EXPECT_EQ(dialog->ending(), c.ending);
        EXPECT_EQ(pass.user.messages(), c.messages);
        EXPECT_TRUE(pass.user.errors().isEmpty());
        if (c.ending == Ending::Ok || c.ending == Ending::ForcedExit || c.result) {
            EXPECT_EQ(dialog->wwTableCursosT, nullptr); // released
        }
        EXPECT_EQ(winpath::fileExists(cursost2File), c.cursost2.has_value());
        if (c.cursost2) {
            EXPECT_EQ(readTable(pass.wine, "CURSOST2.DBF"), *c.cursost2);
        }
        dialog.reset(); // as the loop discards it; an unposted edit goes with it
        EXPECT_EQ(readTable(pass.wine, "CURSOST.DBF"), c.cursost);
    }
}

// The test trims levels and courses; values are stored as typed.
TEST(ControlCursos, BlankLevelsAndCoursesFailTheTest)
{
    struct Case {
        QString nivel, curso;
        bool fails;
    };
    const std::vector<Case> cases = {
        {"   ", "1", true},  {"", "1", true},     {"ESO", "", true}, {"ESO", "  ", true},
        {"\t", "1", true},   {" ESO", "1", false}, {"ESO", " 1", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.nivel + "|" + c.curso).toStdString());
        Pass pass({{"101", "1r ESO", "", ""}});
        const auto dialog = pass.run([&](TControlCursos &d) { setRow(d, 0, c.nivel, c.curso); d.pressOk(); });
        EXPECT_EQ(dialog->result, c.fails);
        EXPECT_EQ(pass.user.messages().size(), c.fails ? 1 : 0);
        if (!c.fails) {
            EXPECT_EQ(readTable(pass.wine, "CURSOST2.DBF"), (Rows{{"101", "1r ESO", c.nivel, c.curso}}));
        }
    }
}

// The test names every incomplete row, wherever it stands, one per line
// after the message's first line; the next pass opens on the first of them.
TEST(ControlCursos, EveryIncompleteRowIsNamed)
{
    struct Case {
        const char *name;
        Rows cursost;
        int row;
        QStringList courses;
    };
    const std::vector<Case> cases = {
        {"first and second rows", {{"101", "1r ESO", "", "1"}, {"102", "2n ESO", "ESO", ""}}, 0,
         {"101 - 1r ESO", "102 - 2n ESO"}},
        {"middle row without course",
         {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", ""}, {"103", "3r ESO", "ESO", "3"}}, 1,
         {"102 - 2n ESO"}},
        {"last row with a blank level", {{"101", "1r ESO", "ESO", "1"}, {"BATX2", "2n Batxillerat", " ", "2"}}, 1,
         {"BATX2 - 2n Batxillerat"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(c.cursost);
        const auto dialog = pass.run([](TControlCursos &d) { d.pressOk(); });
        EXPECT_TRUE(dialog->result);
        EXPECT_EQ(dialog->firstIncompleteRow(), c.row);
        QString message = QStringLiteral("¡Atención! Falta algún Dato");
        for (const QString &course : c.courses)
            message += QStringLiteral("\n\rCurso: ") + course;
        EXPECT_EQ(pass.user.messages(), QStringList{message});
        EXPECT_FALSE(winpath::fileExists(cursost2File));
    }
}

// A long list names the first ten courses and counts the rest.
TEST(ControlCursos, TheMessageNamesTenCoursesAndCountsTheRest)
{
    struct Case {
        int incomplete;
        QString lastLine;
    };
    for (const Case &c : {Case{10, "Curso: 109 - curs 9"}, Case{11, "y 1 curso más"}, Case{25, "y 15 cursos más"}}) {
        SCOPED_TRACE(c.incomplete);
        Rows rows{{"001", "complet", "ESO", "1"}};
        for (int i = 0; i < c.incomplete; ++i)
            rows << QStringList{QString::number(100 + i), QStringLiteral("curs %1").arg(i), "", ""};
        Pass pass(rows);
        pass.run([](TControlCursos &d) { d.pressOk(); });
        ASSERT_EQ(pass.user.messages().size(), 1);
        const QStringList lines = pass.user.messages().front().split(QStringLiteral("\n\r"));
        EXPECT_EQ(lines.front(), QStringLiteral("¡Atención! Falta algún Dato"));
        EXPECT_EQ(lines[1], QStringLiteral("Curso: 100 - curs 0"));
        EXPECT_EQ(lines.size(), 1 + std::min(c.incomplete, 10) + (c.incomplete > 10 ? 1 : 0));
        EXPECT_EQ(lines.back(), c.lastLine);
    }
}

// A pass opens on the row it is given, after the recovery of earlier answers
// too, with that row ready to be typed into.
TEST(ControlCursos, OpensOnTheGivenRow)
{
    for (const bool recovery : {false, true}) {
        SCOPED_TRACE(recovery ? "after a recovery" : "without earlier answers");
        const Rows three = {{"101", "1r ESO", "", ""}, {"102", "2n ESO", "", ""}, {"103", "3r ESO", "", ""}};
        Pass pass(three, recovery ? std::optional<Rows>(Rows{{"101", "1r ESO", "ESO", "1"}}) : std::nullopt);
        pass.user.answers = {UserInteraction::Answer::Yes};
        auto dialog = std::make_unique<TControlCursos>(pass.form.result, pass.user, pass.form.workingFolder);
        dialog->openOnRow = 1;
        int current = -1;
        bool editing = false;
        pass.user.cursosPasses.push_back([&](TControlCursos &d) {
            current = d.wwDataSource1.currentRow();
            editing = d.wwDataSource1.isEditing();
        });
        pass.user.showControlCursos(*dialog);
        EXPECT_EQ(current, 1);
        EXPECT_TRUE(editing);
    }
}

// Labels and the forced exit: hidden at first in a program's first pass,
// shown from the start once a pass has failed, hidden again by a column change.
TEST(ControlCursos, ShownAndHiddenControls)
{
    {
        Pass pass(twoCourses);
        const auto dialog = pass.run([](TControlCursos &d) {
            for (Control c : {Control::BitBtn2, Control::Label8, Control::Label3, Control::Label2})
                EXPECT_FALSE(d.isShown(c));
            d.pressOk();
        });
        // During the message: Label3 and Label2 shown, the forced exit not yet.
        ASSERT_EQ(pass.user.shownDuringMessages.size(), 1u);
        EXPECT_EQ(pass.user.shownDuringMessages[0], (std::vector<bool>{false, false, true, true}));
        EXPECT_TRUE(dialog->isShown(Control::BitBtn2));
    }
    {
        Pass pass(twoCourses);
        pass.form.result = true; // an earlier pass failed
        pass.run([](TControlCursos &d) {
            EXPECT_TRUE(d.isShown(Control::BitBtn2));
            EXPECT_TRUE(d.isShown(Control::Label8));
            EXPECT_FALSE(d.isShown(Control::Label3));
            EXPECT_FALSE(d.isShown(Control::Label2));
            d.CursosTDBGridColEnter();
            EXPECT_FALSE(d.isShown(Control::BitBtn2));
            EXPECT_FALSE(d.isShown(Control::Label8));
            d.pressOk();
        });
        EXPECT_EQ(pass.user.shownDuringMessages[0], (std::vector<bool>{false, false, true, true}));
    }
}

// Yes recovers NIVEL and CURSO of every course whose code CURSOST2 holds
// exactly, from its first row of that code; the others keep what they had.
TEST(ControlCursos, RecoveryYesCopiesLevelsByExactCode)
{
    Pass pass({{"101", "1r ESO", "", ""}, {"eso2", "2n ESO", "", ""}, {"103", "3r ESO", "X", "9"}},
              Rows{{"101", "old", "ESO", "1"}, {"ESO2", "old", "ESO", "2"}, {"999", "gone", "BT", "1"},
                   {"101", "repeated", "BT", "2"}});
    pass.user.answers = {UserInteraction::Answer::Yes};
    pass.run([](TControlCursos &d) {
        EXPECT_EQ(d.wwDataSource1.text(0, NIVEL), "ESO");
        d.pressForcedExit();
    });
    ASSERT_EQ(pass.user.shown.size(), 2u);
    const ScriptedInteraction::Shown &question = pass.user.shown[1];
    EXPECT_EQ(question.kind, ScriptedInteraction::Shown::Question);
    EXPECT_EQ(question.caption, QStringLiteral("Recuperación de Niveles y Cursos importados anteriormente"));
    EXPECT_EQ(question.text, QStringLiteral("Existen Niveles y Cursos ya definidos de una Importación anterior.\n\r"
                                            "¿Quiere recuperar las codificaciones introducidas anteriormente?"));
    EXPECT_EQ(question.buttons, UserInteraction::Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, UserInteraction::Answer::Yes);
    EXPECT_EQ(question.icon, UserInteraction::Icon::Warning);
    EXPECT_EQ(readTable(pass.wine, "CURSOST.DBF"),
              (Rows{{"101", "1r ESO", "ESO", "1"}, {"eso2", "2n ESO", "", ""}, {"103", "3r ESO", "X", "9"}}));
}

// No deletes CURSOST2 at once, even when the pass then ends by a forced exit;
// a question closed without an answer keeps it and recovers nothing.
TEST(ControlCursos, RecoveryNoDeletesTheKeptAnswers)
{
    struct Case {
        UserInteraction::Answer answer;
        bool kept;
    };
    for (const Case &c : {Case{UserInteraction::Answer::No, false}, Case{UserInteraction::Answer::Closed, true}}) {
        Pass pass(twoCourses, Rows{{"101", "old", "ESO", "1"}});
        pass.user.answers = {c.answer};
        pass.run([&](TControlCursos &d) {
            EXPECT_EQ(winpath::fileExists(cursost2File), c.kept);
            EXPECT_EQ(d.wwDataSource1.text(0, NIVEL), "");
            d.pressForcedExit();
        });
        EXPECT_EQ(winpath::fileExists(cursost2File), c.kept);
    }
}

// Storing: a code already kept gets the new level and course and keeps its
// first description (the first row of a code kept twice); two rows with one
// code update one row, the later wins; new codes are appended after the kept ones.
TEST(ControlCursos, StoringUpdatesKeptCodesAndAppendsNewOnes)
{
    Pass pass({{"101", "1r ESO nou", "BCT", "1"}, {"102", "2n ESO", "ESO", "2"}, {"102", "2n ESO bis", "EDSO", "3"}},
              Rows{{"999", "gone", "BT", "1"}, {"101", "1r ESO", "ESO", "1"}, {"101", "repeated", "X", "5"}});
    pass.user.answers = {UserInteraction::Answer::Closed}; // keep CURSOST2 without recovering
    const auto dialog = pass.run([](TControlCursos &d) { d.pressOk(); });
    EXPECT_FALSE(dialog->result);
    EXPECT_EQ(dialog->wwTableCursosT2, nullptr);
    EXPECT_EQ(readTable(pass.wine, "CURSOST2.DBF"),
              (Rows{{"999", "gone", "BT", "1"},
                    {"101", "1r ESO", "BCT", "1"},
                    {"101", "repeated", "X", "5"},
                    {"102", "2n ESO", "EDSO", "3"}}));
}

// Without courses OK passes at once and CURSOST2 is created empty; entering
// and leaving the grid (which begins a new row) stores no blank row.
TEST(ControlCursos, NoCoursesAtAll)
{
    Pass pass({});
    const auto dialog = pass.run([](TControlCursos &d) {
        EXPECT_EQ(d.wwDataSource1.rowCount(), 1); // the new row the grid began
        EXPECT_EQ(d.wwDataSource1.recordCount(), 0);
        d.leaveGrid();
        EXPECT_EQ(d.wwDataSource1.rowCount(), 0);
        d.enterGrid();
        d.pressOk();
    });
    EXPECT_FALSE(dialog->result);
    EXPECT_TRUE(pass.user.messages().isEmpty());
    EXPECT_TRUE(readTable(pass.wine, "CURSOST.DBF").isEmpty());
    const QJsonObject kept = readWithPythonDbf(pass.wine.vtempFile("CURSOST2.DBF"));
    EXPECT_TRUE(pythonDbfRows(kept).isEmpty());
    QStringList fields;
    for (const QJsonValue &f : kept.value("fields").toArray())
        fields << f["name"].toString() + " " + f["type"].toString() + " " + QString::number(f["length"].toInt());
    EXPECT_EQ(fields, (QStringList{"CODI C 20", "DESCRIPCIO C 100", "NIVEL C 5", "CURSO C 3"}));
}

// Errors inside a handler are shown by the standard error report; the pass goes on.
TEST(ControlCursos, ErrorsAreReportedAtTheHandler)
{
    {
        // CURSOST2 that is no table: storing fails after a passed test, OK still closes.
        Pass pass({{"101", "1r ESO", "ESO", "1"}});
        QFile bad(pass.wine.vtempFile("CURSOST2.DBF"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("not a table");
        bad.close();
        pass.user.answers = {UserInteraction::Answer::Closed};
        const auto dialog = pass.run([](TControlCursos &d) { d.pressOk(); });
        EXPECT_FALSE(dialog->result);
        EXPECT_EQ(dialog->ending(), Ending::Ok);
        ASSERT_EQ(pass.user.errors().size(), 1);
    }
    {
        // No CURSOST: FormShow reports it, and the dialog is shown all the same.
        TempWinePrefix wine;
        MainFormState form;
        ScriptedInteraction user;
        form.result = true;
        TControlCursos dialog(form.result, user, form.workingFolder);
        user.cursosPasses.push_back([](TControlCursos &d) {
            EXPECT_FALSE(d.isShown(Control::BitBtn2)); // the rest of FormShow was skipped
            d.pressOk();
        });
        user.showControlCursos(dialog);
        EXPECT_EQ(user.shown.front().kind, ScriptedInteraction::Shown::ControlCursos);
        EXPECT_GE(user.errors().size(), 1);
        EXPECT_TRUE(user.errors().front().endsWith('.'));
        EXPECT_EQ(dialog.ending(), Ending::Ok);
    }
}

// Editing through the grid's data source: moving to another row posts the
// edited row, cancel discards it, and an untouched edit writes nothing.
TEST(ControlCursos, GridEditingFollowsTheTableStates)
{
    Rows rows;
    for (int i = 0; i < 25; ++i)
        rows << QStringList{QString::number(100 + i), "curs", "", ""};
    Pass pass(rows);
    pass.run([](TControlCursos &d) {
        TableDataSource &grid = d.wwDataSource1;
        EXPECT_TRUE(grid.isEditing()); // the grid took the focus
        EXPECT_EQ(grid.currentRow(), 0);
        grid.setText(NIVEL, "ESO");
        EXPECT_EQ(grid.text(0, NIVEL), "ESO");
        grid.act(Nav::Next); // posts row 0
        EXPECT_FALSE(grid.isEditing());
        EXPECT_EQ(grid.currentRow(), 1);
        grid.setText(NIVEL, "BCT");
        grid.act(Nav::Cancel);
        EXPECT_EQ(grid.text(1, NIVEL), "");
        const std::vector<std::pair<Nav, int>> moves = {
            {Nav::NextPage, 11}, {Nav::NextPage, 21}, {Nav::NextPage, 24}, {Nav::PriorPage, 14},
            {Nav::Prior, 13},    {Nav::Last, 24},     {Nav::First, 0},     {Nav::PriorPage, 0}};
        for (const auto &[action, row] : moves) {
            grid.act(action);
            EXPECT_EQ(grid.currentRow(), row);
        }
        EXPECT_FALSE(grid.canAct(Nav::Prior));
        EXPECT_FALSE(grid.canAct(Nav::Post));
        grid.act(Nav::Edit);
        EXPECT_TRUE(grid.isEditing());
        EXPECT_FALSE(grid.canAct(Nav::Edit));
        grid.setText(CURSO, "1234"); // cut to the field's width
        grid.act(Nav::Post);
        EXPECT_EQ(grid.text(0, CURSO), "123");
        grid.moveTo(5);
        grid.setText(NIVEL, "LS");
        grid.act(Nav::Refresh); // posts first
        EXPECT_EQ(grid.text(5, NIVEL), "LS");
        EXPECT_EQ(grid.currentRow(), 5);
        d.closeOtherwise();
    });
    const Rows stored = readTable(pass.wine, "CURSOST.DBF");
    EXPECT_EQ(stored[0], (QStringList{"100", "curs", "ESO", "123"}));
    EXPECT_EQ(stored[1], (QStringList{"101", "curs", "", ""}));
    EXPECT_EQ(stored[5], (QStringList{"105", "curs", "LS", ""}));
}

namespace {

QList<int> incompleteRows(const TControlCursos &d)
{
    QList<int> rows;
    const QList<CursoMarks> marks = d.rowMarks();
    for (int row = 0; row < marks.size(); ++row)
        if (marks[row].incomplete)
            rows << row;
    return rows;
}

} // namespace

// Incomplete rows are marked once a check has failed: from the start of the
// pass after a failed one, and in the failed pass itself while its message is
// up; a row the user completes loses its mark.
TEST(ControlCursos, IncompleteRowsAreMarkedAfterAFailedCheck)
{
    const Rows rows = {{"101", "1r ESO", "", ""}, {"102", "2n ESO", "ESO", "2"}, {"103", "3r ESO", "ESO", ""}};
    {
        Pass pass(rows);
        QList<int> duringMessage;
        pass.user.onMessage = [&] { duringMessage = incompleteRows(*pass.user.dialog); };
        pass.run([](TControlCursos &d) {
            EXPECT_TRUE(incompleteRows(d).isEmpty()) << "nothing is marked before a check fails";
            d.pressOk();
        });
        EXPECT_EQ(duringMessage, (QList<int>{0, 2}));
    }
    {
        Pass pass(rows);
        auto dialog = std::make_unique<TControlCursos>(pass.form.result, pass.user, pass.form.workingFolder);
        dialog->markIncompleteRows = true;
        pass.user.cursosPasses.push_back([](TControlCursos &d) {
            EXPECT_EQ(incompleteRows(d), (QList<int>{0, 2}));
            setRow(d, 0, "ESO", "1"); // still being edited: what is typed counts
            EXPECT_EQ(incompleteRows(d), (QList<int>{2}));
            d.closeOtherwise();
        });
        pass.user.showControlCursos(*dialog);
        EXPECT_TRUE(dialog->result) << "the last row is still incomplete";
        EXPECT_EQ(pass.user.messages(), QStringList{QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 103 - 3r ESO")});
    }
}

// Rows whose groups' short codes would start alike are marked as they are
// typed, each with the rows it collides with, and one line names them.
TEST(ControlCursos, CollidingLevelsAreMarkedAsTheUserTypes)
{
    struct Case {
        const char *name;
        Rows rows;
        std::vector<QList<int>> collidesWith; // by row
        QString line;
    };
    const std::vector<Case> cases = {
        {"same level and course", {{"101", "1r ESO A", "ESO", "1"}, {"102", "1r ESO B", "ESO", "1"}},
         {{1}, {0}},
         "¡Atención! Los Grupos de los cursos marcados recibirán las mismas Abreviaturas (mismos 5 primeros "
         "caracteres de NIVEL y 2 de CURSO): ESO1 en 101, 102."},
        {"levels alike in their first five characters, letter case aside, and courses in their first two",
         {{"B1", "", "BATXA", "12"}, {"X", "", "ESO", "1"}, {"B2", "", "batxb", "1"}, {"B3", "", "batxa", "123"}},
         {{3}, {}, {}, {0}},
         "¡Atención! Los Grupos de los cursos marcados recibirán las mismas Abreviaturas (mismos 5 primeros "
         "caracteres de NIVEL y 2 de CURSO): BATXA12 en B1, B3."},
        {"two groups of three and two",
         {{"1", "", "ESO", "1"}, {"2", "", "BT", "1"}, {"3", "", "ESO", "1"}, {"4", "", "BT", "1"}, {"5", "", "ESO", "1"}},
         {{2, 4}, {3}, {0, 4}, {1}, {0, 2}},
         "¡Atención! Los Grupos de los cursos marcados recibirán las mismas Abreviaturas (mismos 5 primeros "
         "caracteres de NIVEL y 2 de CURSO): ESO1 en 1, 3, 5; BT1 en 2, 4."},
        {"different courses, and incomplete rows never collide",
         {{"101", "", "ESO", "1"}, {"102", "", "ESO", "2"}, {"103", "", "ESO", ""}, {"104", "", "ESO", ""}},
         {{}, {}, {}, {}}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(c.rows);
        pass.run([&](TControlCursos &d) {
            const QList<CursoMarks> marks = d.rowMarks();
            ASSERT_EQ(marks.size(), qsizetype(c.collidesWith.size()));
            for (size_t row = 0; row < c.collidesWith.size(); ++row)
                EXPECT_EQ(marks[qsizetype(row)].collidesWith, c.collidesWith[row]) << row;
            EXPECT_EQ(d.collisionLine(), c.line);
            d.pressForcedExit();
        });
    }
    // Typing makes and undoes a collision before anything is posted.
    Pass pass({{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "", ""}});
    pass.run([](TControlCursos &d) {
        EXPECT_TRUE(d.collisionLine().isEmpty());
        d.typeInto(1, NIVEL, "ESO");
        d.typeInto(1, CURSO, "1");
        EXPECT_EQ(d.rowMarks()[0].collidesWith, QList<int>{1});
        EXPECT_EQ(d.rowMarks()[0].collisionPrefix, "ESO1");
        d.typeInto(1, CURSO, "2");
        EXPECT_TRUE(d.rowMarks()[0].collidesWith.isEmpty());
        EXPECT_TRUE(d.collisionLine().isEmpty());
        d.pressOk();
    });
}

// "Sugerir" fills only blank levels and courses from the descriptions, marks
// what it filled until the row is typed into or OK is pressed, and nothing is
// proposed without it.
TEST(ControlCursos, SuggestFillsOnlyBlankCells)
{
    const Rows rows = {
        {"101", "1r ESO", "", ""},       {"102", "2n batx.", "BCT", ""}, {"103", "4t ESO", " ", "9"},
        {"104", "Aula Enllaç", "", ""}, {"105", "3r ESO", "EDSO", "3"},  {"106", "1º FP Básica", "", ""},
    };
    Pass pass(rows);
    QList<CursoMarks> marksDuringMessage;
    pass.user.onMessage = [&] { marksDuringMessage = pass.user.dialog->rowMarks(); };
    pass.run([](TControlCursos &d) {
        TableDataSource &grid = d.wwDataSource1;
        for (int row = 0; row < grid.recordCount(); ++row) {
            EXPECT_FALSE(d.rowMarks()[row].nivelProposed || d.rowMarks()[row].cursoProposed);
        }
        EXPECT_EQ(grid.text(0, NIVEL), "") << "nothing is proposed before the click";
        grid.moveTo(4);
        d.BSugerirClick();
        EXPECT_EQ(grid.currentRow(), 4) << "the user stays on the row they were on";
        const std::vector<std::tuple<QString, QString, bool, bool>> expected = {
            {"ESO", "1", true, true}, {"BCT", "2", false, true},  {"ESO", "9", true, false},
            {"", "", false, false},   {"EDSO", "3", false, false}, {"FP", "1", true, true},
        };
        const QList<CursoMarks> marks = d.rowMarks();
        for (int row = 0; row < grid.recordCount(); ++row) {
            SCOPED_TRACE(row);
            const auto &[nivel, curso, nivelMarked, cursoMarked] = expected[size_t(row)];
            EXPECT_EQ(grid.text(row, NIVEL), nivel);
            EXPECT_EQ(grid.text(row, CURSO), curso);
            EXPECT_EQ(marks[row].nivelProposed, nivelMarked);
            EXPECT_EQ(marks[row].cursoProposed, cursoMarked);
        }
        d.typeInto(0, CURSO, "2"); // typing confirms the row
        EXPECT_FALSE(d.rowMarks()[0].nivelProposed || d.rowMarks()[0].cursoProposed);
        EXPECT_TRUE(d.rowMarks()[5].nivelProposed);
        d.pressOk(); // fails on the row nothing was proposed for
    });
    ASSERT_EQ(marksDuringMessage.size(), 6);
    EXPECT_FALSE(marksDuringMessage[5].nivelProposed || marksDuringMessage[5].cursoProposed)
        << "OK confirms every row";
    EXPECT_TRUE(marksDuringMessage[3].incomplete);
    EXPECT_EQ(readTable(pass.wine, "CURSOST.DBF"),
              (Rows{{"101", "1r ESO", "ESO", "2"}, {"102", "2n batx.", "BCT", "2"}, {"103", "4t ESO", "ESO", "9"},
                    {"104", "Aula Enllaç", "", ""}, {"105", "3r ESO", "EDSO", "3"},
                    {"106", "1º FP Básica", "FP", "1"}}));
}

// "Sugerir" proposes in the levels the school kept in CURSOST2, whether the
// user recovered them or not, and says how many courses it left blank; after
// a No the kept levels are gone and the descriptions alone propose.
TEST(ControlCursos, SuggestUsesTheSchoolsKeptLevelsAndCountsWhatItCouldNot)
{
    const Rows kept = {{"B1C", "1r Batxillerat Ciències", "BCT", "1"},
                       {"B1H", "1r Batxillerat Humanitats", "BHC", "1"}};
    const Rows cursost = {{"B2C", "2n Batxillerat Ciències", "", ""},
                          {"B2H", "2n Batxillerat Humanitats", "", ""},
                          {"B2A", "2n Batxillerat Arts", "", ""},
                          {"AE", "Aula Enllaç", "", ""},
                          {"E1", "1r ESO", "", ""}};
    struct Case {
        const char *name;
        UserInteraction::Answer recovery;
        Rows after;       // CURSOST's levels and courses after "Sugerir"
        QString line;     // what the dialog says beside the button
    };
    const std::vector<Case> cases = {
        {"recovered", UserInteraction::Answer::Yes,
         {{"BCT", "2"}, {"BHC", "2"}, {"", "2"}, {"", ""}, {"ESO", "1"}},
         QStringLiteral("«Sugerir»: 2 cursos sin propuesta; complete su NIVEL o CURSO.")},
        {"kept but not recovered", UserInteraction::Answer::Closed,
         {{"BCT", "2"}, {"BHC", "2"}, {"", "2"}, {"", ""}, {"ESO", "1"}},
         QStringLiteral("«Sugerir»: 2 cursos sin propuesta; complete su NIVEL o CURSO.")},
        {"forgotten", UserInteraction::Answer::No,
         {{"BATXI", "2"}, {"BATXI", "2"}, {"BATXI", "2"}, {"", ""}, {"ESO", "1"}},
         QStringLiteral("«Sugerir»: 1 curso sin propuesta; complete su NIVEL o CURSO.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Pass pass(cursost, kept);
        pass.user.answers = {c.recovery};
        pass.run([&](TControlCursos &d) {
            EXPECT_TRUE(d.suggestionLine().isEmpty()) << "nothing is said before the click";
            d.BSugerirClick();
            for (int row = 0; row < int(c.after.size()); ++row) {
                SCOPED_TRACE(row);
                EXPECT_EQ(d.wwDataSource1.text(row, NIVEL), c.after[row][0]);
                EXPECT_EQ(d.wwDataSource1.text(row, CURSO), c.after[row][1]);
            }
            EXPECT_EQ(d.suggestionLine(), c.line);
            d.pressForcedExit();
        });
    }

    // Nothing left blank is said as well.
    Pass pass({{"E1", "1r ESO", "", ""}});
    pass.run([](TControlCursos &d) {
        d.BSugerirClick();
        EXPECT_EQ(d.suggestionLine(), QStringLiteral("«Sugerir»: todos propuestos; revise las celdas en verde."));
        d.pressForcedExit();
    });
}
