#include "import/CrearCursos.h"

#include "run/MainFormState.h"
#include "run/UserInteraction.h"
#include "import/CentreDocument.h"
#include "import/Cursos/TControlCursos.h"
#include "import/RecreateTable.h"

#include <memory>

CursosOutcome CrearCursos(MainFormState &form, UserInteraction &ui)
{
    const QString CODI = QStringLiteral("CODI");
    const QString DESCRIPCIO = QStringLiteral("DESCRIPCIO");
    const QString NIVEL = QStringLiteral("NIVEL");
    const QString CURSO = QStringLiteral("CURSO");

    std::unique_ptr<dbf::Table> cursos = recreateTable(QStringLiteral("CURSOST"), cursosFields());
    cursos->open();
    const int count = selectCentreNodes(form, QStringLiteral("/CENTRE/CURSOS/CURS"));
    for (int i = 0; i < count; ++i) {
        takeCentreNode(form, i);
        const QString codi = readTrimmed(form.AtributosNodo, QStringLiteral("codi"));
        const QString descripcio = readTrimmed(form.AtributosNodo, QStringLiteral("descripcio"));
        // The user gives the level and the course number in the dialog.
        cursos->append();
        cursos->setString(CODI, codi);
        cursos->setString(DESCRIPCIO, descripcio);
        cursos->setString(NIVEL, QString());
        cursos->setString(CURSO, QString());
        cursos->post();
    }
    cursos->close();
    cursos.reset();

    // One dialog per pass, until a pass ends without a failed test. A dialog
    // whose pass has ended is never used again; it goes as soon as its
    // outcome has been read, so that no table it still holds (CURSOST2 after
    // a recovery) stands in the way of a later pass deleting or rewriting it.
    int incompleteRow = -1;
    for (;;) {
        const auto dialog = std::make_unique<TControlCursos>(form, ui);
        dialog->openOnRow = incompleteRow;
        // The user may look at the tables in another program while the dialog is open.
        dbf::Table::flushAll();
        ui.showControlCursos(*dialog);
        if (!dialog->result)
            return dialog->result2 == QStringLiteral("fuera") ? CursosOutcome::ForcedExit : CursosOutcome::Continue;
        form.result = true;
        incompleteRow = dialog->firstIncompleteRow();
    }
}
