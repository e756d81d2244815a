#include "run/MainFormState.h"
#include "app/Cursos/ControlCursosWindow.h"
#include "app/Cursos/CursosTableModel.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "tests/import/Cursos/CursosTables.h"

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_control_cursos_window";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};
const auto *const qtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

const QString NIVEL = QStringLiteral("NIVEL");

void writeCursost(const QList<QStringList> &rows)
{
    writeCursosTable(QStringLiteral("CURSOST.DBF"), rows);
}

QWidget *openWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("ControlCursos") && w->isVisible())
            return w;
    return nullptr;
}

template <typename T>
T *child(const char *name)
{
    QWidget *window = openWindow();
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

bool isShownWidget(const char *name)
{
    QWidget *w = child<QWidget>(name);
    return w && !w->isHidden();
}

// A user whose message box records which of BitBtn2, Label8, Label3 and
// Label2 the window showed meanwhile.
class WatchingUser : public ScriptedInteraction {
public:
    std::vector<std::vector<bool>> shownDuringMessages;
    void showMessage(const QString &text) override
    {
        shownDuringMessages.push_back({isShownWidget("BitBtn2"), isShownWidget("Label8"), isShownWidget("Label3"), isShownWidget("Label2")});
        ScriptedInteraction::showMessage(text);
    }
};

// One pass through the real window; `inside` runs once the window is up.
struct WindowPass {
    TempWinePrefix wine;
    MainFormState form;
    WatchingUser user;
    std::unique_ptr<TControlCursos> dialog;

    explicit WindowPass(const QList<QStringList> &rows)
    {
        writeCursost(rows);
        dialog = std::make_unique<TControlCursos>(form.result, user);
    }

    void run(std::function<void()> inside)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            QWidget *window = openWindow();
            ASSERT_NE(window, nullptr);
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            inside();
            if (QWidget *w = openWindow())
                w->close(); // a test that did not end the pass closes the window
        });
        showControlCursosModal(*dialog, nullptr);
        EXPECT_TRUE(ran);
    }
};

// Types into whatever has the focus, as the keyboard does.
void type(const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void click(const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
}

QList<QStringList> storedCursost(const TempWinePrefix &wine)
{
    return pythonDbfRows(readWithPythonDbf(wine.vtempFile("CURSOST.DBF")));
}

const QList<QStringList> threeCourses = {{"101", "1r ESO", "", ""}, {"102", "2n ESO", "", ""}, {"103", "3r ESO", "", ""}};

} // namespace

TEST(ControlCursosWindow, ColumnsTitlesAndLabels)
{
    WindowPass pass(threeCourses);
    pass.run([] {
        QWidget *window = openWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Asignación de Niveles y Cursos"));
        EXPECT_EQ(window->size(), QSize(679, 499));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        ASSERT_NE(child<QWidget>("Draw3D1"), nullptr);

        auto *grid = child<QTableView>("CursosTDBGrid");
        ASSERT_NE(grid, nullptr);
        EXPECT_TRUE(grid->hasFocus());
        const QAbstractItemModel *model = grid->model();
        ASSERT_EQ(model->columnCount(), 4);
        ASSERT_EQ(model->rowCount(), 3);
        const QStringList titles = {"CÓD.GESTIB", "DESCRIPCIÓN", "NIVEL", "CURSO"};
        const std::vector<bool> editable = {false, false, true, true};
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), titles[c]);
            EXPECT_TRUE(model->headerData(c, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
            EXPECT_EQ(bool(model->flags(model->index(0, c)) & Qt::ItemIsEditable), editable[size_t(c)]) << c;
        }
        EXPECT_EQ(model->data(model->index(1, 1)).toString(), "2n ESO");
        EXPECT_EQ(model->data(model->index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(240, 251, 255));
        EXPECT_EQ(model->data(model->index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(207, 217, 254));
        EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(254, 228, 169));
        // The widest column is far wider than the narrowest, in proportion to their characters.
        EXPECT_GT(grid->columnWidth(1), 3 * grid->columnWidth(3));
        auto *fixed = child<QTableView>("CursosTDBGridFixedColumn");
        ASSERT_NE(fixed, nullptr);
        EXPECT_FALSE(fixed->isColumnHidden(0));
        EXPECT_TRUE(fixed->isColumnHidden(1));

        const std::vector<std::pair<const char *, QString>> texts = {
            {"Label1", "ASIGNACIÓN DE NIVELES Y CURSOS"},
            {"Label2", "Se ha detectado que falta por indicar algún NIVEL  o CURSO. Complete el/los datos que falten, "
                       "para poder concluir el proceso, antes de Salir."},
            {"Label5", "Las Abreviaturas de sus Grupos (Unidades), se formarán, en función del NIVEL y CURSO, del "
                       "siguiente modo: "},
            {"Label8", "¡ Atención ! Si fuerza la Salida, los Datos recogidos serán INCOHERENTES."},
            {"Label10", "Abreviatura del Grupo = ESO1A"},
        };
        for (const auto &[name, text] : texts) {
            auto *label = child<QLabel>(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text);
        }
        for (const char *name : {"Label1", "Label4", "Label5", "Label6", "Label7", "Label9", "Label10", "Label11"})
            EXPECT_TRUE(isShownWidget(name)) << name;
        for (const char *name : {"BitBtn2", "Label8", "Label3", "Label2"})
            EXPECT_FALSE(isShownWidget(name)) << name;
        auto *ok = child<QPushButton>("BitBtn1");
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(child<QPushButton>("BitBtn2")->text(), QStringLiteral("Forzar Salida Sin Terminar Proceso "));
    });
}

TEST(ControlCursosWindow, NavigatorMovesEditsPostsAndCancels)
{
    QList<QStringList> rows;
    for (int i = 0; i < 15; ++i)
        rows << QStringList{QString::number(100 + i), "curs", "", ""};
    WindowPass pass(rows);
    TableDataSource &source = pass.dialog->wwDataSource1;
    pass.run([&] {
        const std::vector<std::pair<const char *, QString>> hints = {
            {"wwDBNavigator1First", "Move to first record"},
            {"wwDBNavigator1PriorPage", "Move backward 10 records"},
            {"wwDBNavigator1Prior", "Move to prior record"},
            {"wwDBNavigator1Next", "Move to next record"},
            {"wwDBNavigator1NextPage", "Move forward 10 records"},
            {"wwDBNavigator1Last", "Move to last record"},
            {"wwDBNavigator1Edit", "Edit current record"},
            {"wwDBNavigator1Post", "Post changes of current record"},
            {"wwDBNavigator1Cancel", "Cancel changes made to current record"},
            {"wwDBNavigator1Refresh", "Refresh the contents of the dataset"},
        };
        for (const auto &[name, hint] : hints) {
            auto *button = child<QToolButton>(name);
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(button->toolTip(), hint);
        }
        EXPECT_EQ(child<QWidget>("wwDBNavigator1")->findChildren<QToolButton *>().size(), 10);
        auto *grid = child<QTableView>("CursosTDBGrid");

        // The grid took the focus: row 0 is being edited, in the level column.
        EXPECT_TRUE(source.isEditing());
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, CursosTableModel::ColNivel));

        const std::vector<std::pair<const char *, int>> moves = {
            {"wwDBNavigator1NextPage", 10}, {"wwDBNavigator1Last", 14}, {"wwDBNavigator1PriorPage", 4},
            {"wwDBNavigator1Prior", 3},     {"wwDBNavigator1Next", 4},  {"wwDBNavigator1First", 0}};
        for (const auto &[name, row] : moves) {
            click(name);
            EXPECT_EQ(source.currentRow(), row) << name;
            EXPECT_EQ(grid->currentIndex().row(), row) << name;
        }
        EXPECT_FALSE(child<QToolButton>("wwDBNavigator1Prior")->isEnabled());
        EXPECT_FALSE(child<QToolButton>("wwDBNavigator1Post")->isEnabled());

        // Typing edits the buffer; Cancel drops it, even from an open cell editor.
        type("BCT");
        click("wwDBNavigator1Cancel");
        EXPECT_FALSE(source.isEditing());
        EXPECT_EQ(grid->model()->data(grid->model()->index(0, CursosTableModel::ColNivel)).toString(), "");

        // Edit, type, Post.
        click("wwDBNavigator1Edit");
        EXPECT_TRUE(source.isEditing());
        EXPECT_FALSE(child<QToolButton>("wwDBNavigator1Edit")->isEnabled());
        type("LSX");
        press(Qt::Key_Return);
        click("wwDBNavigator1Post");
        EXPECT_FALSE(source.isEditing());
        EXPECT_EQ(storedCursost(pass.wine)[0], (QStringList{"100", "curs", "LSX", ""}));
        click("wwDBNavigator1Refresh");
        EXPECT_EQ(source.text(0, NIVEL), "LSX");
    });
}

// Enter moves on as Tab does, through the level and course of each row in
// turn; the edited row is posted when the user moves to the next one; typing
// is cut to the field's width.
TEST(ControlCursosWindow, EnterMovesLikeTabAndLeavingARowPostsIt)
{
    WindowPass pass(threeCourses);
    pass.run([&] {
        auto *grid = child<QTableView>("CursosTDBGrid");
        type("ESO123");
        press(Qt::Key_Return);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, CursosTableModel::ColCurso));
        type("1");
        press(Qt::Key_Tab);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, CursosTableModel::ColNivel));
        EXPECT_EQ(storedCursost(pass.wine)[0], (QStringList{"101", "1r ESO", "ESO12", "1"}));
        type("BCT");
        press(Qt::Key_Return);
        // A click on another row posts this one.
        const QModelIndex below = grid->model()->index(2, CursosTableModel::ColNivel);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(below).center());
        EXPECT_EQ(grid->currentIndex(), below);
        EXPECT_EQ(storedCursost(pass.wine)[1], (QStringList{"102", "2n ESO", "BCT", ""}));
        type("X");
        // OK posts the row being edited before the test runs, and the dialog closes.
        click("BitBtn1");
        EXPECT_EQ(openWindow(), nullptr);
    });
    EXPECT_TRUE(pass.dialog->result);
    EXPECT_EQ(pass.dialog->ending(), TControlCursos::Ending::Ok);
    EXPECT_EQ(storedCursost(pass.wine),
              (QList<QStringList>{{"101", "1r ESO", "ESO12", "1"}, {"102", "2n ESO", "BCT", ""}, {"103", "3r ESO", "X", ""}}));
}

// BitBtn2, Label8, Label3 and Label2 through a failed pass, the pass after it
// and a column change.
TEST(ControlCursosWindow, ShownAndHiddenThroughAFailedPass)
{
    WindowPass pass(threeCourses);
    pass.run([] { click("BitBtn1"); });
    EXPECT_TRUE(pass.dialog->result);
    ASSERT_EQ(pass.user.messages(), QStringList{QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 101 - 1r ESO")});
    EXPECT_EQ(pass.user.shownDuringMessages[0], (std::vector<bool>{false, false, true, true}));

    // The next pass, after the run marked the failure.
    pass.form.result = true;
    pass.dialog = std::make_unique<TControlCursos>(pass.form.result, pass.user);
    pass.run([] {
        EXPECT_TRUE(isShownWidget("BitBtn2"));
        EXPECT_TRUE(isShownWidget("Label8"));
        EXPECT_FALSE(isShownWidget("Label3"));
        EXPECT_FALSE(isShownWidget("Label2"));
        press(Qt::Key_Tab); // to the course column
        EXPECT_FALSE(isShownWidget("BitBtn2"));
        EXPECT_FALSE(isShownWidget("Label8"));
    });
    EXPECT_EQ(pass.dialog->ending(), TControlCursos::Ending::ClosedOtherwise);
    EXPECT_FALSE(pass.dialog->result);

    // Forced exit: the row being typed is posted, the dialog closes.
    pass.dialog = std::make_unique<TControlCursos>(pass.form.result, pass.user);
    pass.run([] {
        type("EDSO");
        click("BitBtn2");
        EXPECT_EQ(openWindow(), nullptr);
    });
    EXPECT_EQ(pass.dialog->result2, QStringLiteral("fuera"));
    EXPECT_EQ(pass.dialog->ending(), TControlCursos::Ending::ForcedExit);
    EXPECT_EQ(storedCursost(pass.wine)[0], (QStringList{"101", "1r ESO", "EDSO", ""}));
}

namespace {
bool focusInGrid()
{
    auto *grid = child<QTableView>("CursosTDBGrid");
    QWidget *focus = QApplication::focusWidget();
    return focus && (focus == grid || grid->isAncestorOf(focus));
}
} // namespace

// A keyboard user gets past the grid: Tab or Enter after the last cell of the
// last row, typed into or not, reaches OK, and Return there confirms.
TEST(ControlCursosWindow, KeyboardLeavesTheLastCellForOkAndReturnConfirms)
{
    const struct {
        const char *name;
        QString typed; // into the last cell before leaving it
        Qt::Key key;
    } cases[] = {
        {"Tab", QString(), Qt::Key_Tab},
        {"Enter", QString(), Qt::Key_Return},
        {"Tab after typing", QStringLiteral("3"), Qt::Key_Tab},
        {"Enter after typing", QStringLiteral("3"), Qt::Key_Return},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WindowPass pass({{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}});
        pass.run([&] {
            auto *grid = child<QTableView>("CursosTDBGrid");
            for (int i = 0; i < 3; ++i)
                press(Qt::Key_Tab);
            ASSERT_EQ(grid->currentIndex(), grid->model()->index(1, CursosTableModel::ColCurso));
            type(c.typed);
            press(c.key);
            EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>("BitBtn1"));
            press(Qt::Key_Return);
            EXPECT_EQ(openWindow(), nullptr) << "Return on OK closes the dialog";
        });
        EXPECT_EQ(pass.dialog->ending(), TControlCursos::Ending::Ok);
        EXPECT_FALSE(pass.dialog->result) << "every level and course was given";
        EXPECT_EQ(storedCursost(pass.wine)[1][3], c.typed.isEmpty() ? QStringLiteral("2") : c.typed);
    }
}

TEST(ControlCursosWindow, ShiftTabFromTheFirstCellLeavesTheGridBackwards)
{
    for (const QString &typed : {QString(), QStringLiteral("E")}) {
        SCOPED_TRACE(typed.isEmpty() ? "closed cell" : "cell being typed into");
        WindowPass pass(threeCourses);
        pass.run([&] {
            ASSERT_TRUE(focusInGrid());
            type(typed);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_FALSE(focusInGrid());
            EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>("BitBtn1"));
        });
        EXPECT_EQ(storedCursost(pass.wine)[0][2], typed) << "what was typed is kept";
    }
}

// OK shows clearly that it has the focus: far more than a faint outline
// changes when it takes it.
TEST(ControlCursosWindow, OkShowsItsFocusClearly)
{
    WindowPass pass(threeCourses);
    pass.run([] {
        auto *ok = child<QPushButton>("BitBtn1");
        const QImage unfocused = ok->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_TRUE(ok->hasFocus());
        const QImage focused = ok->grab().toImage();
        ASSERT_EQ(focused.size(), unfocused.size());
        int changed = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                changed += focused.pixel(x, y) != unfocused.pixel(x, y);
        EXPECT_GT(changed, 4 * (focused.width() + focused.height())) << changed << " pixels changed";
    });
}

// A pass that opens on a row below the grid's first screen shows that row,
// current, where the user can type at once.
TEST(ControlCursosWindow, OpensScrolledToTheGivenRow)
{
    QList<QStringList> many;
    for (int i = 0; i < 60; ++i)
        many << QStringList{QString::number(100 + i), QStringLiteral("Curs %1").arg(i), "ESO", "1"};
    WindowPass pass(many);
    pass.dialog->openOnRow = 55;
    pass.run([] {
        auto *grid = child<QTableView>("CursosTDBGrid");
        ASSERT_NE(grid, nullptr);
        QTest::qWait(50); // the view scrolls to its current cell once shown
        EXPECT_EQ(grid->currentIndex().row(), 55);
        EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));
    });
}
