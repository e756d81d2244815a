#include "import/CourseLevels.h"

#include "run/Trimming.h"
#include "import/ShortCodes.h"

#include <QHash>

#include <algorithm>

namespace centre_import {

namespace {

// Calls collide(later, first, prefix) with the positions of each complete
// course whose groups' short codes start as those of the first complete
// course before it with the same start.
template <class Collide>
void forEachCollision(const QList<CourseLevel> &courses, Collide collide)
{
    QHash<QString, int> firstByPrefix;
    for (int i = 0; i < courses.size(); ++i) {
        const CourseLevel &c = courses[i];
        if (lacksLevelOrCourse(c.nivel, c.curso))
            continue;
        const QString prefix = groupCodePrefix(c.nivel, c.curso);
        const QString key = prefix.toCaseFolded();
        const auto earlier = firstByPrefix.constFind(key);
        if (earlier == firstByPrefix.constEnd())
            firstByPrefix.insert(key, i);
        else
            collide(i, *earlier, prefix);
    }
}

} // namespace

bool lacksLevelOrCourse(const QString &nivel, const QString &curso)
{
    return trimControl(nivel).isEmpty() || trimControl(curso).isEmpty();
}

QList<CourseRef> coursesWithoutLevel(const QList<CourseLevel> &courses)
{
    QList<CourseRef> incomplete;
    for (const CourseLevel &c : courses)
        if (lacksLevelOrCourse(c.nivel, c.curso))
            incomplete << c.course;
    return incomplete;
}

QList<LevelCollision> levelCollisions(const QList<CourseLevel> &courses)
{
    QList<LevelCollision> collisions;
    forEachCollision(courses, [&](int later, int first, const QString &prefix) {
        collisions << LevelCollision{courses[later].course, courses[first].course, prefix};
    });
    return collisions;
}

QList<CollidingCourses> collidingCourses(const QList<CourseLevel> &courses)
{
    QList<CollidingCourses> groups;
    QHash<int, qsizetype> groupOfFirst;
    forEachCollision(courses, [&](int later, int first, const QString &) {
        auto group = groupOfFirst.constFind(first);
        if (group == groupOfFirst.constEnd()) {
            group = groupOfFirst.insert(first, groups.size());
            groups << CollidingCourses{groupCodePrefix(courses[first].nivel, courses[first].curso), {first}};
        }
        groups[*group].positions << later;
    });
    std::sort(groups.begin(), groups.end(), [](const CollidingCourses &a, const CollidingCourses &b) {
        return a.positions.first() < b.positions.first();
    });
    return groups;
}

} // namespace centre_import
