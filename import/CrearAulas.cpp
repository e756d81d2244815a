#include "import/CrearAulas.h"

#include "run/MainFormState.h"
#include "import/CentreDocument.h"
#include "import/RecreateTable.h"
#include "import/ShortCodes.h"

namespace {

const std::vector<dbf::FieldDef> aulatFields = {
    {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
    {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
    {QStringLiteral("EDIFICIO"), dbf::FieldType::String, 1},
    {QStringLiteral("MAXALUM"), dbf::FieldType::Integer, 0},
    {QStringLiteral("CODI"), dbf::FieldType::String, 60},
};

} // namespace

// A room's short code comes from its description, and its name shows the
// GestIB code in front, since rooms often share a description ("Pati").
// EDIFICIO and MAXALUM stay blank: the centre document does not carry them.
QList<ShortCodeChange> CrearAulas(MainFormState &form)
{
    const std::unique_ptr<dbf::Table> table = recreateTable(QStringLiteral("AULAT"), aulatFields);
    table->open();
    CodeList codes;

    const int rooms = selectCentreNodes(form, QStringLiteral("/CENTRE/AULES/AULA"));
    for (int i = 0; i < rooms; ++i) {
        takeCentreNode(form, i);
        const QString codi = readTrimmed(form.AtributosNodo, QStringLiteral("codi"));
        const QString descripcio = readTrimmed(form.AtributosNodo, QStringLiteral("descripcio"));

        table->append();
        table->setString(QStringLiteral("ABREV"), roomShortCode(codes, descripcio));
        table->setString(QStringLiteral("NOMBRE"), QStringLiteral("(%1) %2").arg(codi, descripcio));
        table->setString(QStringLiteral("CODI"), codi);
        table->post();
    }

    table->close();
    return codes.changes();
}
