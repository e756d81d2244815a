#include "app/QtInteraction.h"

#include "app/Cursos/ControlCursosWindow.h"
#include "app/SummaryWindow.h"
#include "import/ImportSummary.h"
#include "run/RunSummary.h"
#include "import/UndoImport.h"
#include "platform/WinPath.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QSpacerItem>

const QString QtInteraction::applicationTitle = QStringLiteral("TransTarquoIB");

namespace {
// "description|pattern|description|pattern", patterns separated by ';', as
// Windows file dialogs take them, in Qt's "description (pattern pattern)" form.
QString qtNameFilters(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i), parts.at(i + 1).split(QLatin1Char(';')).join(u' '));
    return filters.join(QStringLiteral(";;"));
}

// The file chosen in the dialog. Qt takes a typed name for one in the folder
// shown, Windows paths too ("Z:\centre.xml" becomes "/home/ana/Z:\centre.xml"),
// so a Windows path typed in is found as a Windows program under Wine would find it.
QString chosenFile(const QFileDialog &dialog)
{
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString typed = dialog.directory().relativeFilePath(chosen);
    if (QFileInfo::exists(chosen) || !winpath::isWindowsPath(typed))
        return chosen;
    return winpath::toLocal(typed);
}

// Message texts break lines with LF CR, as the timetabling world writes them;
// a Qt label would show the CR as a second break.
QString displayText(QString text)
{
    return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

QMessageBox::StandardButton standardButton(UserInteraction::Answer answer)
{
    switch (answer) {
    case UserInteraction::Answer::Ok: return QMessageBox::Ok;
    case UserInteraction::Answer::Cancel: return QMessageBox::Cancel;
    case UserInteraction::Answer::Yes: return QMessageBox::Yes;
    case UserInteraction::Answer::No: return QMessageBox::No;
    case UserInteraction::Answer::Closed: break;
    }
    return QMessageBox::NoButton;
}

UserInteraction::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return UserInteraction::Answer::Ok;
    case QMessageBox::Cancel: return UserInteraction::Answer::Cancel;
    case QMessageBox::Yes: return UserInteraction::Answer::Yes;
    case QMessageBox::No: return UserInteraction::Answer::No;
    default: return UserInteraction::Answer::Closed;
    }
}

QMessageBox::Icon messageIcon(UserInteraction::Icon icon)
{
    switch (icon) {
    case UserInteraction::Icon::Information: return QMessageBox::Information;
    case UserInteraction::Icon::Warning: return QMessageBox::Warning;
    case UserInteraction::Icon::Error: return QMessageBox::Critical;
    case UserInteraction::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Qt fits a message box to its text and leaves little more than the caption's
// own width for it, while the window manager's title bar also holds an icon
// and buttons: a long caption over a short text ("Recuperación de Niveles y
// Cursos importados anteriormente"), or even the application title over a
// one-word text, would lose its end. A title bar's font is usually bold.
void makeRoomForCaption(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    int width = metrics.horizontalAdvance(box.windowTitle()) + QtInteraction::titleBarAllowance * metrics.height();
    if (const QScreen *screen = box.screen())
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// The normal pointer while the user is waited for, over the hourglass of a
// run that is going on; the hourglass comes back afterwards.
class NormalPointer {
public:
    NormalPointer()
        : m_overHourglass(QApplication::overrideCursor() != nullptr)
    {
        if (m_overHourglass)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer()
    {
        if (m_overHourglass)
            QApplication::restoreOverrideCursor();
    }
    NormalPointer(const NormalPointer &) = delete;
    NormalPointer &operator=(const NormalPointer &) = delete;

private:
    bool m_overHourglass;
};

int execWaitingForTheUser(QDialog &dialog)
{
    const NormalPointer pointer;
    return dialog.exec();
}
} // namespace

QtInteraction::QtInteraction(QWidget *mainWindow)
    : m_mainWindow(mainWindow)
{
}

void QtInteraction::setMainWindow(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
}

void QtInteraction::setApplicationTitle()
{
    QCoreApplication::setApplicationName(applicationTitle);
    // No display name: the window system would append it to every caption
    // (" — TransTarquoIB"), and the captions are to be shown as they stand.
}

QWidget *QtInteraction::dialogParent() const
{
    return m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow.data() : nullptr;
}

std::unique_ptr<QFileDialog> QtInteraction::fileDialog(const OpenFileDialog &dialog) const
{
    auto fileDialog = std::make_unique<QFileDialog>(dialogParent(), dialog.title, QString(),
                                                    qtNameFilters(dialog.filter));
    // Given a folder that does not exist, Qt would open its parent with the
    // folder's name typed in as the file name; the dialog then opens in the
    // working directory instead.
    if (QFileInfo(dialog.initialFolder).isDir())
        fileDialog->setDirectory(dialog.initialFolder);
    fileDialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The runs test the file's existence themselves and answer "No existe archivo".
    fileDialog->setFileMode(QFileDialog::AnyFile);
    fileDialog->setDefaultSuffix(dialog.defaultExtension);
    if (!dialog.note.isEmpty()) {
        // Qt's own dialog, which a line can be added to; a system's dialog
        // would leave it out.
        fileDialog->setOption(QFileDialog::DontUseNativeDialog);
        if (auto *grid = qobject_cast<QGridLayout *>(fileDialog->layout())) {
            auto *note = new QLabel(dialog.note, fileDialog.get());
            note->setObjectName(QStringLiteral("purposeNote"));
            note->setWordWrap(true);
            QFont bold = note->font();
            bold.setBold(true);
            note->setFont(bold);
            grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    return fileDialog;
}

std::unique_ptr<QMessageBox> QtInteraction::messageBox(QMessageBox::Icon icon, const QString &caption,
                                                       const QString &text, QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton) const
{
    auto box = std::make_unique<QMessageBox>(icon, caption, displayText(text), buttons, dialogParent());
    box->setDefaultButton(defaultButton);
    makeRoomForCaption(*box);
    return box;
}

std::optional<QString> QtInteraction::chooseOpenFile(const OpenFileDialog &dialog)
{
    const std::unique_ptr<QFileDialog> files = fileDialog(dialog);
    if (execWaitingForTheUser(*files) != QDialog::Accepted || files->selectedFiles().isEmpty())
        return std::nullopt;
    return chosenFile(*files);
}

void QtInteraction::showMessage(const QString &text)
{
    execWaitingForTheUser(*messageBox(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, QMessageBox::Ok));
}

void QtInteraction::showNoFile(const QString &text, const QString &path, const QString &hint)
{
    const QString where = path.isEmpty() ? text : text + QLatin1Char('\n') + QDir::toNativeSeparators(path);
    const std::unique_ptr<QMessageBox> box
        = messageBox(QMessageBox::Information, applicationTitle, where, QMessageBox::Ok, QMessageBox::Ok);
    // Paths have no blanks to break at: the box grows with them instead.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setInformativeText(displayText(hint));
    execWaitingForTheUser(*box);
}

std::unique_ptr<SummaryWindow> QtInteraction::summaryWindow(const QString &text, const RunSummary &summary)
{
    auto window = std::make_unique<SummaryWindow>(applicationTitle, displayText(text), summary, dialogParent());
    if (const auto *import = dynamic_cast<const ImportSummary *>(&summary); import && !import->backup.isEmpty())
        // The window's runs work on the usual working folder.
        window->offerUndo([this, backup = import->backup] {
            return centre_import::undoImport(winpath::WorkingFolder(), backup, *this)
                == centre_import::UndoOutcome::Restored;
        });
    return window;
}

void QtInteraction::showSummary(const QString &text, const RunSummary &summary)
{
    execWaitingForTheUser(*summaryWindow(text, summary));
}

UserInteraction::Answer QtInteraction::ask(const Question &question)
{
    const QMessageBox::StandardButtons buttons = question.buttons == Buttons::YesNo
                                                     ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok | QMessageBox::Cancel;
    return answerOf(execWaitingForTheUser(*messageBox(messageIcon(question.icon), question.caption, question.text,
                                                      buttons, standardButton(question.defaultButton))));
}

void QtInteraction::showError(const QString &text)
{
    execWaitingForTheUser(
        *messageBox(QMessageBox::Critical, applicationTitle, text, QMessageBox::Ok, QMessageBox::Ok));
}

void QtInteraction::setHourglass(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void QtInteraction::showControlCursos(centre_import::TControlCursos &dialog)
{
    const NormalPointer pointer;
    showControlCursosModal(dialog, m_mainWindow);
}
