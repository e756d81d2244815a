// The level and course dialog on a small screen at 144 DPI: 1024 × 640
// pixels, which Qt shows as 683 × 427, too small for the dialog.
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
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/import/Cursos/CursosTables.h"

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

class SmallScreenApplication : public ::testing::Environment {
public:
    void SetUp() override
    {
        const QString config = m_folder.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024, "height": 640,
                       "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        qtTestApp();
    }

private:
    QTemporaryDir m_folder;
};
const auto *const smallScreen = ::testing::AddGlobalTestEnvironment(new SmallScreenApplication);

bool shownInViewport(QWidget *widget)
{
    auto *scroll = child<QScrollArea>("ControlCursosScroll");
    const QRect shown(widget->mapTo(scroll->viewport(), QPoint()), widget->size());
    return scroll->viewport()->rect().contains(shown);
}

} // namespace

// The dialog stays on the screen and scrolls; a keyboard user reaches OK,
// which scrolls into view, and confirms.
TEST(ControlCursosSmallScreen, TheDialogFitsAndScrollsToWhatHasTheFocus)
{
    TempWinePrefix wine;
    MainFormState form;
    ScriptedInteraction user;
    writeCursosTable(QStringLiteral("CURSOST.DBF"), {{"101", "1r ESO", "ESO", "1"}, {"102", "2n ESO", "ESO", "2"}});
    TControlCursos dialog(form.result, user, form.workingFolder);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        QWidget *window = openWindow();
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const QRect available = window->screen()->availableGeometry();
        ASSERT_LT(available.height(), 499) << "a screen smaller than the dialog";
        EXPECT_TRUE(available.contains(window->frameGeometry()));
        auto *scroll = child<QScrollArea>("ControlCursosScroll");
        ASSERT_NE(scroll, nullptr);
        EXPECT_GT(scroll->widget()->height(), scroll->viewport()->height());
        auto *ok = child<QPushButton>("BitBtn1");
        EXPECT_FALSE(shownInViewport(ok));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), ok);
        EXPECT_TRUE(shownInViewport(ok));
        QTest::keyClick(ok, Qt::Key_Return);
        EXPECT_EQ(openWindow(), nullptr);
    });
    showControlCursosModal(dialog, nullptr);
    EXPECT_TRUE(ran);
    EXPECT_EQ(dialog.ending(), TControlCursos::Ending::Ok);
    EXPECT_FALSE(dialog.result);
}
