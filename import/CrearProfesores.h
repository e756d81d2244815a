#pragma once


struct MainFormState;

void CrearProfesores(MainFormState &form);
