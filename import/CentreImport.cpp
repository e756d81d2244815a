#include "import/CentreImport.h"

#include "run/Hourglass.h"
#include "run/ImportSummary.h"
#include "run/MainFormState.h"
#include "run/RequireTablesFree.h"
#include "run/RunFrame.h"
#include "run/UserInteraction.h"
#include "import/CrearAsignaturas.h"
#include "import/CrearAulas.h"
#include "import/CrearCursos.h"
#include "import/CrearDiasHoras.h"
#include "import/CrearGrupos.h"
#include "import/CrearLineasAsignaturas.h"
#include "import/CrearProfesores.h"
#include "import/ImportFigures.h"
#include "import/RecreateTable.h"
#include "platform/Error.h"
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"

namespace centre_import {

namespace {
// Every step re-creates its tables before it reads the document, so a file
// that is not a centre document would wipe them all and end in "Proceso
// finalizado". It is refused before any table is touched.
void requireCentreDocument(const xml::Document &document, const QString &path)
{
    const QString root = document.documentElement().nodeName();
    if (root != u"CENTRE")
        throw Error(Error::Kind::RefusedDocument,
                    QStringLiteral("%1 no es un documento de centro de GestIB: su elemento raíz es %2, no CENTRE")
                        .arg(path, root));
}
// Every table the steps re-create, and the level and course dialog's memory
// CURSOST2: the run starts only when no other program holds any of them.
QStringList tablesWritten()
{
    QStringList paths;
    for (const char *name : {"ASIGNOMT", "PROFT", "AULAT", "CURSOST", "CURSOST2", "GRUPOST", "MATIB", "ASIGT",
                             "DIASHORAST"})
        paths << winpath::fileInFolder(working_folder::path, QLatin1String(name) + QStringLiteral(".DBF"));
    return paths;
}

// The seven steps in their order, noting in the summary what only the steps
// know. False when the user forced the exit from the level and course
// dialog: no later step runs on incomplete levels.
bool runSteps(MainFormState &form, UserInteraction &ui, ImportSummary &summary)
{
    const xml::Document &DocXML = *form.DocXML;
    summary.addShortCodeChanges(QStringLiteral("ASIGNOMT"), CrearAsignaturas(DocXML));
    summary.addShortCodeChanges(QStringLiteral("PROFT"), CrearProfesores(DocXML));
    summary.addShortCodeChanges(QStringLiteral("AULAT"), CrearAulas(DocXML));
    if (CrearCursos(DocXML, form.result, ui) == CursosOutcome::ForcedExit)
        return false;
    summary.addShortCodeChanges(QStringLiteral("GRUPOST"),
                                CrearGrupos(DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg));
    summary.subjectLinesCreated = CrearLineasAsignaturas(form.wwTableGrupos, form.wwTableProfesor, form.wwTableAulas,
                                                         form.wwTableNomAsg, ui);
    CrearDiasHoras();
    return true;
}
} // namespace

void BExportarClick(MainFormState &form, UserInteraction &ui)
{
    if (!chooseArchivoXML(form, ui, -1))
        return;

    form.DocXML = std::make_shared<xml::Document>();
    form.DocXML->load(form.ArchivoXML);
    requireCentreDocument(*form.DocXML, form.ArchivoXML);
    requireTablesFree(tablesWritten());

    ImportSummary summary;
    summary.document = form.ArchivoXML;
    bool finished = false;
    {
        const Hourglass hourglass(ui);
        finished = runSteps(form, ui, summary);
    }

    if (!finished) {
        abandonRun(form, ui);
        return;
    }
    readBackImportFigures(summary);
    finishRun(form, ui, summary);
}

} // namespace centre_import
