#pragma once

class UserInteraction;
struct MainFormState;

void CrearCursos(MainFormState &form, UserInteraction &ui);
