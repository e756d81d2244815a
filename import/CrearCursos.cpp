#include "import/CrearCursos.h"

#include "run/OpenTables.h"
#include "import/ImportInteraction.h"
#include "import/CentreDocument.h"
#include "import/Cursos/TControlCursos.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"

#include <memory>

namespace centre_import {

CursosOutcome CrearCursos(const CentreDocument &DocXML, bool &result, ImportInteraction &ui,
                                        const winpath::WorkingFolder &folder)
{
    const QString CODI = QStringLiteral("CODI");
    const QString DESCRIPCIO = QStringLiteral("DESCRIPCIO");
    const QString NIVEL = QStringLiteral("NIVEL");
    const QString CURSO = QStringLiteral("CURSO");

    // The names of each course's groups, shown beside the course in the dialog.
    QList<QStringList> courseGroups;
    {
        const std::unique_ptr<dbf::Table> cursos = recreateTable(folder, QStringLiteral("CURSOST"), cursosFields());
        OpenTables tables({cursos.get()});
        for (const Curs &curs : DocXML.cursos) {
            const QString &codi = curs.codi;
            const QString &descripcio = curs.descripcio;
            // The user gives the level and the course number in the dialog.
            cursos->append();
            cursos->setString(CODI, codi);
            cursos->setString(DESCRIPCIO, descripcio);
            cursos->setString(NIVEL, QString());
            cursos->setString(CURSO, QString());
            cursos->post();

            QStringList groups;
            for (const Grup &grup : curs.grups)
                groups << grup.nom;
            courseGroups << groups;
        }
        tables.close();
    }

    // One dialog per pass, until a pass ends without a failed test; after a
    // failed one the next opens on the first course to complete and marks
    // them all. A dialog whose pass has ended is never used again; it goes as
    // soon as its outcome has been read, so that no table it still holds
    // (CURSOST2 after a recovery) stands in the way of a later pass deleting
    // or rewriting it.
    int incompleteRow = -1;
    for (;;) {
        const auto dialog = std::make_unique<TControlCursos>(result, ui, folder);
        dialog->openOnRow = incompleteRow;
        dialog->markIncompleteRows = incompleteRow >= 0;
        dialog->courseGroups = courseGroups;
        // The user may look at the tables in another program while the dialog is open.
        dbf::Table::flushAll();
        ui.showControlCursos(*dialog);
        if (!dialog->result)
            return dialog->result2 == QStringLiteral("fuera") ? CursosOutcome::ForcedExit : CursosOutcome::Continue;
        result = true;
        incompleteRow = dialog->firstIncompleteRow();
    }
}

} // namespace centre_import
