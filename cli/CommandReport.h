#pragma once

#include "cli/CursosAnswers.h"
#include "cli/ExitStatus.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What a command did or found, for the person (text) and for scripts (JSON).
struct CommandReport {
    QString command;
    ExitStatus status = ExitStatus::Done;
    QString error; // the message of the error that ended the command
    // The run's own summary, as the window shows it, once the run finished.
    std::optional<QJsonObject> summary;
    QStringList summaryLines;
    // comprobar: the first of the summary's lines is the check's verdict,
    // which comes before the warnings it speaks of.
    bool verdictFirst = false;
    // What the run's summary warns of, each line saying what to do.
    QStringList warnings;
    // The courses left without level or course, which stopped the import.
    std::vector<CourseAnswer> withoutLevel;
    // The levels file's courses that the document does not have.
    std::vector<UnknownCourse> unknownCourses;
    // The levels file, and its levels written with lower-case letters.
    QString levelsFile;
    std::vector<LowerCaseLevel> lowerCaseLevels;
    // comprobar --solucion: the timetable export's look-ups of the solution's
    // codes in the tables the import would write, by look-up.
    std::optional<QJsonObject> unmatched;
};

// The warnings of the run and of the solution's codes that no table holds,
// in the order the window shows them, then those of the levels file.
QStringList reportWarnings(const CommandReport &report);

// The warnings, the summary's lines and the solution's codes that no table
// holds; the courses without level are left to missingCoursesText, for
// standard error.
QString reportText(const CommandReport &report);
QJsonObject reportJson(const CommandReport &report);

// The courses without level or course, one a line, code and description.
QString missingCoursesText(const std::vector<CourseAnswer> &courses);
