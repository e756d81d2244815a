#include "run/MainFormState.h"

#include "run/WorkingFolder.h"

namespace {
std::unique_ptr<dbf::Table> makeCursosComponent()
{
    return std::make_unique<dbf::Table>(QStringLiteral("wwTableCursos"), working_folder::components,
                                        QStringLiteral("CURSOST"), true);
}
} // namespace

MainFormState::MainFormState()
    : wwTableNomAsg(QStringLiteral("wwTableNomAsg"), working_folder::components, QStringLiteral("ASIGNOMT"), true)
    , wwTableAulas(QStringLiteral("wwTableAulas"), working_folder::components, QStringLiteral("AULAT"), true)
    , wwTableCursos(makeCursosComponent())
    , wwTableGrupos(QStringLiteral("wwTableGrupos"), working_folder::components, QStringLiteral("GRUPOST"), true)
    , wwTableDiasHoras(QStringLiteral("wwTableDiasHoras"), working_folder::components, QStringLiteral("DIASHORAST"), true)
    , wwTableProfesor(QStringLiteral("wwTableProfesor"), working_folder::components, QStringLiteral("PROFT"), true)
    , wwTableSoluc(QStringLiteral("wwTableSoluc"), working_folder::components, QStringLiteral("SOLUC"), true)
{
}

std::unique_ptr<dbf::Table> MainFormState::takeTableCursos()
{
    return wwTableCursos ? std::move(wwTableCursos) : makeCursosComponent();
}
