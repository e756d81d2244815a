#pragma once

namespace dbf {
class Table;
}

namespace timetable_export {

// Refuses an open table whose file holds fewer complete records than its
// header counts: a table cut short (a full disk, a copy broken off) would
// otherwise export the records left and pass for a whole timetable. A header
// that counts fewer records than the file holds is no damage: its count is
// what the table holds.
void requireCompleteTable(const dbf::Table &table);

} // namespace timetable_export
