#pragma once


struct MainFormState;

void CrearGrupos(MainFormState &form);
