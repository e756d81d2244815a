#include "app/QtInteraction.h"
#include "run/MainFormState.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/import/Cursos/CursosTables.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace centre_import;

// The real Qt dialogs behind the interaction, on the offscreen platform. Each
// test acts on a dialog once, from its own event loop, as soon as it is up.

namespace {
using Answer = UserInteraction::Answer;
using Buttons = UserInteraction::Buttons;

// What a dialog looked like while it waited for the user.
struct Seen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QPoint centre;
    QSize size;
    QWidget *parent = nullptr;
    std::optional<Qt::CursorShape> pointer; // the override pointer, if any
};

// Notes how the modal window that comes up next looks, then lets `answer`
// end it (by default its default button, or a close).
Seen &whenUp(Seen &seen, std::function<void(QWidget *)> answer = {})
{
    QTimer::singleShot(0, [&seen, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return ADD_FAILURE() << "no modal window is up";
        seen.caption = modal->windowTitle();
        seen.centre = modal->frameGeometry().center();
        seen.size = modal->frameGeometry().size();
        seen.parent = modal->parentWidget();
        if (const QCursor *cursor = QApplication::overrideCursor())
            seen.pointer = cursor->shape();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
        }
        if (answer)
            answer(modal);
        else if (auto *box = qobject_cast<QMessageBox *>(modal); box && box->defaultButton())
            box->defaultButton()->click();
        else
            modal->close();
    });
    return seen;
}

class QtDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    void TearDown() override
    {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    QtInteraction ui;
};
} // namespace

TEST_F(QtDialogs, QuestionsShowTheirOwnCaptionButtonsAndDefault)
{
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
    for (const auto &c : cases) {
        SCOPED_TRACE(c.question.caption.toStdString());
        Seen seen;
        whenUp(seen); // presses the default button

        EXPECT_EQ(ui.ask(c.question), c.question.defaultButton);

        EXPECT_EQ(seen.caption, c.question.caption);
        EXPECT_EQ(seen.text, QString(c.question.text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
        EXPECT_EQ(seen.buttons, c.shownButtons);
        EXPECT_EQ(seen.icon, c.shownIcon);
    }
}

TEST_F(QtDialogs, MessagesAndErrorReportsBearTheApplicationTitleAlone)
{
    const struct {
        const char *name;
        std::function<void(QtInteraction &)> show;
        QMessageBox::Icon icon;
    } cases[] = {
        {"plain message", [](QtInteraction &ui) { ui.showMessage(QStringLiteral("Proceso finalizado")); },
         QMessageBox::NoIcon},
        {"error report", [](QtInteraction &ui) { ui.showError(QStringLiteral("Tabla bloqueada.")); },
         QMessageBox::Critical},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        whenUp(seen);

        c.show(ui);

        EXPECT_EQ(seen.caption, QStringLiteral("TransTarquoIB"));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    }
}

// "No existe archivo" first, the file looked for under it, what to choose
// instead below, beside the information icon.
TEST_F(QtDialogs, NoFileNamesThePathWithTheInformationIcon)
{
    const QString path = QStringLiteral("/home/ana/horaris/nou.xml");
    const QString hint = QStringLiteral("Elija el archivo de GestIB.");
    QString informative;
    Seen seen;
    whenUp(seen, [&](QWidget *modal) {
        informative = static_cast<QMessageBox *>(modal)->informativeText();
        static_cast<QMessageBox *>(modal)->defaultButton()->click();
    });

    ui.showNoFile(QStringLiteral("No existe archivo"), path, hint);

    EXPECT_EQ(seen.caption, QStringLiteral("TransTarquoIB"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.text.split(u'\n'), (QStringList{QStringLiteral("No existe archivo"), path}));
    EXPECT_EQ(informative, hint);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

// However short its text, a message box leaves its caption the room of the
// caption and a title bar's icon and buttons.
TEST_F(QtDialogs, MessageBoxesLeaveRoomForTheirCaption)
{
    const struct {
        QString caption, text;
    } cases[] = {
        {QStringLiteral("TransTarquoIB"), QStringLiteral("No")},
        {QStringLiteral("Recuperación de Niveles y Cursos importados anteriormente"), QStringLiteral("¿Sí?")},
        {QStringLiteral("Recuperació de Nivells i Cursos importats anteriorment"), QStringLiteral("Sí?")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        const auto box = ui.messageBox(QMessageBox::Warning, c.caption, c.text, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::Yes);
        box->show();
        QFont bold = box->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        EXPECT_GE(box->width(), metrics.horizontalAdvance(c.caption) + 4 * metrics.height());
        box->close();
    }
}

// A display name would be appended by the window system to every caption.
TEST_F(QtDialogs, TheApplicationHasATitleButNoDisplayName)
{
    QtInteraction::setApplicationTitle();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("TransTarquoIB"));
    // Without a display name of its own, Qt derives it from the name.
    QCoreApplication::setApplicationName(QStringLiteral("derived"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("derived"));
    QtInteraction::setApplicationTitle();
}

TEST_F(QtDialogs, FileDialogOpensInTheFolderWithTheFilterAndExtension)
{
    TempWinePrefix prefix;
    const QString saga = prefix.vtemp() + QStringLiteral("/saga");
    QDir().mkpath(saga);

    const auto dialog = ui.fileDialog({QStringLiteral("Seleccionar Archivo XML obtenido de GESTIB"),
                                       QStringLiteral("*.xml|*.xml"), QStringLiteral("xml"), saga});

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Seleccionar Archivo XML obtenido de GESTIB"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("*.xml (*.xml)")});
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("xml"));
    EXPECT_EQ(dialog->directory().absolutePath(), saga);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile) << "the runs test the file's existence themselves";
    EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("purposeNote")), nullptr) << "no note asked for";
}

// A run that says what the file is for gets a line in the dialog.
TEST_F(QtDialogs, FileDialogShowsTheNoteOfItsPurpose)
{
    UserInteraction::OpenFileDialog request{QStringLiteral("Elegir"), QStringLiteral("*.xml|*.xml"),
                                            QStringLiteral("xml"), QDir::tempPath()};
    request.note = QStringLiteral("«SolucioHorari.xml» se guarda en la carpeta del archivo que elija.");

    const auto dialog = ui.fileDialog(request);
    dialog->show();

    const auto *note = dialog->findChild<QLabel *>(QStringLiteral("purposeNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), request.note);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Elegir"));
    dialog->close();
}

// A user of the converter started from Wine may also type the file's Windows
// path, here on drive Z:, through which Wine shows the whole Linux file system.
TEST_F(QtDialogs, FileDialogGivesTheTypedFileOrNothingWhenCancelled)
{
    TempWinePrefix prefix;
    const QString folder = prefix.prefix() + QStringLiteral("/Horarios");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/horari.xml");
    QFile(file).open(QIODevice::WriteOnly);
    QDir().mkpath(prefix.prefix() + QStringLiteral("/dosdevices"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), prefix.prefix() + QStringLiteral("/dosdevices/z:")));
    const QString windowsPath = QStringLiteral("Z:") + QString(folder).replace(u'/', u'\\') + QStringLiteral("\\HORARI.XML");
    const QString missing = prefix.vtempFile(QStringLiteral("centre.xml"));
    const UserInteraction::OpenFileDialog request{QStringLiteral("Elegir"), QStringLiteral("*.xml|*.xml"),
                                                  QStringLiteral("xml"), prefix.vtemp()};
    const auto typing = [](const QString &text) {
        return [text](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(text);
            static_cast<QDialog *>(dialog)->accept();
        };
    };
    const struct {
        const char *name;
        std::function<void(QWidget *)> answer;
        std::optional<QString> chosen;
    } cases[] = {
        {"a full path, of a file yet to be tested", typing(missing), missing},
        {"a Windows path on drive Z:", typing(windowsPath), QFileInfo(file).canonicalFilePath()},
        {"cancelled", [](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); }, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        whenUp(seen, c.answer);
        std::optional<QString> chosen = ui.chooseOpenFile(request);
        if (chosen && QFileInfo::exists(*chosen))
            chosen = QFileInfo(*chosen).canonicalFilePath();
        EXPECT_EQ(chosen, c.chosen);
    }
}

// Over the main window when it is shown; on the screen while it is hidden, as
// in a driven run, whatever place the hidden window holds. (A dialog larger
// than the room around the window is kept on the screen, so only whether it
// belongs to the window is checked for those.)
TEST_F(QtDialogs, DialogsAreCentredOverTheMainWindowOrOnTheScreen)
{
    QWidget mainWindow;
    mainWindow.setGeometry(20, 30, 300, 200);
    ui.setMainWindow(&mainWindow);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() < 60; };

    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "main window shown" : "main window hidden");
        mainWindow.setVisible(shown);
        const QRect over = shown ? mainWindow.frameGeometry() : screen;
        const std::pair<const char *, std::function<void()>> shows[] = {
            {"message", [&] { ui.showMessage(QStringLiteral("Proceso finalizado")); }},
            {"question", [&] { ui.ask({QStringLiteral("Pregunta"), QStringLiteral("¿Sí?")}); }},
            {"file dialog", [&] { ui.chooseOpenFile({QStringLiteral("Elegir"), QStringLiteral("*.xml|*.xml"),
                                                     QStringLiteral("xml"), QDir::tempPath()}); }},
        };
        for (const auto &[name, show] : shows) {
            SCOPED_TRACE(name);
            Seen seen;
            whenUp(seen);
            show();
            EXPECT_EQ(seen.parent, shown ? &mainWindow : nullptr);
            if (seen.size.width() <= over.width() && seen.size.height() <= over.height()) {
                EXPECT_TRUE(near(seen.centre, over.center()))
                    << "centre " << seen.centre.x() << "," << seen.centre.y() << " expected " << over.center().x()
                    << "," << over.center().y();
            }
        }
    }
}

// While a run has the hourglass on, the user is waited for under the normal
// pointer, and the hourglass comes back once the user has answered.
TEST_F(QtDialogs, NormalPointerWhileTheUserIsWaitedFor)
{
    TempWinePrefix prefix;
    // Complete, so that closing the dialog ends it without a further message.
    writeCursosTable(QStringLiteral("CURSOST.DBF"), {{"101", "1r ESO", "ESO", "1"}});
    MainFormState form;
    TControlCursos cursos(form.result, ui, form.workingFolder);
    const std::pair<const char *, std::function<void()>> waits[] = {
        {"question", [&] { ui.ask({QStringLiteral("Pregunta"), QStringLiteral("¿Sí?")}); }},
        {"message", [&] { ui.showMessage(QStringLiteral("Proceso finalizado")); }},
        {"file dialog", [&] { ui.chooseOpenFile({QStringLiteral("Elegir"), QStringLiteral("*.xml|*.xml"),
                                                 QStringLiteral("xml"), prefix.vtemp()}); }},
        {"level and course dialog", [&] { ui.showControlCursos(cursos); }},
    };
    ui.setHourglass(true);
    for (const auto &[name, wait] : waits) {
        SCOPED_TRACE(name);
        Seen seen;
        whenUp(seen);
        wait();
        EXPECT_EQ(seen.pointer, Qt::ArrowCursor);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << "the hourglass is back";
    }
    ui.setHourglass(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
