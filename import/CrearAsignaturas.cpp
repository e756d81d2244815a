#include "import/CrearAsignaturas.h"

#include "run/OpenTables.h"
#include "import/CentreDocument.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"
#include "import/ShortCodes.h"

namespace centre_import {

namespace {

// The centre document carries no hours; every row starts from the same value.
const QString defaultHours = QStringLiteral("4");

} // namespace

// Subjects first, then activities, each in document order: the groups and
// subject-lines steps read the table in this order. DENIVEL and DECURSO stay
// blank until the groups step fills them.
QList<ShortCodeChange> CrearAsignaturas(CentreDocument &DocXML, const winpath::WorkingFolder &folder)
{
    const std::unique_ptr<dbf::Table> table = recreateTable(folder, QStringLiteral("ASIGNOMT"), asignomtFields());
    OpenTables tables({table.get()});
    CodeList codes;

    writeAndRelease(DocXML.materies, [&](const Materia &materia) {
        const auto &[codi, curs, descripcio, curta] = materia;

        table->append();
        table->setString(QStringLiteral("COD"), subjectShortCode(codes, curta));
        table->setString(QStringLiteral("CODLARGO"), subjectLongCode(curta));
        table->setString(QStringLiteral("NOMBRE"), descripcio);
        table->setString(QStringLiteral("CODI"), codi);
        table->setString(QStringLiteral("CODICURS"), curs);
        table->setString(QStringLiteral("HORAS"), defaultHours);
        table->setBoolean(QStringLiteral("ESTAREA"), false);
        table->post();
    });

    // An activity is named by its own GestIB code, so it takes no short code
    // and is never compared with the subjects' codes.
    writeAndRelease(DocXML.activitats, [&](const Activitat &activitat) {
        const auto &[codi, descripcio, curta] = activitat;

        table->append();
        table->setString(QStringLiteral("COD"), codi);
        table->setString(QStringLiteral("CODLARGO"), firstCharacters(curta, 10));
        table->setString(QStringLiteral("NOMBRE"), descripcio);
        table->setString(QStringLiteral("CODI"), codi);
        table->setString(QStringLiteral("HORAS"), defaultHours);
        table->setBoolean(QStringLiteral("ESTAREA"), true);
        table->post();
    });

    tables.close();
    return codes.changes();
}

} // namespace centre_import
