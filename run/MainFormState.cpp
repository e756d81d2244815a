#include "run/MainFormState.h"

namespace {
// The main window's components reach the working folder from the root of the
// current drive, by the table's name alone.
const QString componentFolder = QStringLiteral("\\vtemp");

std::unique_ptr<dbf::Table> makeCursosComponent()
{
    return std::make_unique<dbf::Table>(QStringLiteral("wwTableCursos"), componentFolder,
                                        QStringLiteral("CURSOST"), true);
}
} // namespace

MainFormState::MainFormState()
    : wwTableNomAsg(QStringLiteral("wwTableNomAsg"), componentFolder, QStringLiteral("ASIGNOMT"), true)
    , wwTableAulas(QStringLiteral("wwTableAulas"), componentFolder, QStringLiteral("AULAT"), true)
    , wwTableCursos(makeCursosComponent())
    , wwTableGrupos(QStringLiteral("wwTableGrupos"), componentFolder, QStringLiteral("GRUPOST"), true)
    , wwTableDiasHoras(QStringLiteral("wwTableDiasHoras"), componentFolder, QStringLiteral("DIASHORAST"), true)
    , wwTableProfesor(QStringLiteral("wwTableProfesor"), componentFolder, QStringLiteral("PROFT"), true)
    , wwTableSoluc(QStringLiteral("wwTableSoluc"), componentFolder, QStringLiteral("SOLUC"), true)
{
}

dbf::Table &MainFormState::tableCursos()
{
    if (!wwTableCursos)
        wwTableCursos = makeCursosComponent();
    return *wwTableCursos;
}

void MainFormState::closeTableComponents() noexcept
{
    for (dbf::Table *table : {&wwTableNomAsg, &wwTableAulas, wwTableCursos.get(), &wwTableGrupos, &wwTableDiasHoras,
                              &wwTableProfesor, &wwTableSoluc}) {
        if (!table)
            continue;
        try {
            table->close();
        } catch (const dbf::DbfError &) {
            // Closing releases the table even when its index cannot be written,
            // and the run's own error is the one the user must see.
        }
    }
}
