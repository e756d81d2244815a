#include "import/CrearGrupos.h"

#include "app/MainFormState.h"

void CrearGrupos(MainFormState &form)
{
}
