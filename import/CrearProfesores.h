#pragma once

struct MainFormState;

// Writes PROFT, one row per teaching post of the loaded centre document.
void CrearProfesores(MainFormState &form);
