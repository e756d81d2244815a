#pragma once

#include <QString>

class UserInteraction;
struct MainFormState;

namespace timetable_export {

// The timetable export: the timetabling program's solution SOLUC, resolved
// through the centre import's tables, becomes "SolucioHorari.xml" for GestIB
// in the folder of the file the user chooses. Errors of the tables or the
// document leave it as exceptions, with no file written.
void BImportarClick(MainFormState &form, UserInteraction &ui);

// The same run once the folder of "SolucioHorari.xml" is known (a local
// path), for callers that name the folder itself.
void exportTimetable(MainFormState &form, UserInteraction &ui, const QString &localFolder);

} // namespace timetable_export
