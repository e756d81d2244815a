#include "import/CrearDiasHoras.h"

#include "import/RecreateTable.h"
#include "import/TableLayouts.h"

namespace centre_import {

void CrearDiasHoras(const winpath::WorkingFolder &folder)
{
    // The centre document holds no days or periods: the table is only created.
    recreateTable(folder, QStringLiteral("DIASHORAST"), diashorastFields());
}

} // namespace centre_import
