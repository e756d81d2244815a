#pragma once


struct MainFormState;

void CrearAsignaturas(MainFormState &form);
