#include "import/CrearDiasHoras.h"

void CrearDiasHoras()
{
}
