#pragma once

#include "run/BackupManifest.h"

#include "cli/CursosAnswers.h"
#include "cli/LevelsFile.h"
#include "import/ImportInteraction.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

// The user of a run started from the command line: every answer comes from
// the command's arguments and options, and whatever the window would show
// goes to standard error. Nothing waits for a person.
class CommandLineInteraction : public centre_import::ImportInteraction {
public:
    struct Answers {
        std::optional<QString> file;             // the file dialog's answer
        bool recover = true;                     // Yes to the recovery of CURSOST2, as the dialog's default
        bool createLines = true;                 // OK to the subject lines, as the question's default
        QHash<QString, LevelAnswer> levels;      // the levels file, by course code
        QString levelsFile;                      // its path, for the warnings that name its lines
        // comprobar: the run writes into a folder that is thrown away, so its
        // end is not announced as a finished import.
        bool checkOnly = false;
        // comprobar: the working folder the check stands for (local path)
        // and the set it holds, since the run itself replaces a scratch copy.
        QString checkedFolder;
        QString scratchFolder; // where the check's import writes instead
        bool checkedFolderMissing = false;
        std::optional<BackupManifest> checkedSet;
    };

    explicit CommandLineInteraction(Answers answers);

    // The courses that were left without level or course: the dialog was
    // left by its forced exit, which ends the import before the groups.
    const std::vector<CourseAnswer> &withoutLevel() const;
    // What the run did, as its summary gives it at the end of a finished run.
    const std::optional<QJsonObject> &summary() const;
    const QStringList &summaryLines() const;
    // The levels file's courses that the document does not have.
    const std::vector<UnknownCourse> &unknownCourses() const;
    const QStringList &warnings() const;

    std::optional<QString> chooseOpenFile(const OpenFileDialog &dialog) override;
    void showMessage(const QString &text) override;
    void showNoFile(const QString &text, const QString &path, const QString &hint) override;
    void showSummary(const QString &text, const RunSummary &summary) override;
    Answer ask(const Question &question) override;
    void showError(const QString &text) override;
    void setHourglass(bool on) override;
    void showControlCursos(centre_import::TControlCursos &dialog) override;

private:
    void progress(const QString &text) const;

    Answers m_answers;
    std::vector<CourseAnswer> m_withoutLevel;
    std::vector<UnknownCourse> m_unknownCourses;
    std::optional<QJsonObject> m_summary;
    QStringList m_summaryLines;
    QStringList m_warnings;
    QStringList m_errors;
    bool m_terminal;
};

// An error inside the level and course dialog, already shown on standard error.
class DialogFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A line of text on standard error, line breaks as a terminal shows them.
void printError(const QString &text);

// An error that ends the command, or that it reports on its way, on standard
// error after the program's name, as command-line tools say theirs.
void printFailure(const QString &message);
