#include "import/CrearAsignaturas.h"

#include "app/MainFormState.h"

void CrearAsignaturas(MainFormState &form)
{
}
