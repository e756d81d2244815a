#pragma once

#include "cli/CursosAnswers.h"
#include "cli/ExitStatus.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// What a command did or found, for the person (text) and for scripts (JSON).
struct CommandReport {
    struct TableCount {
        QString table;
        std::optional<int> records; // nothing: the table was not written
    };
    // A short code that is not the one its element would get on its own:
    // its base was already given in the same step, so it was numbered.
    struct CodeChange {
        QString kind; // "asignatura", "profesor", "aula", "grupo"
        QString codi; // the element's GestIB code
        QString base; // the code it would get on its own
        QString code; // the code it gets
    };
    // A code of the solution's sessions that no table row holds.
    struct AbsentCode {
        QString field; // SOLUC's field: PROF, CODGRUPO, AULA, ASIG
        QString code;
        int sessions = 0;
    };

    QString command;
    ExitStatus status = ExitStatus::Done;
    QString error;                     // the message of the error that ended the command
    QList<TableCount> tables;          // exportar, comprobar
    QString output;                    // importar: the "SolucioHorari.xml" written
    std::optional<int> sessions;       // importar: its sessions
    std::vector<CourseAnswer> withoutLevel;
    std::vector<std::vector<CourseAnswer>> collisions;
    std::optional<std::vector<CodeChange>> codeChanges; // comprobar, once the groups are written
    std::optional<std::vector<AbsentCode>> absentCodes; // comprobar --solucion
};

// The courses without level are left to missingCoursesText, for standard error.
QString reportText(const CommandReport &report);
QJsonObject reportJson(const CommandReport &report);

// The courses without level or course, one a line, code and description.
QString missingCoursesText(const std::vector<CourseAnswer> &courses);
