#pragma once

#include <QString>

#include <functional>
#include <optional>

class RunSummary;

// What every run asks of the user or shows to the user. Run logic never opens
// a window itself: the main window implements this with Qt widgets, tests
// implement it with a script of answers and a record of what was shown.
// Texts arrive exactly as the user must see them (line breaks are LF CR).
class UserInteraction {
public:
    enum class Buttons { YesNo, OkCancel };
    enum class Icon { None, Information, Warning, Error };
    enum class Answer { Ok, Cancel, Yes, No, Closed };

    struct OpenFileDialog {
        QString title;
        QString filter;           // "*.xml|*.xml": description|pattern
        QString defaultExtension; // "xml"
        QString initialFolder;    // a local path
        QString note = {};        // a line in the dialog on what the file is for; none when empty
    };

    // What a question decides, so that a front end that answers by itself
    // (the command line, from its options) knows it without reading words.
    enum class Topic { Other, RecoverLevels, CreateLines, UndoImport };

    struct Question {
        QString caption;
        QString text;
        Buttons buttons = Buttons::YesNo;
        Answer defaultButton = Answer::Yes;
        Icon icon = Icon::Warning;
        Topic topic = Topic::Other;
    };

    virtual ~UserInteraction() = default;

    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> chooseOpenFile(const OpenFileDialog &dialog) = 0;

    // A plain message: the application title as caption, no icon, one OK button.
    virtual void showMessage(const QString &text) = 0;

    // No file where a run looked: `text` ("No existe archivo") first, then
    // `path`, the file looked for (none after a cancelled dialog), then `hint`
    // on what to choose instead (none when empty), with the information icon,
    // the application title as caption and one OK button. Without a window of
    // its own, the interaction shows them as one message, a line each.
    virtual void showNoFile(const QString &text, const QString &path, const QString &hint);

    // The end of a finished run: `text` ("Proceso finalizado", with the
    // count of warnings when there are any) and the summary's details. A
    // clean run's message is plain; one with warnings bears the warning icon.
    virtual void showSummary(const QString &text, const RunSummary &summary) = 0;

    // A question with its own caption, buttons, default button and icon.
    virtual Answer ask(const Question &question) = 0;

    // The standard error report: application title, error icon, OK. The text
    // is already completed by standardErrorText.
    virtual void showError(const QString &text) = 0;

    // The hourglass pointer, on or back to normal.
    virtual void setHourglass(bool on) = 0;

    // Asks the main window to close: its close handling runs at once, and the
    // program ends once control is back in the event loop. Without a main
    // window (setMainWindowClose) nothing closes.
    virtual void closeMainWindow();

    // The main window that runs with this interaction says here how it closes.
    void setMainWindowClose(std::function<void()> close);

private:
    std::function<void()> m_closeMainWindow;
};

// The message of the standard error report: the error's own message, with a
// full stop added when its last character's code is above that of ".".
QString standardErrorText(const QString &message);
