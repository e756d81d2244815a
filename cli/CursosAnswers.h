#pragma once

#include "cli/LevelsFile.h"

#include <QHash>
#include <QString>

#include <vector>

namespace centre_import {
class TableDataSource;
}

// A course of CURSOST with the level and course number it ends up with.
struct CourseAnswer {
    QString codi;
    QString descripcio;
    QString nivel;
    QString curso;
};

// Answers one pass of the level and course dialog the way a user types into
// its grid: each course named in the levels file gets that file's level and
// course number over what the recovery from CURSOST2 put there. Returns every
// course, in table order, with the values it now holds (the file's as
// written, before CURSOST cuts them to its widths).
std::vector<CourseAnswer> answerCursos(centre_import::TableDataSource &grid, const QHash<QString, LevelAnswer> &levels);

// The courses still without a level or a course number, as the dialog's OK
// tests them.
std::vector<CourseAnswer> coursesWithoutLevel(const std::vector<CourseAnswer> &courses);

// A course of the levels file that the document does not have.
struct UnknownCourse {
    QString codi;
    int line = 0;
};

// The levels file's codes that no course of the pass has, in the file's
// order: a typing error, or a file meant for another school or year.
std::vector<UnknownCourse> unknownCourses(const QHash<QString, LevelAnswer> &levels,
                                          const std::vector<CourseAnswer> &courses);
