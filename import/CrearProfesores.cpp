#include "import/CrearProfesores.h"

#include "run/OpenTables.h"
#include "import/CentreDocument.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"
#include "import/ShortCodes.h"

namespace centre_import {

namespace {

// A description longer than the 80-character NOMBRE keeps its first 75 and
// its last 5 characters: posts' descriptions end in what tells similar posts
// apart (a number, a share such as "1/2"), which a plain cut would lose.
QString shortenedDescription(const QString &descripcio)
{
    if (characterCount(descripcio) <= 80)
        return descripcio;
    return firstCharacters(descripcio, 75) + lastCharacters(descripcio, 5);
}

} // namespace

// DNI and EMAIL stay blank: the centre document does not carry them.
QList<ShortCodeChange> CrearProfesores(CentreDocument &DocXML, const winpath::WorkingFolder &folder)
{
    const std::unique_ptr<dbf::Table> table = recreateTable(folder, QStringLiteral("PROFT"), proftFields());
    OpenTables tables({table.get()});
    CodeList codes;

    writeAndRelease(DocXML.places, [&](const Placa &placa) {
        const QString &codi = placa.codi;
        const QString descripcio = shortenedDescription(placa.descripcio);
        const QString &curta = placa.curta;

        table->append();
        table->setString(QStringLiteral("ABREV"), teacherShortCode(codes, curta));
        table->setString(QStringLiteral("NOMBRE"), descripcio);
        table->setString(QStringLiteral("DEPART"), descripcio);
        table->setString(QStringLiteral("CODI"), codi);
        table->post();
    });

    tables.close();
    return codes.changes();
}

} // namespace centre_import
