#include "cli/CursosAnswers.h"

#include "run/Trimming.h"
#include "import/Cursos/TableDataSource.h"
#include "import/ShortCodes.h"

#include <QMap>
#include <QSet>

namespace {
const QString CODI = QStringLiteral("CODI");
const QString DESCRIPCIO = QStringLiteral("DESCRIPCIO");
const QString NIVEL = QStringLiteral("NIVEL");
const QString CURSO = QStringLiteral("CURSO");

// The group code takes this many characters of the level.
constexpr qsizetype levelCharactersInCodes = 5;
} // namespace

std::vector<CourseAnswer> answerCursos(TableDataSource &grid, const QHash<QString, LevelAnswer> &levels)
{
    std::vector<CourseAnswer> courses;
    for (int row = 0; row < grid.recordCount(); ++row) {
        grid.moveTo(row);
        CourseAnswer course{grid.text(row, CODI), grid.text(row, DESCRIPCIO), grid.text(row, NIVEL),
                            grid.text(row, CURSO)};
        const auto given = levels.constFind(course.codi);
        if (given != levels.constEnd()) {
            if (!given->nivel.isEmpty()) {
                grid.setText(NIVEL, given->nivel);
                course.nivel = given->nivel;
            }
            if (!given->curso.isEmpty()) {
                grid.setText(CURSO, given->curso);
                course.curso = given->curso;
            }
        }
        courses.push_back(course);
    }
    return courses;
}

std::vector<CourseAnswer> coursesWithoutLevel(const std::vector<CourseAnswer> &courses)
{
    std::vector<CourseAnswer> missing;
    for (const CourseAnswer &course : courses)
        if (trimControl(course.nivel).isEmpty() || trimControl(course.curso).isEmpty())
            missing.push_back(course);
    return missing;
}

std::vector<std::vector<CourseAnswer>> levelCollisions(const std::vector<CourseAnswer> &courses)
{
    QMap<QString, std::vector<CourseAnswer>> byStart;
    for (const CourseAnswer &course : courses)
        if (!trimControl(course.nivel).isEmpty())
            byStart[firstCharacters(course.nivel, levelCharactersInCodes).toCaseFolded()].push_back(course);

    std::vector<std::vector<CourseAnswer>> collisions;
    for (const std::vector<CourseAnswer> &sharing : byStart) {
        QSet<QString> levels;
        for (const CourseAnswer &course : sharing)
            levels.insert(course.nivel);
        if (levels.size() > 1)
            collisions.push_back(sharing);
    }
    return collisions;
}
