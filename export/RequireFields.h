#pragma once

#include <QStringList>

namespace dbf {
class Table;
}

namespace timetable_export {

// Raises the table layer's own "no existe el campo 'X'" error for the first of
// `fields` that the open table lacks, so that a table written without one of
// them stops the run before anything is built from it, empty table or not.
void requireFields(const dbf::Table &table, const QStringList &fields);

} // namespace timetable_export
