#pragma once


struct MainFormState;

void CrearAulas(MainFormState &form);
