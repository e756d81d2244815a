#include "app/ApplicationIcon.h"
#include "app/Cursos/ControlCursosWindow.h"
#include "app/GradientPanel.h"
#include "app/TMForm.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/import/Cursos/CursosTables.h"

#include "tests/support/CentreDocuments.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"
#include "tests/support/VelarixIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace {
// A whole centre document of our own, in the shape of a GestIB export.
const QString sample = centreFixture(QStringLiteral("centre-escola.xml"));
using Shown = ScriptedInteraction::Shown;

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

std::vector<Shown> shownOf(const ScriptedInteraction &user, Shown::Kind kind)
{
    std::vector<Shown> out;
    std::copy_if(user.shown.begin(), user.shown.end(), std::back_inserter(out),
                 [kind](const Shown &s) { return s.kind == kind; });
    return out;
}

// Relative luminance and contrast ratio of two colours, as the accessibility
// guidelines measure how far a focus mark stands out (3:1 at the least).
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    // std::minmax of two temporaries would return references to them.
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The pixels on the outermost rows and columns of `r`, each with the step
// that leads inwards; the rounded corners are left out.
struct EdgePixel {
    QPoint at;
    QPoint inwards;
};

std::vector<EdgePixel> edgeOf(const QRect &r)
{
    std::vector<EdgePixel> edge;
    for (int x = r.left() + 4; x <= r.right() - 4; ++x) {
        edge.push_back({{x, r.top()}, {0, 1}});
        edge.push_back({{x, r.bottom()}, {0, -1}});
    }
    for (int y = r.top() + 4; y <= r.bottom() - 4; ++y) {
        edge.push_back({{r.left(), y}, {1, 0}});
        edge.push_back({{r.right(), y}, {-1, 0}});
    }
    return edge;
}

// The share of the edge where the button, in its outer three pixels, shows a
// colour that contrasts at least 3:1 with the panel two pixels outside.
double shareStandingOut(const QImage &image, const std::vector<EdgePixel> &edge)
{
    const auto n = std::count_if(edge.begin(), edge.end(), [&](const EdgePixel &e) {
        const QRgb panel = image.pixel(e.at - 2 * e.inwards);
        for (int depth = 0; depth < 3; ++depth)
            if (contrast(image.pixel(e.at + depth * e.inwards), panel) >= 3.0)
                return true;
        return false;
    });
    return double(n) / double(edge.size());
}

// The share of the edge whose colour changed at least 3:1 between two looks.
double shareChanged(const QImage &before, const QImage &after, const std::vector<EdgePixel> &edge)
{
    const auto n = std::count_if(edge.begin(), edge.end(), [&](const EdgePixel &e) {
        return contrast(before.pixel(e.at), after.pixel(e.at)) >= 3.0;
    });
    return double(n) / double(edge.size());
}

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    QString iniPath() const { return prefix.prefix() + QStringLiteral("/Velarix.ini"); }
    TempWinePrefix prefix;
    ScriptedInteraction user;
};
} // namespace

TEST_F(MainWindow, HasEveryComponentWithItsCaption)
{
    TMForm form(user, {}, iniPath());
    EXPECT_EQ(form.objectName(), QStringLiteral("MForm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Exportar e importar datos entre Velarix y GestIB"));
    EXPECT_EQ(form.minimumSize(), QSize(632, 266));
    EXPECT_EQ(form.maximumSize(), QSize(632, 266));
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form.property("helpContext").toInt(), 1);

    const struct {
        const char *name;
        QString caption;
        bool glyph;
    } buttons[] = {
        {"BExportar", QStringLiteral("OK"), true},
        {"BImportar", QStringLiteral("OK"), true},
        {"BClose", QStringLiteral("&Salir"), true},
        {"Button1", QStringLiteral("F1 AYUDA"), false},
    };
    for (const auto &b : buttons) {
        SCOPED_TRACE(b.name);
        auto *button = form.findChild<QPushButton *>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(!button->icon().isNull(), b.glyph);
        EXPECT_TRUE(button->isEnabled());
        EXPECT_EQ(button->property("helpContext").toInt(), 1);
    }
    const struct {
        const char *name;
        QString caption;
    } labels[] = {
        {"Label3", QStringLiteral("Transformar datos desde GestIB hacia Velarix ")},
        {"Label4", QStringLiteral("Transformar datos desde Velarix hacia GestIB")},
        {"Label1", QStringLiteral("TransVelarixGestIB para VX18 V-1.0")},
    };
    for (const auto &l : labels) {
        auto *label = form.findChild<QLabel *>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.caption);
    }
    for (const char *panel : {"Draw3D1", "Draw3D2", "Draw3D3"}) {
        auto *p = form.findChild<GradientPanel *>(QString::fromLatin1(panel));
        ASSERT_NE(p, nullptr) << panel;
        EXPECT_EQ(p->property("helpContext").toInt(), 1);
    }
    EXPECT_EQ(form.BExportar->parentWidget(), form.Draw3D2);
    EXPECT_EQ(form.BImportar->parentWidget(), form.Draw3D3);
    EXPECT_EQ(form.BClose->parentWidget(), form.Draw3D1);
}

TEST_F(MainWindow, FinishedInteractiveRunDisablesBothRunButtons)
{
    const QString saga = prefix.vtemp() + QStringLiteral("/saga");
    QDir().mkpath(saga);
    TMForm form(user, {}, iniPath());
    form.show();
    user.fileChoices = {sample};
    EXPECT_FALSE(form.finishedNote->isVisible()) << "nothing to say before a run";

    form.BExportar->click();

    ASSERT_FALSE(user.shown.empty());
    EXPECT_EQ(user.shown.front().kind, Shown::FileDialog);
    EXPECT_EQ(user.lastFileDialog.title, QStringLiteral("Seleccionar Archivo XML obtenido de GESTIB"));
    EXPECT_EQ(user.lastFileDialog.filter, QStringLiteral("*.xml|*.xml"));
    EXPECT_EQ(user.lastFileDialog.defaultExtension, QStringLiteral("xml"));
    EXPECT_EQ(QFileInfo(user.lastFileDialog.initialFolder).canonicalFilePath(), saga);
    // The level and course dialog comes up in the middle of the steps, under
    // their hourglass.
    const auto cursos = shownOf(user, Shown::ControlCursos);
    ASSERT_FALSE(cursos.empty());
    EXPECT_TRUE(cursos.front().hourglass);
    EXPECT_EQ(user.errors(), QStringList());
    const Shown &last = user.shown.back();
    EXPECT_EQ(last.kind, Shown::Message);
    EXPECT_EQ(last.text, QStringLiteral("Proceso finalizado con 2 avisos"));
    EXPECT_FALSE(last.hourglass);
    EXPECT_EQ(user.hourglassDepth, 0);
    EXPECT_FALSE(form.BExportar->isEnabled());
    EXPECT_FALSE(form.BImportar->isEnabled());
    EXPECT_TRUE(form.finishedNote->isVisible());
    EXPECT_EQ(form.finishedNote->text(),
              QStringLiteral("Para otra transformación, cierre y vuelva a abrir el programa."));
    EXPECT_TRUE(form.isVisible()) << "interactive use leaves the window open";

    EXPECT_TRUE(form.close());
    EXPECT_EQ(readTransformado(iniPath()), std::nullopt) << "interactive use writes no result";
}

TEST_F(MainWindow, DrivenRunThatFindsNoFileClosesBeforeTheWindowAppears)
{
    TMForm form(user, {QStringLiteral("exportar"), QStringLiteral("x")}, iniPath());
    user.fileChoices = {std::nullopt}; // the file dialog is cancelled

    form.show();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(user.messages(), QStringList{QStringLiteral("No existe archivo")});
    EXPECT_EQ(user.closeRequests(), 1);
    EXPECT_EQ(readTransformado(iniPath()), -1);
}

TEST_F(MainWindow, DrivenRunThatFailsIsReportedAndTheWindowStaysOpen)
{
    const QString broken = writeFile(prefix.prefix() + QStringLiteral("/broken.xml"), "<CENTRE><CURSOS></CENTRE>");
    const struct {
        const char *name;
        QString file;
        bool workingFolderIsAFile; // so that the first step fails
        QString errorMentions;
    } cases[] = {
        {"file that is not well-formed", broken, false, QStringLiteral("broken.xml")},
        {"error inside a step", sample, true, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(prefix.driveC() + QStringLiteral("/VTEMP")).removeRecursively();
        QFile::remove(prefix.driveC() + QStringLiteral("/VTEMP"));
        QFile::remove(iniPath());
        if (c.workingFolderIsAFile)
            writeFile(prefix.driveC() + QStringLiteral("/VTEMP"), "not a folder");
        ScriptedInteraction user;
        user.fileChoices = {c.file};
        TMForm form(user, {QStringLiteral("EXPORTAR"), QStringLiteral("x")}, iniPath());

        form.show();

        const auto errors = shownOf(user, Shown::Error);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(user.messages(), QStringList());
        EXPECT_FALSE(errors.front().hourglass) << "the pointer is back to normal before the report";
        EXPECT_EQ(QFileInfo(form.state().ArchivoXML).canonicalFilePath(), QFileInfo(c.file).canonicalFilePath());
        EXPECT_TRUE(errors.front().text.contains(c.errorMentions));
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.BExportar->isEnabled());
        EXPECT_TRUE(form.BImportar->isEnabled());
        EXPECT_EQ(readTransformado(iniPath()), 0) << "\"not done\" is on record from the start of the run";

        EXPECT_TRUE(form.close());
        EXPECT_EQ(readTransformado(iniPath()), 0);
    }
}

TEST_F(MainWindow, DrivenModeWithoutADirectionWaitsAndClosingWritesZero)
{
    TMForm form(user, {QStringLiteral("abc"), QStringLiteral("def")}, iniPath());
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(user.shown.empty());

    form.BClose->click();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readTransformado(iniPath()), 0);
}

// A result file that cannot be written is reported once, and the program
// still ends, with a status that tells the caller the outcome is missing:
// otherwise nothing could close the window, and the timetabling program would
// wait for the converter for ever.
TEST_F(MainWindow, AResultFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds)
{
    writeFile(prefix.prefix() + QStringLiteral("/bin"), "a file, not a folder");
    TMForm form(user, {QStringLiteral("abc"), QStringLiteral("def")}, prefix.prefix() + QStringLiteral("/bin/Velarix.ini"));
    form.show();
    QTimer::singleShot(0, form.BClose, &QPushButton::click);
    QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });

    EXPECT_EQ(QCoreApplication::exec(), 0) << "the program ended by itself";

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.exitStatus(), TMForm::resultNotWritten);
    // The start, which writes "not done", and the close each report it once.
    const QStringList errors = user.errors();
    ASSERT_EQ(errors.size(), 2);
    for (const QString &error : errors)
        EXPECT_TRUE(error.startsWith(QStringLiteral("No se puede escribir en "))) << error.toStdString();
}

// The window may be asked to close twice: each close writes, the last value
// stands, whether or not the window had appeared.
TEST_F(MainWindow, EveryCloseWritesTheOutcome)
{
    for (const bool shownFirst : {false, true}) {
        SCOPED_TRACE(shownFirst ? "window shown" : "window not shown yet");
        QFile::remove(iniPath());
        TMForm form(user, {QStringLiteral("abc"), QStringLiteral("def")}, iniPath());
        if (shownFirst)
            form.show();

        form.closeMainWindow();
        EXPECT_EQ(readTransformado(iniPath()), 0);
        form.state().ResultadoTransformacion = 1;
        form.closeMainWindow();
        EXPECT_EQ(readTransformado(iniPath()), 1);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(MainWindow, HelpWithoutItsFileSaysSo)
{
    QTemporaryDir workingFolder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(workingFolder.path());
    TMForm form(user, {}, iniPath());
    form.show();

    form.Button1->click();
    // F1 goes to the active window.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);

    EXPECT_EQ(user.messages(),
              QStringList(2, QStringLiteral("No se encuentra el archivo de ayuda GestIB.chm")));
    QDir::setCurrent(before);
}

TEST_F(MainWindow, HelpFoundInTheWorkingFolderOpensOrSaysThereIsNoViewer)
{
    QTemporaryDir workingFolder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(workingFolder.path());
    writeFile(workingFolder.filePath(QStringLiteral("GestIB.chm")), "ITSF");
    TMForm form(user, {}, iniPath());

    form.Button1->click();

    // The offscreen platform has no viewer for anything.
    EXPECT_EQ(user.messages(),
              QStringList{QStringLiteral("No hay ningún visor para el archivo de ayuda %1")
                              .arg(QDir(workingFolder.path()).absoluteFilePath(QStringLiteral("GestIB.chm")))});
    QDir::setCurrent(before);
}

// Closing during a run must neither end the modal windows the run still
// opens nor be lost: the program ends when the run is over. Here the close
// is asked for while the level and course dialog is up, and the run goes on
// to its end, whose own close writes once more.
TEST_F(MainWindow, CloseDuringARunEndsTheProgramOnlyWhenTheRunIsOver)
{
    TMForm form(user, {QStringLiteral("abc"), QStringLiteral("def")}, iniPath());
    form.show();
    user.fileChoices = {sample};
    user.cursosPasses = {[&](centre_import::TControlCursos &) { user.closeMainWindow(); }};
    std::vector<std::optional<int>> writtenAtEachClose;
    user.onCloseMainWindow = [&] { writtenAtEachClose.push_back(readTransformado(iniPath())); };
    QTimer::singleShot(0, form.BExportar, &QPushButton::click);
    QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });

    EXPECT_EQ(QCoreApplication::exec(), 0) << "the program ended by itself";

    EXPECT_EQ(writtenAtEachClose, (std::vector<std::optional<int>>{0, 1}));
    EXPECT_EQ(user.messages().last(), QStringLiteral("Proceso finalizado con 2 avisos"));
    EXPECT_FALSE(form.isVisible());
}

// The focused button must show it on its own panel, the blue one included:
// nearly all the way round, its edge stands out from the panel around it and
// from its own look without the focus, at 3:1 or more.
TEST_F(MainWindow, TheFocusedButtonStandsOutOnItsPanel)
{
    TMForm form(user, {}, iniPath());
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QList<QPushButton *> buttons = {form.BExportar, form.BImportar, form.BClose, form.Button1};
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        QPushButton *button = buttons.at(i);
        SCOPED_TRACE(button->objectName().toStdString());
        const QRect edge(button->mapTo(&form, QPoint(0, 0)), button->size());
        buttons.at((i + 1) % buttons.size())->setFocus(Qt::TabFocusReason);
        const QImage unfocused = form.grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(button->hasFocus());
        const QImage focused = form.grab().toImage();

        EXPECT_GE(shareStandingOut(focused, edgeOf(edge)), 0.9) << "against the panel";
        EXPECT_GE(shareChanged(unfocused, focused, edgeOf(edge)), 0.9) << "against the button unfocused";
    }
}

TEST_F(MainWindow, ReturnAndEnterPressTheFocusedButton)
{
    QTemporaryDir workingFolder; // where help finds no help file
    const QString before = QDir::currentPath();
    QDir::setCurrent(workingFolder.path());
    for (const char *name : {"BExportar", "BImportar", "BClose", "Button1"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            SCOPED_TRACE(std::string(name) + (key == Qt::Key_Return ? " Return" : " Enter"));
            ScriptedInteraction user;
            user.fileChoices = {std::nullopt};
            TMForm form(user, {}, iniPath());
            form.show();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            auto *button = form.findChild<QPushButton *>(QString::fromLatin1(name));
            button->setFocus(Qt::TabFocusReason);
            QSignalSpy clicked(button, &QPushButton::clicked);

            QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

            EXPECT_EQ(clicked.count(), 1);
            if (button == form.BClose) {
                EXPECT_FALSE(form.isVisible());
            } else {
                ASSERT_FALSE(user.shown.empty());
                EXPECT_EQ(user.shown.front().kind, button == form.Button1 ? Shown::Message : Shown::FileDialog)
                    << "the button's own window: no help, or the file dialog";
            }
        }
    }
    QDir::setCurrent(before);
}

// The main window and the level and course dialog show our icon, at the
// sizes window managers pick from.
TEST_F(MainWindow, WindowsShowOurIcon)
{
    setApplicationIcon();
    TMForm form(user, {}, iniPath());
    writeCursosTable(QStringLiteral("CURSOST.DBF"), {{"101", "1r ESO", "", ""}});
    centre_import::TControlCursos cursos(false, user, winpath::WorkingFolder());
    ControlCursosWindow dialog(cursos, &form);

    for (const QWidget *window : {static_cast<QWidget *>(&form), static_cast<QWidget *>(&dialog)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QIcon icon = window->windowIcon();
        ASSERT_FALSE(icon.isNull());
        for (const int size : {16, 32, 48, 256}) {
            SCOPED_TRACE(size);
            const QImage drawn(QStringLiteral(":/icons/%1/transtarquoib.png").arg(size));
            ASSERT_EQ(drawn.size(), QSize(size, size)) << "rendered from our drawing into the program";
            const QImage shown = icon.pixmap(size).toImage();
            EXPECT_EQ(shown, drawn.convertToFormat(shown.format()));
        }
    }
}
