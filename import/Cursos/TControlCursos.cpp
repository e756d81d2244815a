#include "import/Cursos/TControlCursos.h"
