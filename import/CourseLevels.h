#pragma once

#include "run/ImportSummary.h"

#include <QList>

namespace centre_import {

// A course with the level and course number the user gave it.
struct CourseLevel {
    CourseRef course;
    QString nivel;
    QString curso;
};

// A level or course that is blank once trimmed leaves the course incomplete:
// its groups' short codes would start from the group name alone.
bool lacksLevelOrCourse(const QString &nivel, const QString &curso);

// The incomplete courses, in their order.
QList<CourseRef> coursesWithoutLevel(const QList<CourseLevel> &courses);

// Each complete course whose groups' short codes start as those of an earlier
// complete course (the same first 5 characters of the level and 2 of the
// course, letter case aside, as the short codes compare), paired with the
// first such course.
QList<LevelCollision> levelCollisions(const QList<CourseLevel> &courses);

} // namespace centre_import
