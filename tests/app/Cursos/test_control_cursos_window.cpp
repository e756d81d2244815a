#include "run/InterfaceLanguage.h"
#include "run/MainFormState.h"
#include "tests/app/Cursos/OpenDialog.h"
#include "app/Cursos/ControlCursosWindow.h"
#include "app/Cursos/CursosTableModel.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "tests/import/Cursos/CursosTables.h"

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { qtTestApp(); }
};
const auto *const qtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

const QString NIVEL = QStringLiteral("NIVEL");

void writeCursost(const QList<QStringList> &rows)
{
    writeCursosTable(QStringLiteral("CURSOST.DBF"), rows);
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
        dialog = std::make_unique<TControlCursos>(form.result, user, form.workingFolder);
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
            {"Label8", "¡ Atención ! Si fuerza la Salida, no se escribe NADA de esta importación."},
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
            {"wwDBNavigator1First", "Ir al primer registro"},
            {"wwDBNavigator1PriorPage", "Retroceder 10 registros"},
            {"wwDBNavigator1Prior", "Ir al registro anterior"},
            {"wwDBNavigator1Next", "Ir al registro siguiente"},
            {"wwDBNavigator1NextPage", "Avanzar 10 registros"},
            {"wwDBNavigator1Last", "Ir al último registro"},
            {"wwDBNavigator1Edit", "Modificar el registro actual"},
            {"wwDBNavigator1Post", "Guardar los cambios del registro actual"},
            {"wwDBNavigator1Cancel", "Cancelar los cambios del registro actual"},
            {"wwDBNavigator1Refresh", "Volver a leer los datos de la tabla"},
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
// beyond the field's width is refused, and the user is told why.
TEST(ControlCursosWindow, EnterMovesLikeTabAndLeavingARowPostsIt)
{
    WindowPass pass(threeCourses);
    pass.run([&] {
        auto *grid = child<QTableView>("CursosTDBGrid");
        EXPECT_FALSE(isShownWidget("LabelAviso"));
        type("ESO123");
        EXPECT_TRUE(isShownWidget("LabelAviso"));
        EXPECT_EQ(child<QLabel>("LabelAviso")->text(), QStringLiteral("NIVEL admite 5 caracteres"));
        press(Qt::Key_Return);
        EXPECT_FALSE(isShownWidget("LabelAviso")) << "the word goes with the cell";
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

// The refusal names the column by the title over it, which differs from the
// field's name in Catalan.
TEST(ControlCursosWindow, TheRefusalNamesTheColumnAsItsTitleReads)
{
    const struct {
        InterfaceLanguage language;
        QString level, course;
    } cases[] = {
        {InterfaceLanguage::Spanish, "NIVEL admite 5 caracteres", "CURSO admite 3 caracteres"},
        {InterfaceLanguage::Catalan, "NIVELL admet 5 caràcters", "CURS admet 3 caràcters"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(languageCode(c.language).toStdString());
        ASSERT_TRUE(installInterfaceLanguage(c.language));
        WindowPass pass(threeCourses);
        pass.run([&] {
            const QHeaderView *header = child<QTableView>("CursosTDBGrid")->horizontalHeader();
            type("ESO123");
            EXPECT_EQ(child<QLabel>("LabelAviso")->text(), c.level);
            EXPECT_TRUE(c.level.startsWith(
                header->model()->headerData(CursosTableModel::ColNivel, Qt::Horizontal).toString() + u' '));
            press(Qt::Key_Return);
            type("1234");
            EXPECT_EQ(child<QLabel>("LabelAviso")->text(), c.course);
        });
    }
    installInterfaceLanguage(InterfaceLanguage::Spanish);
}

// Every column is at least as wide as its title needs, in either language,
// so that no title runs into the next ("CODI GESTIB" in Catalan).
TEST(ControlCursosWindow, EveryTitleFitsItsColumn)
{
    for (const InterfaceLanguage language : {InterfaceLanguage::Spanish, InterfaceLanguage::Catalan}) {
        SCOPED_TRACE(languageCode(language).toStdString());
        ASSERT_TRUE(installInterfaceLanguage(language));
        WindowPass pass(threeCourses);
        pass.run([&] {
            const QHeaderView *header = child<QTableView>("CursosTDBGrid")->horizontalHeader();
            // What the header itself needs to show a title whole: its style's
            // font, padding and margins.
            for (int column = 0; column < CursosTableModel::ColumnCount; ++column)
                EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column))
                    << header->model()->headerData(column, Qt::Horizontal).toString().toStdString();
            press(Qt::Key_Escape);
        });
    }
    installInterfaceLanguage(InterfaceLanguage::Spanish);
}

// BitBtn2, Label8, Label3 and Label2 through a failed pass, the pass after it
// and a column change.
TEST(ControlCursosWindow, ShownAndHiddenThroughAFailedPass)
{
    WindowPass pass(threeCourses);
    pass.run([] { click("BitBtn1"); });
    EXPECT_TRUE(pass.dialog->result);
    ASSERT_EQ(pass.user.messages(), QStringList{QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 101 - 1r ESO\n\r"
                                                               "Curso: 102 - 2n ESO\n\rCurso: 103 - 3r ESO")});
    EXPECT_EQ(pass.user.shownDuringMessages[0], (std::vector<bool>{false, false, true, true}));

    // The next pass, after the run marked the failure.
    pass.form.result = true;
    pass.dialog = std::make_unique<TControlCursos>(pass.form.result, pass.user, pass.form.workingFolder);
    pass.run([] {
        EXPECT_TRUE(isShownWidget("BitBtn2"));
        EXPECT_TRUE(isShownWidget("Label8"));
        EXPECT_FALSE(isShownWidget("Label3"));
        EXPECT_FALSE(isShownWidget("Label2"));
        press(Qt::Key_Tab); // to the course column
        EXPECT_FALSE(isShownWidget("BitBtn2"));
        EXPECT_FALSE(isShownWidget("Label8"));
    }); // closed with every level blank: the pass fails and offers the forced exit again
    EXPECT_EQ(pass.dialog->ending(), TControlCursos::Ending::ClosedOtherwise);
    EXPECT_TRUE(pass.dialog->result);
    EXPECT_EQ(pass.user.messages().size(), 2);
    EXPECT_EQ(pass.user.shownDuringMessages[1], (std::vector<bool>{false, false, true, true}));

    // Forced exit: the row being typed is posted, the dialog closes.
    pass.dialog = std::make_unique<TControlCursos>(pass.form.result, pass.user, pass.form.workingFolder);
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

namespace {

QColor background(int row, int column = CursosTableModel::ColCodi)
{
    const QAbstractItemModel *model = child<QTableView>("CursosTDBGrid")->model();
    return model->data(model->index(row, column), Qt::BackgroundRole).value<QColor>();
}

QString toolTip(int row)
{
    const QAbstractItemModel *model = child<QTableView>("CursosTDBGrid")->model();
    return model->data(model->index(row, CursosTableModel::ColDescripcio), Qt::ToolTipRole).toString();
}

// A user whose message box records the rows the grid paints as incomplete meanwhile.
class MarkWatchingUser : public WatchingUser {
public:
    std::vector<std::vector<bool>> incompleteDuringMessages;
    void showMessage(const QString &text) override
    {
        std::vector<bool> rows;
        if (auto *grid = child<QTableView>("CursosTDBGrid"))
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                rows.push_back(background(row) == CursosTableModel::incompleteColour);
        incompleteDuringMessages.push_back(rows);
        WatchingUser::showMessage(text);
    }
};

} // namespace

bool pass_modified(TControlCursos &d)
{
    return d.wwDataSource1.isModified();
}

// The close box (and Escape, which acts as it) with a blank: the pass fails
// as OK's does, naming and marking every incomplete course; with every level
// and course given (what is being typed included) the run goes on and nothing
// is kept in CURSOST2.
TEST(ControlCursosWindow, CloseBoxWithABlankFailsAsOk)
{
    const struct {
        const char *name;
        bool complete;
        bool escape;
    } cases[] = {
        {"close box, blanks", false, false},
        {"close box, complete", true, false},
        {"Escape, blanks", false, true},
        {"Escape, complete", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempWinePrefix wine;
        MainFormState form;
        MarkWatchingUser user;
        writeCursost({{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "", ""}, {"103", "3r ESO", "", "3"}});
        TControlCursos dialog(form.result, user, form.workingFolder);
        QTimer::singleShot(0, [&] {
            QWidget *window = openWindow();
            ASSERT_NE(window, nullptr);
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            auto *grid = child<QTableView>("CursosTDBGrid");
            grid->setCurrentIndex(grid->model()->index(1, CursosTableModel::ColNivel));
            if (c.complete) {
                type("BCT");
                press(Qt::Key_Tab);
                type("2");
                press(Qt::Key_Tab);
                type("ESO");
                press(Qt::Key_Tab); // the row being typed into, still open when the window closes
            }
            if (c.escape)
                press(Qt::Key_Escape);
            if (c.escape && c.complete) {
                // The first Escape dropped the cell being typed into, the
                // next one drops the row's changes; neither closes.
                EXPECT_NE(openWindow(), nullptr);
                EXPECT_TRUE(pass_modified(dialog));
                press(Qt::Key_Escape);
                EXPECT_NE(openWindow(), nullptr);
                EXPECT_EQ(grid->model()->data(grid->model()->index(2, CursosTableModel::ColNivel)).toString(), "");
                grid->setCurrentIndex(grid->model()->index(2, CursosTableModel::ColNivel));
                type("ESO");
                press(Qt::Key_Return);
                grid->setCurrentIndex(grid->model()->index(0, CursosTableModel::ColNivel)); // posts row 2
                press(Qt::Key_Escape);
            }
            if (!c.escape)
                window->close();
            EXPECT_EQ(openWindow(), nullptr);
        });
        showControlCursosModal(dialog, nullptr);
        EXPECT_EQ(dialog.ending(), TControlCursos::Ending::ClosedOtherwise);
        EXPECT_EQ(dialog.result, !c.complete);
        EXPECT_FALSE(QFile::exists(wine.vtempFile("CURSOST2.DBF")));
        if (c.complete) {
            EXPECT_TRUE(user.messages().isEmpty());
            EXPECT_EQ(storedCursost(wine)[2], (QStringList{"103", "3r ESO", "ESO", "3"}));
        } else {
            EXPECT_EQ(user.messages(), QStringList{QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 102 - 2n ESO"
                                                                  "\n\rCurso: 103 - 3r ESO")});
            EXPECT_EQ(user.incompleteDuringMessages, (std::vector<std::vector<bool>>{{false, true, true}}));
            EXPECT_EQ(user.shownDuringMessages[0], (std::vector<bool>{false, false, true, true}));
        }
    }
}

// The pass after a failed one paints every incomplete row and says why in
// its tooltip, with the course's groups; a row the user completes loses the mark.
TEST(ControlCursosWindow, IncompleteRowsAreMarkedAndShowTheirGroups)
{
    WindowPass pass({{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "", ""}, {"103", "3r ESO", "", "3"}});
    pass.dialog->markIncompleteRows = true;
    pass.dialog->courseGroups = {{"A", "B"}, {}, {"CIENCIES"}};
    pass.run([] {
        EXPECT_EQ(background(0), QColor(240, 251, 255));
        for (int row : {1, 2})
            for (int column = 0; column < CursosTableModel::ColumnCount; ++column)
                EXPECT_EQ(background(row, column), CursosTableModel::incompleteColour) << row << " " << column;
        EXPECT_EQ(toolTip(0), QStringLiteral("Grupos: A, B"));
        EXPECT_EQ(toolTip(1), QStringLiteral("Sin grupos\nFalta el NIVEL o el CURSO de este curso."));
        EXPECT_TRUE(toolTip(2).startsWith(QStringLiteral("Grupos: CIENCIES\nFalta")));
        auto *grid = child<QTableView>("CursosTDBGrid");
        grid->setCurrentIndex(grid->model()->index(2, CursosTableModel::ColNivel));
        type("BCT");
        press(Qt::Key_Return);
        EXPECT_EQ(background(2), QColor(240, 251, 255));
        EXPECT_EQ(background(1), CursosTableModel::incompleteColour);
    });
}

// Levels and courses that would give two courses' groups the same short
// codes are painted as they are typed, and a line below the grid names them.
TEST(ControlCursosWindow, CollidingRowsAreMarkedAsTheUserTypes)
{
    WindowPass pass({{"101", "1r ESO A", "ESO", "1"}, {"102", "1r ESO B", "", ""}, {"103", "2n ESO", "ESO", "2"}});
    pass.run([] {
        EXPECT_FALSE(isShownWidget("LabelColision"));
        auto *grid = child<QTableView>("CursosTDBGrid");
        grid->setCurrentIndex(grid->model()->index(1, CursosTableModel::ColNivel));
        type("eso");
        press(Qt::Key_Return);
        type("1");
        press(Qt::Key_Return);
        for (int row : {0, 1})
            EXPECT_EQ(background(row), CursosTableModel::collisionColour) << row;
        EXPECT_NE(background(2), CursosTableModel::collisionColour);
        EXPECT_TRUE(toolTip(0).contains(QStringLiteral("102 - 1r ESO B")));
        ASSERT_TRUE(isShownWidget("LabelColision"));
        EXPECT_TRUE(child<QLabel>("LabelColision")->text().endsWith(QStringLiteral("ESO1 en 101, 102.")));

        grid->setCurrentIndex(grid->model()->index(1, CursosTableModel::ColCurso));
        type("3");
        press(Qt::Key_Return);
        EXPECT_NE(background(0), CursosTableModel::collisionColour);
        EXPECT_FALSE(isShownWidget("LabelColision"));
    });
}

// "Sugerir" fills the blank cells only when clicked, paints them until their
// row is typed into, and leaves the user on their row.
TEST(ControlCursosWindow, SuggestFillsBlankCellsOnClick)
{
    WindowPass pass({{"101", "1r ESO", "", ""}, {"102", "2n batx.", "BCT", ""}, {"103", "Aula Enllaç", "", ""}});
    pass.run([&] {
        auto *grid = child<QTableView>("CursosTDBGrid");
        const QAbstractItemModel *model = grid->model();
        const auto cell = [&](int row, int column) { return model->data(model->index(row, column)).toString(); };
        EXPECT_EQ(cell(0, CursosTableModel::ColNivel), "");
        auto *suggest = child<QPushButton>("BSugerir");
        ASSERT_NE(suggest, nullptr);
        EXPECT_EQ(suggest->text(), QStringLiteral("&Sugerir"));
        EXPECT_FALSE(isShownWidget("LabelSugerir"));
        grid->setCurrentIndex(model->index(2, CursosTableModel::ColNivel));
        click("BSugerir");
        ASSERT_TRUE(isShownWidget("LabelSugerir"));
        EXPECT_EQ(child<QLabel>("LabelSugerir")->text(),
                  QStringLiteral("«Sugerir»: 1 curso sin propuesta; complete su NIVEL o CURSO."));
        EXPECT_TRUE(focusInGrid());
        EXPECT_EQ(grid->currentIndex().row(), 2);
        EXPECT_EQ(cell(0, CursosTableModel::ColNivel), "ESO");
        EXPECT_EQ(cell(0, CursosTableModel::ColCurso), "1");
        EXPECT_EQ(cell(1, CursosTableModel::ColNivel), "BCT");
        EXPECT_EQ(cell(1, CursosTableModel::ColCurso), "2");
        EXPECT_EQ(background(0, CursosTableModel::ColNivel), CursosTableModel::proposedColour);
        EXPECT_EQ(background(1, CursosTableModel::ColCurso), CursosTableModel::proposedColour);
        EXPECT_NE(background(1, CursosTableModel::ColNivel), CursosTableModel::proposedColour);
        EXPECT_NE(background(2, CursosTableModel::ColNivel), CursosTableModel::proposedColour);
        grid->setCurrentIndex(model->index(0, CursosTableModel::ColCurso));
        type("2");
        press(Qt::Key_Return);
        EXPECT_NE(background(0, CursosTableModel::ColNivel), CursosTableModel::proposedColour);
        EXPECT_EQ(background(1, CursosTableModel::ColCurso), CursosTableModel::proposedColour);
    });
    EXPECT_EQ(storedCursost(pass.wine)[0], (QStringList{"101", "1r ESO", "ESO", "2"}));
    EXPECT_EQ(storedCursost(pass.wine)[1], (QStringList{"102", "2n batx.", "BCT", "2"}));
}

namespace {
// Records the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};
} // namespace

// F1 opens the help from the dialog, at the dialog's section where the help
// allows it (the help file found here opens at its start).
TEST(ControlCursosWindow, F1OpensTheHelp)
{
    QTemporaryDir work;
    QFile chm(QDir(work.path()).filePath(QStringLiteral("GestIB.chm")));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.close();
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    WindowPass pass(threeCourses);
    pass.run([] { press(Qt::Key_F1); });
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDir::setCurrent(before);
    EXPECT_EQ(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(chm).absoluteFilePath())});
    EXPECT_TRUE(pass.user.messages().contains(QStringLiteral("¡Atención! Falta algún Dato\n\rCurso: 101 - 1r ESO\n\r"
                                                             "Curso: 102 - 2n ESO\n\rCurso: 103 - 3r ESO")))
        << "the dialog stayed open until closed";
}

// With a large font the dialog grows with it, stays within the screen and
// scrolls; no label loses its text or shrinks back to the small font.
TEST(ControlCursosWindow, FitsTheScreenWithALargeFont)
{
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSize(22);
    QApplication::setFont(large);
    WindowPass pass(threeCourses);
    pass.run([] {
        QWidget *window = openWindow();
        const QRect available = window->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window->frameGeometry())) << "within the screen " << available.width() << "x" << available.height() << " " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " " << window->frameGeometry().width() << "x" << window->frameGeometry().height();
        auto *scroll = child<QScrollArea>("ControlCursosScroll");
        ASSERT_NE(scroll, nullptr);
        EXPECT_GT(scroll->widget()->width(), scroll->viewport()->width());
        EXPECT_GT(scroll->widget()->height(), scroll->viewport()->height());
        EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
        for (QLabel *label : child<QWidget>("Draw3D1")->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                                   Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.height(), label->height()) << label->objectName().toStdString();
            EXPECT_GE(label->font().pointSizeF(), 12) << label->objectName().toStdString();
        }
        // OK can be reached and shown.
        auto *ok = child<QPushButton>("BitBtn1");
        scroll->ensureWidgetVisible(ok);
        const QRect shown(ok->mapTo(scroll->viewport(), QPoint()), ok->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
    });
    QApplication::setFont(usual);
}

#include "test_control_cursos_window.moc"
