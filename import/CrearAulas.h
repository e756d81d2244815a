#pragma once

struct MainFormState;

// Writes AULAT, one row per room of the loaded centre document.
void CrearAulas(MainFormState &form);
