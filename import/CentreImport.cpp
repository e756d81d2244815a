#include "import/CentreImport.h"

#include "run/BackupManifest.h"
#include "run/Backups.h"
#include "run/Hourglass.h"
#include "import/ImportSummary.h"
#include "run/MainFormState.h"
#include "run/RunFrame.h"
#include "run/StagedRun.h"
#include "run/WorkingFolder.h"
#include "import/CentreDocument.h"
#include "import/CompareSets.h"
#include "import/CrearAsignaturas.h"
#include "import/CrearAulas.h"
#include "import/CrearCursos.h"
#include "import/CrearDiasHoras.h"
#include "import/CrearGrupos.h"
#include "import/CrearLineasAsignaturas.h"
#include "import/CrearProfesores.h"
#include "import/ImportFigures.h"
#include "import/ImportInteraction.h"
#include "import/ImportedTables.h"
#include "import/RecreateTable.h"
#include "platform/Error.h"
#include "platform/WinPath.h"

#include <QFileInfo>

namespace centre_import {

namespace {
// The level dialog's memory, which the import reads before it rewrites it.
const QString keptAnswers = QStringLiteral("CURSOST2.DBF");

// What the manifest kept with the new tables says of them.
BackupManifest manifestOf(const ImportSummary &summary)
{
    BackupManifest manifest;
    manifest.document = summary.document;
    manifest.codi = summary.codi;
    manifest.any = summary.any;
    manifest.written = QDateTime::currentDateTime();
    for (const ImportSummary::TableRows &table : summary.tableRows)
        manifest.rows.append({table.table, table.rows});
    return manifest;
}

// The main window's table components work in the staging folder while the
// steps write there, and in the working folder again whatever way they end.
class ComponentsInStaging {
public:
    ComponentsInStaging(MainFormState &form, const winpath::WorkingFolder &staging)
        : m_form(form)
    {
        m_form.pointComponentsAt(staging);
    }
    ~ComponentsInStaging() { m_form.pointComponentsAt(m_form.workingFolder); }
    ComponentsInStaging(const ComponentsInStaging &) = delete;
    ComponentsInStaging &operator=(const ComponentsInStaging &) = delete;

private:
    MainFormState &m_form;
};

// The steps in their order, each writing into `folder`, noting in the
// summary what only the steps know. False when the user forced the exit from
// the level and course dialog: no later step runs on incomplete levels.
bool runSteps(MainFormState &form, CentreDocument &DocXML, ImportInteraction &ui, ImportSummary &summary,
              const winpath::WorkingFolder &folder)
{
    const ComponentsInStaging components(form, folder);
    summary.addShortCodeChanges(QStringLiteral("ASIGNOMT"), CrearAsignaturas(DocXML, folder));
    summary.addShortCodeChanges(QStringLiteral("PROFT"), CrearProfesores(DocXML, folder));
    summary.addShortCodeChanges(QStringLiteral("AULAT"), CrearAulas(DocXML, folder));
    if (CrearCursos(DocXML, form.result, ui, folder) == CursosOutcome::ForcedExit)
        return false;
    summary.addShortCodeChanges(
        QStringLiteral("GRUPOST"),
        CrearGrupos(DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, folder));
    summary.subjectLinesCreated = CrearLineasAsignaturas(form.wwTableGrupos, form.wwTableProfesor, form.wwTableAulas,
                                                         form.wwTableNomAsg, ui, folder);
    CrearDiasHoras(folder);
    return true;
}
} // namespace

void BExportarClick(MainFormState &form, ImportInteraction &ui)
{
    if (!chooseArchivoXML(form, ui, DrivenNoFile::NoDocument))
        return;

    // What the import read of its document; the steps that write a
    // section's table let go of its records.
    CentreDocument DocXML = readCentreDocument(form.ArchivoXML);
    requireCentreDocument(DocXML, form.ArchivoXML);

    ImportSummary summary;
    // Named as the user's programs name it, whatever way it was chosen or typed.
    summary.document = winpath::toWindows(QFileInfo(winpath::toLocal(form.ArchivoXML)).absoluteFilePath());
    summary.codi = DocXML.codi;
    summary.any = DocXML.any;
    const QString workingFolder = form.workingFolder.local();
    if (!QFileInfo(workingFolder).isDir())
        summary.createdFolder = workingFolder;
    bool finished = false;
    QString backup; // of the replaced set: where it went
    {
        // Held from here to the last rename: no other program takes a table
        // while the user answers the level dialog.
        StagedRun staged(form.workingFolder, replacedFiles(), {keptAnswers});
        const Hourglass hourglass(ui);
        finished = runSteps(form, DocXML, ui, summary, staged.folder());
        if (finished) {
            summary.replaced = backups::describeSet(workingFolder, importedTables());
            readBackImportFigures(summary, staged.folder());
            backup = staged.commit(manifestOf(summary).toText(), importedTables());
            if (!backup.isEmpty())
                summary.backup = backups::shownPath(form.workingFolder, backup);
        }
    }
    // Read once the run no longer holds the replaced tables, now in the backup.
    if (!backup.isEmpty())
        summary.codeChanges = compareSets(backup, workingFolder);

    if (!finished) {
        abandonRun(form, ui);
        return;
    }
    finishRun(form, ui, summary);
}

} // namespace centre_import
