#include "export/DayPeriodKey.h"

#include "export/ExportError.h"
#include "platform/Dbf.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include <QCoreApplication>

namespace timetable_export {

namespace {
bool hasFraction(double hora)
{
    return hora > std::trunc(hora);
}

// Beyond this a HORA has no exact integer part, and twice it could leave the
// range of a whole number.
constexpr double largestHora = 1e15;
} // namespace

bool hasHalfHours(dbf::Table &soluc)
{
    for (soluc.first(); !soluc.eof(); soluc.next()) {
        if (hasFraction(soluc.asFloat(QStringLiteral("HORA"))))
            return true;
    }
    return false;
}

long long periodNumber(double hora, bool halfHourMode)
{
    if (!(std::fabs(hora) < largestHora))
        throw ExportError(
            QCoreApplication::translate("TimetableExport", "La HORA %1 de la tabla SOLUC no es un número de hora")
                .arg(hora));
    const auto whole = static_cast<long long>(std::trunc(hora));
    if (!halfHourMode)
        return whole;
    return hasFraction(hora) ? 2 * whole : 2 * whole - 1;
}

void writeDayPeriodKey(QStringView dayText, long long period, QString &key)
{
    char digits[24];
    char *const end = std::to_chars(digits, digits + sizeof digits, period).ptr;
    key.resize(dayText.size() + (end - digits));
    QChar *at = std::copy(dayText.cbegin(), dayText.cend(), key.data());
    std::transform(digits, end, at, [](char c) { return QChar::fromLatin1(c); });
}

} // namespace timetable_export
