#include "cli/CheckOutcome.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>

namespace {

bool anySessionUnmatched(const QJsonObject &lookups)
{
    for (const QJsonValue &lookup : lookups)
        if (lookup.toObject().value(QStringLiteral("sesiones")).toInt() > 0)
            return true;
    return false;
}

} // namespace

bool hasWarnings(const CommandReport &report)
{
    // The summary's warnings, as the window and the log give them, and what
    // only the command line finds: levels-file codes the document lacks.
    return !reportWarnings(report).isEmpty() || !report.unknownCourses.empty()
        || (report.unmatched && anySessionUnmatched(*report.unmatched));
}

QStringList checkLines(const QStringList &summaryLines, bool warnings)
{
    // The summary's lines that speak of tables already written.
    const QHash<QString, QString> conditional = {
        {QCoreApplication::translate("ImportSummary", "Líneas de asignaturas: creadas"),
         QCoreApplication::translate("CheckOutcome", "Líneas de asignaturas: se crearían")},
        {QCoreApplication::translate("ImportSummary", "Líneas de asignaturas: no creadas (ASIGT queda vacía)"),
         QCoreApplication::translate("CheckOutcome", "Líneas de asignaturas: no se crearían (ASIGT quedaría vacía)")},
    };
    QStringList lines{
        warnings ? QCoreApplication::translate(
            "CheckOutcome", "Comprobación con avisos: revíselos antes de importar. No se ha modificado nada.")
                 : QCoreApplication::translate("CheckOutcome", "Comprobación sin avisos. No se ha modificado nada.")};
    lines << QCoreApplication::translate("CheckOutcome",
                                         "Una comprobación no sustituye ninguna tabla ni hace copia de ellas.");
    lines << QCoreApplication::translate("CheckOutcome", "La importación escribiría:");
    for (const QString &line : summaryLines)
        lines << conditional.value(line, line);
    return lines;
}
