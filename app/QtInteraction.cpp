#include "app/QtInteraction.h"

#include "app/Cursos/ControlCursosWindow.h"
#include "platform/WinPath.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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
    case UserInteraction::Icon::Warning: return QMessageBox::Warning;
    case UserInteraction::Icon::Error: return QMessageBox::Critical;
    case UserInteraction::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton showBox(QWidget *owner, QMessageBox::Icon icon, const QString &caption,
                                    const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, displayText(text), buttons, owner);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

QtInteraction::QtInteraction(QWidget *owner)
    : m_owner(owner)
{
}

std::optional<QString> QtInteraction::chooseOpenFile(const OpenFileDialog &dialog)
{
    QFileDialog fileDialog(m_owner, dialog.title, QString(), qtNameFilters(dialog.filter));
    // Given a folder that does not exist, Qt would open its parent with the
    // folder's name typed in as the file name; the dialog then opens in the
    // working directory instead.
    if (QFileInfo(dialog.initialFolder).isDir())
        fileDialog.setDirectory(dialog.initialFolder);
    fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The runs test the file's existence themselves and answer "No existe archivo".
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setDefaultSuffix(dialog.defaultExtension);
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosenFile(fileDialog);
}

void QtInteraction::showMessage(const QString &text)
{
    showBox(m_owner, QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, QMessageBox::Ok);
}

UserInteraction::Answer QtInteraction::ask(const Question &question)
{
    const QMessageBox::StandardButtons buttons = question.buttons == Buttons::YesNo
                                                     ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok | QMessageBox::Cancel;
    return answerOf(showBox(m_owner, messageIcon(question.icon), question.caption, question.text, buttons,
                            standardButton(question.defaultButton)));
}

void QtInteraction::showError(const QString &text)
{
    showBox(m_owner, QMessageBox::Critical, applicationTitle, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtInteraction::setHourglass(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void QtInteraction::showControlCursos(TControlCursos &dialog)
{
    showControlCursosModal(dialog, m_owner);
}
