#include "export/DayPeriodKey.h"

#include "export/ExportError.h"
#include "platform/Dbf.h"

#include <charconv>
#include <cmath>

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
        throw ExportError(QStringLiteral("La HORA %1 de la tabla SOLUC no es un número de hora").arg(hora));
    const auto whole = static_cast<long long>(std::trunc(hora));
    if (!halfHourMode)
        return whole;
    return hasFraction(hora) ? 2 * whole : 2 * whole - 1;
}

QString dayPeriodKey(QStringView dayText, long long period)
{
    // Built in one text: a solution asks for a key per session.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, period).ptr;
    QString key;
    key.reserve(dayText.size() + (end - digits));
    key.append(dayText);
    key.append(QLatin1String(digits, end - digits));
    return key;
}

} // namespace timetable_export
