#pragma once

#include "import/ImportSummary.h"

#include <QList>

namespace centre_import {

// A course with the level and course number the user gave it.
struct CourseLevel {
    CourseRef course;
    QString nivel;
    QString curso;
};

// Complete courses whose groups' short codes start alike, by their positions
// in the list, in order; the first holds the start first.
struct CollidingCourses {
    QString prefix; // the shared start, as the first course gives it
    QList<int> positions;
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

// The same collisions gathered by their shared start: one entry for each
// start that two or more complete courses share, in the order of its first course.
QList<CollidingCourses> collidingCourses(const QList<CourseLevel> &courses);

} // namespace centre_import
