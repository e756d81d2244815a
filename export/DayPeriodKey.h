#pragma once

#include <QString>

namespace dbf {
class Table;
}

namespace timetable_export {

// How a session's day and period become the key of its row in DIASHORAST.

// Whether the solution counts half-hour periods: true as soon as one SOLUC
// record, placed or not, has a HORA with a fractional part. Leaves SOLUC at
// wherever the scan stopped.
bool hasHalfHours(dbf::Table &soluc);

// The period number of a HORA: its integer part, or in half-hour mode two
// numbers per hour (1, 1.5, 2 give 1, 2, 3). A HORA too large for a period
// number is an ExportError.
long long periodNumber(double hora, bool halfHourMode);

// The day's text immediately followed by the period number, as DIASHORAST's
// DIHO holds it: day 2, period 5 give "25" (day 1, period 12 and day 11,
// period 2 both give "112", as the timetabling program keys them).
// Written into `key`, reusing its storage: a solution asks for a key per session.
void writeDayPeriodKey(QStringView dayText, long long period, QString &key);

} // namespace timetable_export
