#include "run/MainFormState.h"

#include "run/WorkingFolder.h"

namespace {
std::unique_ptr<dbf::Table> makeCursosComponent(const winpath::WorkingFolder &folder)
{
    return std::make_unique<dbf::Table>(QStringLiteral("wwTableCursos"), working_folder::components,
                                        QStringLiteral("CURSOST"), true, folder);
}
} // namespace

MainFormState::MainFormState(winpath::WorkingFolder workingFolder)
    : workingFolder(std::move(workingFolder))
    , wwTableNomAsg(QStringLiteral("wwTableNomAsg"), working_folder::components, QStringLiteral("ASIGNOMT"), true,
                    this->workingFolder)
    , wwTableAulas(QStringLiteral("wwTableAulas"), working_folder::components, QStringLiteral("AULAT"), true,
                   this->workingFolder)
    , wwTableCursos(makeCursosComponent(this->workingFolder))
    , wwTableGrupos(QStringLiteral("wwTableGrupos"), working_folder::components, QStringLiteral("GRUPOST"), true,
                    this->workingFolder)
    , wwTableDiasHoras(QStringLiteral("wwTableDiasHoras"), working_folder::components, QStringLiteral("DIASHORAST"),
                       true, this->workingFolder)
    , wwTableProfesor(QStringLiteral("wwTableProfesor"), working_folder::components, QStringLiteral("PROFT"), true,
                      this->workingFolder)
    , wwTableSoluc(QStringLiteral("wwTableSoluc"), working_folder::components, QStringLiteral("SOLUC"), true,
                   this->workingFolder)
    , m_componentsFolder(this->workingFolder)
{
}

std::unique_ptr<dbf::Table> MainFormState::takeTableCursos()
{
    return wwTableCursos ? std::move(wwTableCursos) : makeCursosComponent(m_componentsFolder);
}

void MainFormState::pointComponentsAt(const winpath::WorkingFolder &folder)
{
    m_componentsFolder = folder;
    for (dbf::Table *component : components())
        component->setWorkingFolder(folder);
}

std::vector<dbf::Table *> MainFormState::components()
{
    std::vector<dbf::Table *> all = {&wwTableNomAsg,    &wwTableAulas,    &wwTableGrupos, &wwTableDiasHoras,
                                     &wwTableProfesor, &wwTableSoluc};
    if (wwTableCursos)
        all.push_back(wwTableCursos.get());
    return all;
}
