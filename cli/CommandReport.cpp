#include "cli/CommandReport.h"

#include "run/RunSummary.h"

#include <QCoreApplication>
#include <QJsonArray>

QString missingCoursesText(const std::vector<CourseAnswer> &courses)
{
    QStringList lines{
        QCoreApplication::translate("CommandReport", "Cursos sin nivel o sin curso (%1):").arg(courses.size())};
    for (const CourseAnswer &course : courses)
        lines << QStringLiteral("  %1\t%2").arg(course.codi, course.descripcio);
    return lines.join(QLatin1Char('\n'));
}

QStringList reportWarnings(const CommandReport &report)
{
    QStringList warnings = report.warnings;
    if (report.unmatched) {
        // The look-ups in the order of a session's attributes, as the export warns of them.
        for (const char *lookup : {"profesor", "grupo", "diaHora", "aula", "asignatura"}) {
            const QString warning =
                report.unmatched->value(QLatin1String(lookup)).toObject().value(QStringLiteral("aviso")).toString();
            if (!warning.isEmpty())
                warnings << warning;
        }
    }
    for (const LowerCaseLevel &level : report.lowerCaseLevels)
        warnings << QCoreApplication::translate(
                        "CommandReport",
                        "%1, línea %2: el nivel «%3» del curso %4 lleva minúsculas; en GestIB los niveles se escriben "
                        "en mayúsculas, y los códigos de los grupos llevan el nivel tal como está escrito")
                        .arg(report.levelsFile, QString::number(level.line), level.nivel, level.codi);
    return warnings;
}

QString reportText(const CommandReport &report)
{
    QStringList summaryLines = report.summaryLines;
    QStringList lines;
    if (report.verdictFirst && !summaryLines.isEmpty())
        lines << summaryLines.takeFirst();
    for (const QString &warning : reportWarnings(report))
        lines << RunSummary::warningPrefix() + warning;
    lines << summaryLines;
    if (report.unmatched) {
        lines << QCoreApplication::translate("CommandReport", "Códigos de la solución que no están en las tablas:");
        for (auto it = report.unmatched->constBegin(); it != report.unmatched->constEnd(); ++it) {
            const QJsonObject lookup = it.value().toObject();
            QStringList codes;
            for (const QJsonValue &code : lookup.value(QStringLiteral("codigos")).toArray())
                codes << code.toString();
            const int sessions = lookup.value(QStringLiteral("sesiones")).toInt();
            const QString listed = codes.join(QStringLiteral(", "));
            lines << (sessions == 1 ? QCoreApplication::translate("CommandReport", "    %1: 1 sesión; %2")
                                          .arg(it.key(), listed)
                                    : QCoreApplication::translate("CommandReport", "    %1: %2 sesiones; %3")
                                          .arg(it.key(), QString::number(sessions), listed));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QJsonObject reportJson(const CommandReport &report)
{
    QJsonArray withoutLevel;
    for (const CourseAnswer &course : report.withoutLevel)
        withoutLevel.append(QJsonObject{{QStringLiteral("codi"), course.codi},
                                        {QStringLiteral("descripcio"), course.descripcio}});
    QJsonArray unknown;
    for (const UnknownCourse &course : report.unknownCourses)
        unknown.append(QJsonObject{{QStringLiteral("codi"), course.codi}, {QStringLiteral("linea"), course.line}});
    QJsonObject json{{QStringLiteral("orden"), report.command},
                     {QStringLiteral("estado"), static_cast<int>(report.status)},
                     {QStringLiteral("cursosSinNivel"), withoutLevel},
                     {QStringLiteral("cursosDesconocidos"), unknown},
                     {QStringLiteral("avisos"), QJsonArray::fromStringList(reportWarnings(report))}};
    if (!report.error.isEmpty())
        json.insert(QStringLiteral("error"), report.error);
    if (report.summary)
        json.insert(QStringLiteral("resumen"), *report.summary);
    if (report.unmatched)
        json.insert(QStringLiteral("sinCorrespondencia"), *report.unmatched);
    return json;
}
