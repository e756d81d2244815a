#pragma once

#include "app/MainFormLogic.h"
#include "run/MainFormState.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class GradientPanel;
class QLabel;
class QPushButton;
namespace centre_import {
class ImportInteraction;
}

// The main window MForm: one button per direction, help and close, and the
// run state both runs work on. The runs ask the user through the interaction
// the window is given, and close the window through it.
//
// Closing and the end of the program: a close runs FormClose at once, but the
// program may only end once no handler is running any more, because a run
// that asked for the close goes on to its end (with message boxes still to
// come), and quitting would also end their modal loops. So the application
// does not quit on its last window closing; the window quits it itself when
// no handler is running, else the outermost handler does when it ends.
class TMForm : public QWidget {
    Q_OBJECT

public:
    // `parameters`: the command line after the program's name and Qt's own
    // options. `resultFile`: where driven mode writes its outcome.
    TMForm(centre_import::ImportInteraction &ui, const QStringList &parameters, const QString &resultFile = velarixIniPath());
    ~TMForm() override;

    MainFormState &state() { return m_state; }

    // A show runs FormShow first, while the window is still invisible, so a
    // driven run takes place before the window appears; a run that closed the
    // window leaves it unshown.
    void setVisible(bool visible) override;

    // Closes the window as a run asks: FormClose runs at once, and the
    // program ends once no handler is running any more.
    void closeMainWindow();

    // What the program ends with: 0, or resultNotWritten once a driven close
    // could not write the outcome, so that a caller can tell.
    int exitStatus() const { return m_exitStatus; }
    static constexpr int resultNotWritten = 1;

    // Components, named as the form definition names them.
    GradientPanel *Draw3D1;
    GradientPanel *Draw3D2;
    QPushButton *BExportar;
    QPushButton *BClose;
    QLabel *Label3;
    GradientPanel *Draw3D3;
    QLabel *Label4;
    QPushButton *BImportar;
    QLabel *Label1;
    QPushButton *Button1;
    // Shown once a run has finished: how to start another.
    QLabel *finishedNote;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BExportarClick();
    void BImportarClick();
    void Button1Click();

    void runEventHandler(const std::function<void()> &handler);
    void acceptClose();
    void centreOnScreen();

    centre_import::ImportInteraction &m_ui;
    MainFormState m_state;
    QStringList m_parameters;
    QString m_resultFile;
    int m_handlerDepth = 0;
    bool m_quitPending = false;
    bool m_closed = false;
    int m_exitStatus = 0;
};
