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

std::unique_ptr<dbf::Table> MainFormState::takeTableCursos()
{
    return wwTableCursos ? std::move(wwTableCursos) : makeCursosComponent();
}
