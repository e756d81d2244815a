#pragma once

class UserInteraction;
struct MainFormState;

// The fourth step of the centre import: writes CURSOST, one row per course of
// the document with NIVEL and CURSO blank, then shows the level and course
// dialog again and again until a pass ends without a blank. Every failed pass
// sets form.result; a forced exit asks the main window to close and returns.
void CrearCursos(MainFormState &form, UserInteraction &ui);
