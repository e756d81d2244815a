#include "import/Cursos/CursosMarks.h"

#include "import/CourseLevels.h"

#include <QCoreApplication>

namespace centre_import {

namespace {

const QString CODI = QStringLiteral("CODI");
const QString DESCRIPCIO = QStringLiteral("DESCRIPCIO");
const QString NIVEL = QStringLiteral("NIVEL");
const QString CURSO = QStringLiteral("CURSO");

// The message names this many courses; a longer list would not fit a message box.
constexpr qsizetype namedCourses = 10;

QList<CourseLevel> shownCourses(const TableDataSource &source)
{
    QList<CourseLevel> courses;
    for (int row = 0; row < source.recordCount(); ++row)
        courses << CourseLevel{{source.text(row, CODI), source.text(row, DESCRIPCIO)}, source.text(row, NIVEL),
                               source.text(row, CURSO)};
    return courses;
}

} // namespace

QList<CursoMarks> markCursos(const TableDataSource &source, bool markIncomplete, const PendingProposals &proposals)
{
    const QList<CourseLevel> courses = shownCourses(source);
    QList<CursoMarks> marks(courses.size());
    for (int row = 0; row < courses.size(); ++row) {
        CursoMarks &m = marks[row];
        m.incomplete = markIncomplete && lacksLevelOrCourse(courses[row].nivel, courses[row].curso);
        m.nivelProposed = proposals.nivel.contains(row);
        m.cursoProposed = proposals.curso.contains(row);
    }
    for (const CollidingCourses &group : collidingCourses(courses)) {
        for (const int row : group.positions) {
            marks[row].collisionPrefix = group.prefix;
            for (const int other : group.positions)
                if (other != row)
                    marks[row].collidesWith << other;
        }
    }
    return marks;
}

QString collisionWarning(const TableDataSource &source)
{
    const QList<CourseLevel> courses = shownCourses(source);
    QStringList groups;
    for (const CollidingCourses &group : collidingCourses(courses)) {
        QStringList codes;
        for (const int row : group.positions)
            codes << courses[row].course.codi;
        groups << QCoreApplication::translate("TControlCursos", "%1 en %2").arg(group.prefix, codes.join(QStringLiteral(", ")));
    }
    if (groups.isEmpty())
        return {};
    return QCoreApplication::translate("TControlCursos", "¡Atención! Los Grupos de los cursos marcados recibirán las mismas Abreviaturas "
                          "(mismos 5 primeros caracteres de NIVEL y 2 de CURSO): %1.")
        .arg(groups.join(QStringLiteral("; ")));
}

QString missingDataMessage(const QList<CourseRef> &missing)
{
    QStringList lines{QCoreApplication::translate("TControlCursos", "¡Atención! Falta algún Dato")};
    for (const CourseRef &course : missing.first(std::min(missing.size(), namedCourses)))
        lines << QCoreApplication::translate("TControlCursos", "Curso: %1 - %2").arg(course.codi, course.descripcio);
    const qsizetype rest = missing.size() - namedCourses;
    if (rest == 1)
        lines << QCoreApplication::translate("TControlCursos", "y 1 curso más");
    else if (rest > 1)
        lines << QCoreApplication::translate("TControlCursos", "y %1 cursos más").arg(rest);
    return lines.join(QStringLiteral("\n\r"));
}

} // namespace centre_import
