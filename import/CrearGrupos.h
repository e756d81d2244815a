#pragma once

#include "run/ImportSummary.h"

struct MainFormState;

// Step 5 of the centre import: writes GRUPOST (one row per group of each course
// of the document, with the level and course the user gave the course in
// CURSOST), then MATIB (each subject whose course has a group, with that level
// and course) and stores the same pair in DENIVEL and DECURSO of ASIGNOMT.
// Releases the main window's CURSOST component. Returns the groups' short
// codes that had to differ from their base.
QList<ShortCodeChange> CrearGrupos(MainFormState &form);
