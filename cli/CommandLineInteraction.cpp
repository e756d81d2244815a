#include "cli/CommandLineInteraction.h"

#include "cli/PathProblem.h"
#include "import/ImportSummary.h"
#include "run/RunSummary.h"
#include "run/WorkingFolder.h"
#include "import/CompareSets.h"
#include "import/Cursos/TControlCursos.h"
#include "platform/WinPath.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>
#include <unistd.h>

using centre_import::TControlCursos;

namespace {
QString answerName(UserInteraction::Answer answer)
{
    switch (answer) {
    case UserInteraction::Answer::Ok: return QCoreApplication::translate("CommandLineInteraction", "Aceptar");
    case UserInteraction::Answer::Cancel: return QCoreApplication::translate("CommandLineInteraction", "Cancelar");
    case UserInteraction::Answer::Yes: return QCoreApplication::translate("CommandLineInteraction", "Sí");
    case UserInteraction::Answer::No: return QCoreApplication::translate("CommandLineInteraction", "No");
    case UserInteraction::Answer::Closed: break;
    }
    return QCoreApplication::translate("CommandLineInteraction", "sin respuesta");
}
} // namespace

void printError(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    std::fputs(qPrintable(shown + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

void printFailure(const QString &message)
{
    printError(QStringLiteral("transtarquoib-cli: ") + message);
}

CommandLineInteraction::CommandLineInteraction(Answers answers)
    : m_answers(std::move(answers))
    , m_terminal(isatty(fileno(stderr)) != 0)
{
}

const std::vector<CourseAnswer> &CommandLineInteraction::withoutLevel() const
{
    return m_withoutLevel;
}

const std::optional<QJsonObject> &CommandLineInteraction::summary() const
{
    return m_summary;
}

const QStringList &CommandLineInteraction::summaryLines() const
{
    return m_summaryLines;
}

const std::vector<UnknownCourse> &CommandLineInteraction::unknownCourses() const
{
    return m_unknownCourses;
}

const QStringList &CommandLineInteraction::warnings() const
{
    return m_warnings;
}

std::optional<QString> CommandLineInteraction::chooseOpenFile(const OpenFileDialog &)
{
    return m_answers.file;
}

void CommandLineInteraction::showMessage(const QString &text)
{
    printError(text);
}

// The command names the file as it was given, and the cause when it is not a
// missing file.
void CommandLineInteraction::showNoFile(const QString &text, const QString &, const QString &)
{
    printError(m_answers.file ? unusableFileText(*m_answers.file) : text);
}

// The message goes as any other; the command reports the figures itself.
void CommandLineInteraction::showSummary(const QString &text, const RunSummary &summary)
{
    if (!m_answers.checkOnly)
        showMessage(text);
    // A check imports into a scratch folder: the copy it made there of the
    // tables it replaced is gone with it, and is no copy of the user's.
    std::optional<ImportSummary> check;
    if (const auto *import = dynamic_cast<const ImportSummary *>(&summary); import && m_answers.checkOnly) {
        check = *import;
        check->checkOnly = true;
        check->backup.clear();
        check->replaced = m_answers.checkedSet;
        check->codeChanges.clear();
        check->createdFolder = m_answers.checkedFolderMissing ? m_answers.checkedFolder : QString();
        if (check->replaced)
            check->codeChanges = centre_import::compareSets(m_answers.checkedFolder, m_answers.scratchFolder);
    }
    const RunSummary &shown = check ? *check : summary;
    m_summary = shown.toJson();
    m_summaryLines = shown.lines();
    m_warnings = shown.warnings();
}

// The two questions of the centre import are answered from the options; any
// other takes its default button, and says so.
UserInteraction::Answer CommandLineInteraction::ask(const Question &question)
{
    Answer answer = question.defaultButton;
    if (question.topic == Topic::RecoverLevels)
        answer = m_answers.recover ? Answer::Yes : Answer::No;
    else if (question.topic == Topic::CreateLines)
        answer = m_answers.createLines ? Answer::Ok : Answer::Cancel;
    progress(QStringLiteral("%1: %2").arg(question.caption, answerName(answer)));
    return answer;
}

void CommandLineInteraction::showError(const QString &text)
{
    m_errors << text;
    printFailure(text);
}

void CommandLineInteraction::setHourglass(bool on)
{
    if (on)
        progress(QCoreApplication::translate("CommandLineInteraction", "Trabajando…"));
    else
        progress(m_answers.checkOnly ? QCoreApplication::translate("CommandLineInteraction", "Comprobación terminada.")
                                     : QCoreApplication::translate("CommandLineInteraction", "Tablas terminadas."));
}

// One pass as the window runs it: FormShow (with the recovery question), the
// grid takes the focus, the answers are typed, and OK. A course left without
// level or course takes the forced exit instead of a failed pass, since nobody
// could complete it in the next one; the import ends there.
void CommandLineInteraction::showControlCursos(TControlCursos &dialog)
{
    const qsizetype errorsBefore = m_errors.size();
    dialog.FormShow();
    dialog.enterGrid();
    const std::vector<CourseAnswer> courses = answerCursos(dialog.wwDataSource1, m_answers.levels);
    m_unknownCourses = ::unknownCourses(m_answers.levels, courses);
    for (const UnknownCourse &course : m_unknownCourses)
        printError(
            QCoreApplication::translate("CommandLineInteraction",
                                        "Aviso: %1, línea %2: el documento no tiene el curso %3; la línea no se usa.")
                .arg(m_answers.levelsFile)
                .arg(course.line)
                .arg(course.codi));
    m_withoutLevel = coursesWithoutLevel(courses);
    if (!m_withoutLevel.empty()) {
        dialog.pressForcedExit();
        return;
    }
    dialog.pressOk();
    // The window would go on after an error inside the dialog; a command stops,
    // so that it never reports done for answers that were not stored.
    if (m_errors.size() > errorsBefore)
        throw DialogFailed(m_errors.back().toStdString());
    progress(courses.size() == 1
                 ? QCoreApplication::translate("CommandLineInteraction", "Niveles y cursos: 1 curso con nivel y curso.")
                 : QCoreApplication::translate("CommandLineInteraction",
                                               "Niveles y cursos: %1 cursos con nivel y curso.")
                       .arg(courses.size()));
}

// Progress on a terminal only: a script reading standard error gets the
// messages and errors alone.
void CommandLineInteraction::progress(const QString &text) const
{
    if (m_terminal)
        printError(text);
}
