#pragma once

class UserInteraction;
struct MainFormState;

void CrearLineasAsignaturas(MainFormState &form, UserInteraction &ui);
