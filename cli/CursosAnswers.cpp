#include "cli/CursosAnswers.h"

#include "run/Trimming.h"
#include "import/Cursos/TableDataSource.h"

#include <QSet>

#include <algorithm>

using centre_import::TableDataSource;

namespace {
const QString CODI = QStringLiteral("CODI");
const QString DESCRIPCIO = QStringLiteral("DESCRIPCIO");
const QString NIVEL = QStringLiteral("NIVEL");
const QString CURSO = QStringLiteral("CURSO");
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

std::vector<UnknownCourse> unknownCourses(const QHash<QString, LevelAnswer> &levels,
                                          const std::vector<CourseAnswer> &courses)
{
    QSet<QString> known;
    for (const CourseAnswer &course : courses)
        known.insert(course.codi);
    std::vector<UnknownCourse> unknown;
    for (auto it = levels.cbegin(); it != levels.cend(); ++it)
        if (!known.contains(it.key()))
            unknown.push_back({it.key(), it->line});
    std::sort(unknown.begin(), unknown.end(),
              [](const UnknownCourse &a, const UnknownCourse &b) { return a.line < b.line; });
    return unknown;
}
