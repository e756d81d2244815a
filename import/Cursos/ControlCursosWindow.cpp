#include "import/Cursos/ControlCursosWindow.h"

void showControlCursosModal(TControlCursos &, QWidget *)
{
}
