#include "tests/support/ScriptedInteraction.h"

void ScriptedInteraction::record(Shown s)
{
    s.hourglass = hourglassDepth > 0;
    shown.push_back(std::move(s));
}

QStringList ScriptedInteraction::messages() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == Shown::Message)
            out << s.text;
    return out;
}

QStringList ScriptedInteraction::errors() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == Shown::Error)
            out << s.text;
    return out;
}

QStringList ScriptedInteraction::questions() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == Shown::Question)
            out << s.text;
    return out;
}

int ScriptedInteraction::closeRequests() const
{
    int n = 0;
    for (const Shown &s : shown)
        n += s.kind == Shown::Close;
    return n;
}

std::optional<QString> ScriptedInteraction::chooseOpenFile(const OpenFileDialog &dialog)
{
    lastFileDialog = dialog;
    record({Shown::FileDialog, dialog.title, {}, Buttons::YesNo, Answer::Ok, Icon::None});
    if (fileChoices.empty())
        return std::nullopt;
    std::optional<QString> choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

void ScriptedInteraction::showMessage(const QString &text)
{
    record({Shown::Message, text, {}, Buttons::YesNo, Answer::Ok, Icon::None});
}

// Recorded as a message (through showMessage, as below) with its icon, path and hint.
void ScriptedInteraction::showNoFile(const QString &text, const QString &path, const QString &hint)
{
    showMessage(text);
    shown.back().icon = Icon::Information;
    shown.back().path = path;
    shown.back().hint = hint;
}

// Shown as a plain message (through showMessage, so that a test's own
// recording of messages sees it too), with the warning icon when the run has
// warnings, and the summary's details.
void ScriptedInteraction::showSummary(const QString &text, const RunSummary &summary)
{
    showMessage(text);
    summaryWarnings = summary.warnings();
    if (!shown.empty() && shown.back().kind == Shown::Message && !summaryWarnings.isEmpty())
        shown.back().icon = Icon::Warning;
    summaryDetails = summary.details();
    if (const auto *import = dynamic_cast<const ImportSummary *>(&summary))
        importSummary = *import;
    if (const auto *exported = dynamic_cast<const ExportSummary *>(&summary))
        exportSummary = *exported;
}

UserInteraction::Answer ScriptedInteraction::ask(const Question &question)
{
    record({Shown::Question, question.text, question.caption, question.buttons,
                     question.defaultButton, question.icon});
    if (answers.empty())
        return Answer::Closed;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedInteraction::showError(const QString &text)
{
    record({Shown::Error, text, {}, Buttons::YesNo, Answer::Ok, Icon::Error});
}

void ScriptedInteraction::setHourglass(bool on)
{
    hourglassCalls.push_back(on);
    hourglassDepth += on ? 1 : -1;
}

void ScriptedInteraction::closeMainWindow()
{
    record({Shown::Close, {}, {}, Buttons::YesNo, Answer::Ok, Icon::None});
    UserInteraction::closeMainWindow();
    if (onCloseMainWindow)
        onCloseMainWindow();
}
