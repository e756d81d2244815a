#include "import/CrearCursos.h"

#include "app/MainFormState.h"

void CrearCursos(MainFormState &form, UserInteraction &ui)
{
}
