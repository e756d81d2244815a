#pragma once

#include "import/Cursos/TableDataSource.h"
#include "import/ImportSummary.h"

#include <QList>
#include <QSet>

namespace centre_import {

// What the level and course grid points out on one row.
struct CursoMarks {
    bool incomplete = false;      // a level or course still blank, after a failed check
    QList<int> collidesWith;      // other rows whose groups would get the same short codes
    QString collisionPrefix;      // the start those codes share
    bool nivelProposed = false;   // filled by the proposal, not yet confirmed
    bool cursoProposed = false;
};

// The rows' proposals that the user has not yet confirmed, by field.
struct PendingProposals {
    QSet<int> nivel;
    QSet<int> curso;
};

// The marks of every row as the grid shows the rows now (the row being
// edited with what has been typed into it). Incomplete rows are marked only
// when `markIncomplete`, once a check has failed.
QList<CursoMarks> markCursos(const TableDataSource &source, bool markIncomplete, const PendingProposals &proposals);

// One line that names the courses whose groups will get the same short
// codes, empty when there are none.
QString collisionWarning(const TableDataSource &source);

// The failed check's message: its first line, then one line per course to
// complete, the first ten of them, and how many more there are.
QString missingDataMessage(const QList<CourseRef> &missing);

} // namespace centre_import
