#pragma once

class UserInteraction;
struct MainFormState;

// The timetable export: SOLUC and the import's tables to "SolucioHorari.xml".
void BImportarClick(MainFormState &form, UserInteraction &ui);
