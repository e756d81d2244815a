#include "app/GradientPanel.h"
#include "app/TMForm.h"
#include "tests/support/ModalAutopilot.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/TempWinePrefix.h"
#include "tests/support/VelarixIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

namespace {
const QString sample = QStringLiteral(GESTIB_SAMPLES_DIR "/centre-2018.xml");
const QString title = QStringLiteral("TransTarquoIB");

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QStringList texts(const std::vector<ModalAutopilot::Seen> &boxes)
{
    QStringList out;
    for (const ModalAutopilot::Seen &s : boxes)
        out << s.text;
    return out;
}

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    QString iniPath() const { return prefix.prefix() + QStringLiteral("/Velarix.ini"); }
    TempWinePrefix prefix;
};
} // namespace

TEST_F(MainWindow, HasEveryComponentWithItsCaption)
{
    TMForm form({}, iniPath());
    EXPECT_EQ(form.objectName(), QStringLiteral("MForm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Exportar e importar datos entre Velarix y GestIB"));
    EXPECT_EQ(form.minimumSize(), QSize(632, 266));
    EXPECT_EQ(form.maximumSize(), QSize(632, 266));
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
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
    TMForm form({}, iniPath());
    form.show();
    ModalAutopilot user(sample);

    form.BExportar->click();

    ASSERT_FALSE(user.seen.empty());
    const ModalAutopilot::Seen &fileDialog = user.seen.front();
    EXPECT_EQ(fileDialog.kind, QStringLiteral("file"));
    EXPECT_EQ(fileDialog.title, QStringLiteral("Seleccionar Archivo XML obtenido de GESTIB"));
    EXPECT_EQ(fileDialog.fileFilter, QStringLiteral("*.xml (*.xml)"));
    EXPECT_EQ(fileDialog.defaultSuffix, QStringLiteral("xml"));
    EXPECT_EQ(fileDialog.folder, saga);
    // The level and course dialog, the one window that is neither a file
    // dialog nor a message box, comes up under the hourglass of the steps.
    const auto cursos = std::find_if(user.seen.begin(), user.seen.end(), [](const ModalAutopilot::Seen &s) {
        return s.kind != QLatin1String("file") && s.kind != QLatin1String("message");
    });
    ASSERT_NE(cursos, user.seen.end());
    EXPECT_TRUE(cursos->hourglass);
    const auto boxes = user.messageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, QStringLiteral("Proceso finalizado"));
    EXPECT_EQ(boxes.back().title, title);
    EXPECT_EQ(boxes.back().icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes.back().buttons, QMessageBox::Ok);
    EXPECT_FALSE(boxes.back().hourglass);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(form.BExportar->isEnabled());
    EXPECT_FALSE(form.BImportar->isEnabled());
    EXPECT_TRUE(form.isVisible()) << "interactive use leaves the window open";

    EXPECT_TRUE(form.close());
    EXPECT_EQ(readTransformado(iniPath()), std::nullopt) << "interactive use writes no result";
}

TEST_F(MainWindow, DrivenRunThatFindsNoFileClosesBeforeTheWindowAppears)
{
    TMForm form({QStringLiteral("exportar"), QStringLiteral("x")}, iniPath());
    ModalAutopilot user; // cancels the file dialog

    form.show();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(texts(user.messageBoxes()), QStringList{QStringLiteral("No existe archivo")});
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
        TMForm form({QStringLiteral("EXPORTAR"), QStringLiteral("x")}, iniPath());
        ModalAutopilot user(c.file);

        form.show();

        const auto boxes = user.messageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes.front().title, title);
        EXPECT_EQ(boxes.front().icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.front().buttons, QMessageBox::Ok);
        EXPECT_FALSE(boxes.front().hourglass) << "the pointer is back to normal before the report";
        EXPECT_EQ(QFileInfo(form.state().ArchivoXML).canonicalFilePath(), QFileInfo(c.file).canonicalFilePath());
        EXPECT_TRUE(boxes.front().text.contains(c.errorMentions));
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.BExportar->isEnabled());
        EXPECT_TRUE(form.BImportar->isEnabled());
        EXPECT_EQ(readTransformado(iniPath()), std::nullopt);

        EXPECT_TRUE(form.close());
        EXPECT_EQ(readTransformado(iniPath()), 0);
    }
}

// A user of the converter started from Wine may type the file's Windows path,
// here on drive Z:, through which Wine shows the whole Linux file system.
TEST_F(MainWindow, WindowsPathTypedInTheFileDialogOpensTheFile)
{
    const QString folder = prefix.prefix() + QStringLiteral("/Horarios");
    QDir().mkpath(folder);
    const QString file = writeFile(folder + QStringLiteral("/horari.xml"), "<HORARI/>");
    QDir().mkpath(prefix.prefix() + QStringLiteral("/dosdevices"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), prefix.prefix() + QStringLiteral("/dosdevices/z:")));
    const QString typed = QStringLiteral("Z:") + QString(folder).replace(u'/', u'\\') + QStringLiteral("\\HORARI.XML");
    TMForm form({QStringLiteral("exportar"), QStringLiteral("x")}, iniPath());
    ModalAutopilot user(typed);

    form.show();

    // Found and read: the run reports what the file holds, not "No existe archivo".
    const auto boxes = user.messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes.front().text.contains(QStringLiteral("not a GestIB centre document"))) << boxes.front().text.toStdString();
    EXPECT_EQ(QFileInfo(form.state().ArchivoXML).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
}

TEST_F(MainWindow, DrivenModeWithoutADirectionWaitsAndClosingWritesZero)
{
    TMForm form({QStringLiteral("abc"), QStringLiteral("def")}, iniPath());
    ModalAutopilot user;
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(user.seen.empty());

    form.BClose->click();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readTransformado(iniPath()), 0);
}

TEST_F(MainWindow, WindowStaysOpenWhenTheResultFileCannotBeWritten)
{
    writeFile(prefix.prefix() + QStringLiteral("/bin"), "a file, not a folder");
    TMForm form({QStringLiteral("abc"), QStringLiteral("def")}, prefix.prefix() + QStringLiteral("/bin/Velarix.ini"));
    ModalAutopilot user;
    form.show();

    EXPECT_FALSE(form.close());

    EXPECT_TRUE(form.isVisible());
    const auto boxes = user.messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front().icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.front().text.startsWith(QStringLiteral("Unable to write to "))) << boxes.front().text.toStdString();
}

// The window may be asked to close twice: each close writes, the last value
// stands, whether or not the window had appeared.
TEST_F(MainWindow, EveryCloseWritesTheOutcome)
{
    for (const bool shownFirst : {false, true}) {
        SCOPED_TRACE(shownFirst ? "window shown" : "window not shown yet");
        QFile::remove(iniPath());
        TMForm form({QStringLiteral("abc"), QStringLiteral("def")}, iniPath());
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
    TMForm form({}, iniPath());
    form.show();
    ModalAutopilot user;

    form.Button1->click();
    // The message box took the activation; F1 goes to the active window.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);

    EXPECT_EQ(texts(user.messageBoxes()),
              QStringList(2, QStringLiteral("No se encuentra el archivo de ayuda GestIB.chm")));
    QDir::setCurrent(before);
}

TEST_F(MainWindow, HelpFoundInTheWorkingFolderOpensOrSaysThereIsNoViewer)
{
    QTemporaryDir workingFolder;
    const QString before = QDir::currentPath();
    QDir::setCurrent(workingFolder.path());
    writeFile(workingFolder.filePath(QStringLiteral("GestIB.chm")), "ITSF");
    TMForm form({}, iniPath());
    ModalAutopilot user;

    form.Button1->click();

    // The offscreen platform has no viewer for anything.
    EXPECT_EQ(texts(user.messageBoxes()),
              QStringList{QStringLiteral("No hay ningún visor para el archivo de ayuda %1")
                              .arg(QDir(workingFolder.path()).absoluteFilePath(QStringLiteral("GestIB.chm")))});
    QDir::setCurrent(before);
}

TEST_F(MainWindow, QuestionsShowTheirOwnCaptionButtonsAndDefault)
{
    using Answer = UserInteraction::Answer;
    using Buttons = UserInteraction::Buttons;
    const struct {
        UserInteraction::Question question;
        QMessageBox::StandardButtons shownButtons;
        QMessageBox::Icon shownIcon;
    } cases[] = {
        {{QStringLiteral("Atención"), QStringLiteral("¿Crear las líneas?\n\rSí o no"), Buttons::YesNo, Answer::No,
          UserInteraction::Icon::Warning},
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning},
        {{QStringLiteral("Cursos"), QStringLiteral("¿Copiar?"), Buttons::OkCancel, Answer::Ok,
          UserInteraction::Icon::Warning},
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning},
    };
    TMForm form({}, iniPath());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.question.caption.toStdString());
        ModalAutopilot user; // presses the default button

        EXPECT_EQ(form.ask(c.question), c.question.defaultButton);

        const auto boxes = user.messageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes.front().title, c.question.caption);
        EXPECT_EQ(boxes.front().text, QString(c.question.text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
        EXPECT_EQ(boxes.front().buttons, c.shownButtons);
        EXPECT_EQ(boxes.front().icon, c.shownIcon);
    }
}

namespace {
// The main window with a level and course dialog whose user takes the forced
// exit at once: the window is closed in the middle of the run.
class FormWithForcedExit : public TMForm {
public:
    using TMForm::TMForm;
    std::vector<std::optional<int>> writtenAtEachClose;
    QString iniPath;

    void showControlCursos(TControlCursos &) override { closeMainWindow(); }
    void closeMainWindow() override
    {
        TMForm::closeMainWindow();
        writtenAtEachClose.push_back(readTransformado(iniPath));
    }
};
} // namespace

// Closing during a run must neither end the modal windows the run still
// opens nor be lost: the program ends when the run is over.
TEST_F(MainWindow, CloseDuringARunEndsTheProgramOnlyWhenTheRunIsOver)
{
    FormWithForcedExit form({QStringLiteral("abc"), QStringLiteral("def")}, iniPath());
    form.iniPath = iniPath();
    form.show();
    ModalAutopilot user(sample);
    QTimer::singleShot(0, form.BExportar, &QPushButton::click);
    QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });

    EXPECT_EQ(QCoreApplication::exec(), 0) << "the program ended by itself";

    EXPECT_EQ(form.writtenAtEachClose, (std::vector<std::optional<int>>{0, 1}));
    EXPECT_EQ(texts(user.messageBoxes()).last(), QStringLiteral("Proceso finalizado"));
    EXPECT_FALSE(form.isVisible());
}
