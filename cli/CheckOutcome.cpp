#include "cli/CheckOutcome.h"

#include <QCoreApplication>
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
    QStringList lines{
        warnings ? QCoreApplication::translate(
            "CheckOutcome", "Comprobación con avisos: revíselos antes de importar. No se ha modificado nada.")
                 : QCoreApplication::translate("CheckOutcome", "Comprobación sin avisos. No se ha modificado nada.")};
    lines << QCoreApplication::translate("CheckOutcome",
                                         "Una comprobación no sustituye ninguna tabla ni hace copia de ellas.");
    lines << QCoreApplication::translate("CheckOutcome", "La importación escribiría:");
    lines << summaryLines;
    return lines;
}
