#include "import/CrearAulas.h"

#include "run/OpenTables.h"
#include "import/CentreDocument.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"
#include "import/ShortCodes.h"

namespace centre_import {

// A room's short code comes from its description, and its name shows the
// GestIB code in front, since rooms often share a description ("Pati").
// EDIFICIO and MAXALUM stay blank: the centre document does not carry them.
QList<ShortCodeChange> CrearAulas(CentreDocument &DocXML, const winpath::WorkingFolder &folder)
{
    const std::unique_ptr<dbf::Table> table = recreateTable(folder, QStringLiteral("AULAT"), aulatFields());
    OpenTables tables({table.get()});
    CodeList codes;

    writeAndRelease(DocXML.aules, [&](const Aula &aula) {
        const auto &[codi, descripcio] = aula;

        table->append();
        table->setString(QStringLiteral("ABREV"), roomShortCode(codes, descripcio));
        table->setString(QStringLiteral("NOMBRE"), QStringLiteral("(%1) %2").arg(codi, descripcio));
        table->setString(QStringLiteral("CODI"), codi);
        table->post();
    });

    tables.close();
    return codes.changes();
}

} // namespace centre_import
