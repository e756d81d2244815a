#pragma once

#include "run/UserInteraction.h"

class QWidget;

// What a run asks of and shows to the user, with Qt's dialogs and message
// boxes owned by the main window. Closing the main window is left to it.
class QtInteraction : public UserInteraction {
public:
    explicit QtInteraction(QWidget *owner);

    std::optional<QString> chooseOpenFile(const OpenFileDialog &dialog) override;
    void showMessage(const QString &text) override;
    Answer ask(const Question &question) override;
    void showError(const QString &text) override;
    void setHourglass(bool on) override;
    void showControlCursos(TControlCursos &dialog) override;

    // The caption of every plain message and error report.
    static const QString applicationTitle;

private:
    QWidget *m_owner;
};
