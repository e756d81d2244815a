#pragma once

class UserInteraction;
struct MainFormState;

// The timetable export: the timetabling program's solution SOLUC, resolved
// through the centre import's tables, becomes "SolucioHorari.xml" for GestIB
// in the folder of the file the user chooses. Errors of the tables or the
// document leave it as exceptions, with no file written.
void BImportarClick(MainFormState &form, UserInteraction &ui);
