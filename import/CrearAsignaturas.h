#pragma once

struct MainFormState;

// Writes ASIGNOMT, the subjects and activities of the loaded centre document.
void CrearAsignaturas(MainFormState &form);
