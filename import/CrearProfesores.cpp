#include "import/CrearProfesores.h"

#include "app/MainFormState.h"

void CrearProfesores(MainFormState &form)
{
}
