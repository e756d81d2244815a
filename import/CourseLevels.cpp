#include "import/CourseLevels.h"

#include "run/Trimming.h"
#include "import/ShortCodes.h"

#include <QHash>

namespace centre_import {

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
    QHash<QString, CourseRef> firstByPrefix;
    for (const CourseLevel &c : courses) {
        if (lacksLevelOrCourse(c.nivel, c.curso))
            continue;
        const QString prefix = groupCodePrefix(c.nivel, c.curso);
        const QString key = prefix.toCaseFolded();
        const auto earlier = firstByPrefix.constFind(key);
        if (earlier == firstByPrefix.constEnd())
            firstByPrefix.insert(key, c.course);
        else
            collisions << LevelCollision{c.course, *earlier, prefix};
    }
    return collisions;
}

} // namespace centre_import
