#include "cli/CommandReport.h"

#include <QJsonArray>

namespace {

QJsonObject courseJson(const CourseAnswer &course)
{
    return {{QStringLiteral("codi"), course.codi},
            {QStringLiteral("descripcio"), course.descripcio},
            {QStringLiteral("nivel"), course.nivel},
            {QStringLiteral("curso"), course.curso}};
}

QJsonArray coursesJson(const std::vector<CourseAnswer> &courses)
{
    QJsonArray array;
    for (const CourseAnswer &course : courses)
        array.append(courseJson(course));
    return array;
}

QString courseLine(const CourseAnswer &course)
{
    return QStringLiteral("  %1\t%2").arg(course.codi, course.descripcio);
}

} // namespace

QString missingCoursesText(const std::vector<CourseAnswer> &courses)
{
    QStringList lines{QStringLiteral("Cursos sin nivel o sin curso (%1):").arg(courses.size())};
    for (const CourseAnswer &course : courses)
        lines << courseLine(course);
    return lines.join(QLatin1Char('\n'));
}

QString reportText(const CommandReport &report)
{
    QStringList lines;
    for (const CommandReport::TableCount &table : report.tables)
        lines << QStringLiteral("%1\t%2").arg(table.table,
                                              table.records ? QString::number(*table.records)
                                                            : QStringLiteral("no se escribe"));
    if (!report.output.isEmpty())
        lines << QStringLiteral("%1\t%2 sesiones").arg(report.output).arg(report.sessions.value_or(0));
    if (report.codeChanges) {
        lines << QStringLiteral("Códigos cortos numerados (%1):").arg(report.codeChanges->size());
        for (const CommandReport::CodeChange &change : *report.codeChanges)
            lines << QStringLiteral("  %1 %2: %3 -> %4").arg(change.kind, change.codi, change.base, change.code);
    }
    for (const std::vector<CourseAnswer> &sharing : report.collisions) {
        lines << QStringLiteral("Niveles que coinciden en sus 5 primeros caracteres:");
        for (const CourseAnswer &course : sharing)
            lines << courseLine(course) + QStringLiteral("\t") + course.nivel;
    }
    if (report.absentCodes) {
        lines << QStringLiteral("Códigos de la solución que no están en las tablas (%1):").arg(report.absentCodes->size());
        for (const CommandReport::AbsentCode &absent : *report.absentCodes)
            lines << QStringLiteral("  %1 %2 (%3 sesiones)").arg(absent.field, absent.code).arg(absent.sessions);
    }
    return lines.join(QLatin1Char('\n'));
}

QJsonObject reportJson(const CommandReport &report)
{
    QJsonObject json{{QStringLiteral("orden"), report.command},
                     {QStringLiteral("estado"), static_cast<int>(report.status)}};
    if (!report.error.isEmpty())
        json.insert(QStringLiteral("error"), report.error);
    if (!report.tables.isEmpty()) {
        QJsonObject tables;
        for (const CommandReport::TableCount &table : report.tables)
            tables.insert(table.table, table.records ? QJsonValue(*table.records) : QJsonValue());
        json.insert(QStringLiteral("tablas"), tables);
    }
    if (!report.output.isEmpty()) {
        json.insert(QStringLiteral("archivo"), report.output);
        json.insert(QStringLiteral("sesiones"), report.sessions.value_or(0));
    }
    json.insert(QStringLiteral("cursosSinNivel"), coursesJson(report.withoutLevel));
    QJsonArray collisions;
    for (const std::vector<CourseAnswer> &sharing : report.collisions)
        collisions.append(coursesJson(sharing));
    json.insert(QStringLiteral("nivelesCoincidentes"), collisions);
    if (report.codeChanges) {
        QJsonArray changes;
        for (const CommandReport::CodeChange &change : *report.codeChanges)
            changes.append(QJsonObject{{QStringLiteral("tipo"), change.kind},
                                       {QStringLiteral("codi"), change.codi},
                                       {QStringLiteral("base"), change.base},
                                       {QStringLiteral("codigo"), change.code}});
        json.insert(QStringLiteral("codigosNumerados"), changes);
    }
    if (report.absentCodes) {
        QJsonArray absent;
        for (const CommandReport::AbsentCode &code : *report.absentCodes)
            absent.append(QJsonObject{{QStringLiteral("campo"), code.field},
                                      {QStringLiteral("codigo"), code.code},
                                      {QStringLiteral("sesiones"), code.sessions}});
        json.insert(QStringLiteral("codigosAusentes"), absent);
    }
    return json;
}
