#include "import/CentreImport.h"

#include "run/BackupManifest.h"
#include "run/Backups.h"
#include "run/Hourglass.h"
#include "run/ImportSummary.h"
#include "run/MainFormState.h"
#include "run/RunFrame.h"
#include "run/StagedRun.h"
#include "run/UserInteraction.h"
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
#include "import/RecreateTable.h"
#include "platform/Error.h"
#include "platform/WinPath.h"

#include <QFileInfo>

namespace centre_import {

namespace {
// The level dialog's memory, which the import reads before it rewrites it.
const QString keptAnswers = QStringLiteral("CURSOST2.DBF");

// What the manifest kept with the new tables says of them.
BackupManifest manifestOf(const ImportSummary &summary, const CentreDocument &document)
{
    BackupManifest manifest;
    manifest.document = summary.document;
    manifest.codi = document.codi;
    manifest.any = document.any;
    manifest.written = QDateTime::currentDateTime();
    for (const ImportSummary::TableRows &table : summary.tableRows)
        manifest.rows.append({table.table, table.rows});
    return manifest;
}

// The seven steps in their order, noting in the summary what only the steps
// know. False when the user forced the exit from the level and course
// dialog: no later step runs on incomplete levels.
bool runSteps(MainFormState &form, UserInteraction &ui, ImportSummary &summary)
{
    CentreDocument &DocXML = *form.DocXML;
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

    form.DocXML = std::make_shared<CentreDocument>(readCentreDocument(form.ArchivoXML));
    requireCentreDocument(*form.DocXML, form.ArchivoXML);

    ImportSummary summary;
    // Named as the user's programs name it, whatever way it was chosen or typed.
    summary.document = winpath::toWindows(QFileInfo(winpath::toLocal(form.ArchivoXML)).absoluteFilePath());
    summary.codi = form.DocXML->codi;
    summary.any = form.DocXML->any;
    const QString workingFolder = winpath::toLocal(working_folder::path);
    if (!QFileInfo(workingFolder).isDir())
        summary.createdFolder = workingFolder;
    bool finished = false;
    QString backup; // of the replaced set: where it went
    {
        // Held from here to the last rename: no other program takes a table
        // while the user answers the level dialog.
        StagedRun staged(replacedFiles(), {keptAnswers});
        const Hourglass hourglass(ui);
        finished = runSteps(form, ui, summary);
        if (finished) {
            summary.replaced = backups::describeSet(workingFolder, importedTables());
            readBackImportFigures(summary);
            backup = staged.commit(manifestOf(summary, *form.DocXML).toText(), importedTables());
            if (!backup.isEmpty())
                summary.backup = backups::shownPath(backup);
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

const QStringList &importedTables()
{
    static const QStringList tables = {
        QStringLiteral("ASIGNOMT"), QStringLiteral("PROFT"),   QStringLiteral("AULAT"),
        QStringLiteral("CURSOST"),  QStringLiteral("CURSOST2"), QStringLiteral("GRUPOST"),
        QStringLiteral("MATIB"),    QStringLiteral("ASIGT"),   QStringLiteral("DIASHORAST"),
    };
    return tables;
}

QStringList replacedFiles()
{
    QStringList files;
    for (const QString &table : importedTables()) {
        files << table + QStringLiteral(".DBF");
        // The dialog keeps CURSOST2 and whatever index another program gave it.
        if (table != QLatin1String("CURSOST2"))
            files << table + QStringLiteral(".MDX");
    }
    return files;
}

} // namespace centre_import
