#include "import/CrearAulas.h"

#include "app/MainFormState.h"

void CrearAulas(MainFormState &form)
{
}
