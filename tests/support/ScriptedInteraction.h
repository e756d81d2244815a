#pragma once

#include "export/ExportSummary.h"
#include "import/ImportSummary.h"
#include "import/ImportInteraction.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// The user, scripted: answers come from queues filled by the test, and
// everything shown is recorded in order, texts exactly as they were shown.
class ScriptedInteraction : public centre_import::ImportInteraction {
public:
    // What the file dialog returns, in order; nothing (cancel) when the queue is empty.
    std::deque<std::optional<QString>> fileChoices;
    // Answers to questions, in order; Closed when the queue is empty.
    std::deque<Answer> answers;
    // One action per pass of the level and course dialog. Each gets the dialog
    // after its FormShow has run and the grid has taken the focus (the current
    // row in edit state), as in the real window, and must end the pass (OK, forced exit or
    // leaving it alone, which closes it by other means). With the queue empty
    // the pass fills every blank NIVEL and CURSO and presses OK.
    std::deque<std::function<void(centre_import::TControlCursos &)>> cursosPasses;
    // Runs when the main window is asked to close, after the main window (if
    // there is one) has handled the close.
    std::function<void()> onCloseMainWindow;

    struct Shown {
        enum Kind { FileDialog, Message, Question, Error, ControlCursos, Close } kind;
        QString text;    // message, question or error text; dialog title
        QString caption; // questions only
        Buttons buttons = Buttons::YesNo;
        Answer defaultButton = Answer::Ok;
        Icon icon = Icon::None;
        bool hourglass = false; // whether the run had the hourglass on meanwhile
        QString path = {};      // the file a no-file message names
        QString hint = {};      // and what it says to choose instead
    };
    std::vector<Shown> shown;
    int hourglassDepth = 0; // on minus off
    std::vector<bool> hourglassCalls;
    OpenFileDialog lastFileDialog;
    // The summary of the latest finished run, of the kind it was, and the
    // warnings and details shown with its message.
    QStringList summaryWarnings;
    QStringList summaryDetails;
    std::optional<ImportSummary> importSummary;
    std::optional<ExportSummary> exportSummary;

    QStringList messages() const; // texts of plain messages, in order
    QStringList errors() const;   // texts of error reports, in order
    QStringList questions() const;
    int closeRequests() const;

    std::optional<QString> chooseOpenFile(const OpenFileDialog &dialog) override;
    void showMessage(const QString &text) override;
    void showNoFile(const QString &text, const QString &path, const QString &hint) override;
    void showSummary(const QString &text, const RunSummary &summary) override;
    Answer ask(const Question &question) override;
    void showError(const QString &text) override;
    void setHourglass(bool on) override;
    void showControlCursos(centre_import::TControlCursos &dialog) override;
    void closeMainWindow() override;

    // Adds to `shown`, noting whether the hourglass is on.
    void record(Shown s);

    // The default pass, for tests that need it inside their own action.
    static std::function<void(centre_import::TControlCursos &)> defaultCursosPass;
};
