#include "import/CrearLineasAsignaturas.h"

#include "app/MainFormState.h"

void CrearLineasAsignaturas(MainFormState &form, UserInteraction &ui)
{
}
