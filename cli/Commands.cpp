#include "cli/Commands.h"

#include "cli/CompararCommand.h"
#include "cli/ComprobarCommand.h"
#include "cli/CopiasCommand.h"
#include "cli/ExportarCommand.h"
#include "cli/ImportarCommand.h"
#include "cli/PlantillaCommand.h"
#include "cli/RestaurarCommand.h"

const QList<const Command *> &commands()
{
    static const ExportarCommand exportar;
    static const ImportarCommand importar;
    static const ComprobarCommand comprobar;
    static const PlantillaCommand plantilla;
    static const CopiasCommand copias;
    static const RestaurarCommand restaurar;
    static const CompararCommand comparar;
    static const QList<const Command *> all{&exportar, &importar, &comprobar, &plantilla,
                                            &copias,   &restaurar, &comparar};
    return all;
}
