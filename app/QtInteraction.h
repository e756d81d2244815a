#pragma once

#include "import/ImportInteraction.h"

#include <QMessageBox>
#include <QPointer>

#include <memory>

class QFileDialog;
class SummaryWindow;
class QWidget;

// What a run asks of and shows to the user, with Qt's dialogs and message
// boxes over the main window. The main window closes itself when a run asks
// (setMainWindowClose).
//
// Every window that waits for the user is centred over the main window, or on
// the screen while the main window is hidden (a driven run happens before it
// appears), and shows the normal pointer even while a run has the hourglass
// on; the hourglass comes back when the user has answered.
class QtInteraction : public centre_import::ImportInteraction {
public:
    explicit QtInteraction(QWidget *mainWindow = nullptr);

    // The main window the dialogs belong to; it is made after its interaction.
    void setMainWindow(QWidget *mainWindow);

    std::optional<QString> chooseOpenFile(const OpenFileDialog &dialog) override;
    void showMessage(const QString &text) override;
    void showNoFile(const QString &text, const QString &path, const QString &hint) override;
    void showSummary(const QString &text, const RunSummary &summary) override;
    Answer ask(const Question &question) override;
    void showError(const QString &text) override;
    void setHourglass(bool on) override;
    void showControlCursos(centre_import::TControlCursos &dialog) override;

    // The dialogs as they are shown, configured and not yet open.
    std::unique_ptr<QFileDialog> fileDialog(const OpenFileDialog &dialog) const;
    std::unique_ptr<QMessageBox> messageBox(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) const;
    // An import's summary that names a backup of the set it replaced offers
    // to undo the import.
    std::unique_ptr<SummaryWindow> summaryWindow(const QString &text, const RunSummary &summary);

    // What a message box allows beside its caption for the title bar's icon
    // and buttons, in lines of the caption's font.
    static constexpr int titleBarAllowance = 6;

    // The caption of every plain message and error report.
    static const QString applicationTitle;

    // Names the application for the window system: its task-bar entry and the
    // caption of its message boxes.
    static void setApplicationTitle();

private:
    // What the dialogs are centred over: the main window when it is shown,
    // else nothing, which centres them on the screen.
    QWidget *dialogParent() const;

    QPointer<QWidget> m_mainWindow;
};
