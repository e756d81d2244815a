#include "export/TimetableExport.h"

#include "run/MainFormState.h"
#include "run/Hourglass.h"
#include "export/ExportSummary.h"
#include "run/OpenTables.h"
#include "run/TablesHold.h"
#include "run/RunFrame.h"
#include "run/UserInteraction.h"
#include "export/DayPeriodKey.h"
#include "export/FirstMatchIndex.h"
#include "export/RequireCompleteTable.h"
#include "export/RequireFields.h"
#include "export/SolucioHorari.h"
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FileHold.h"
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"
#include "platform/XmlError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace timetable_export {

namespace {
// When another program holds one of the tables, the run is refused with a
// message naming it before any is opened.
void requireFree(const std::vector<dbf::Table *> &tables)
{
    QStringList paths;
    for (const dbf::Table *table : tables)
        paths << table->localPath();
    requireTablesFree(paths);
}

// An older "SolucioHorari.xml" that another program holds (GestIB reading it,
// an editor) is not replaced: the run is refused before anything is written,
// as for a held table. The hold lasts until the new file has taken its place,
// so that no program takes the older file meanwhile.
void holdOlderDocument(dbf::FileHold &hold, const QString &output)
{
    if (hold.hold(output) == dbf::FileHold::Result::HeldByAnother)
        throw dbf::TableInUseError(
            QCoreApplication::translate("TimetableExport",
                                        "El archivo %1 está en uso por otro programa. Cierre ese programa y "
                                        "vuelva a intentarlo; no se ha modificado nada.")
                .arg(winpath::toWindows(output)));
}

// The values a look-up finds for a session's code. A code that names no row
// leaves its attributes empty, which GestIB takes silently, so it is noted for
// the summary; a blank code names no row on purpose and is not.
const QStringList &lookUp(const FirstMatchIndex &index, const QString &code, ExportSummary::Lookup lookup,
                          ExportSummary &summary)
{
    if (const QStringList *values = index.find(code))
        return *values;
    if (!code.isEmpty())
        summary.noteUnmatched(lookup, code);
    return index.none();
}

// One SESSIO per SOLUC record placed on a day, in SOLUC's order.
void appendSessions(MainFormState &form, SolucioHorari &document, ExportSummary &summary)
{
    using Lookup = ExportSummary::Lookup;
    dbf::Table &soluc = form.wwTableSoluc;
    requireCompleteTable(soluc);
    // Checked before anything is read, so that the error names the first
    // missing field whatever the records hold.
    requireFields(soluc, {QStringLiteral("DIA"), QStringLiteral("HORA"), QStringLiteral("PROF"),
                          QStringLiteral("CODGRUPO"), QStringLiteral("AULA"), QStringLiteral("ASIG"),
                          QStringLiteral("TAREA")});
    const bool halfHourMode = hasHalfHours(soluc);

    const FirstMatchIndex profesores(form.wwTableProfesor, QStringLiteral("ABREV"), {QStringLiteral("CODI")});
    const FirstMatchIndex grupos(form.wwTableGrupos, QStringLiteral("ABREV"),
                                 {QStringLiteral("CODICURS"), QStringLiteral("CODI")});
    const FirstMatchIndex diasHoras(form.wwTableDiasHoras, QStringLiteral("DIHO"),
                                    {QStringLiteral("DIA"), QStringLiteral("HORADESDE"), QStringLiteral("MINUTOS")});
    const FirstMatchIndex aulas(form.wwTableAulas, QStringLiteral("ABREV"), {QStringLiteral("CODI")});
    const FirstMatchIndex asignaturas(form.wwTableNomAsg, QStringLiteral("COD"), {QStringLiteral("CODI")});

    // The codes of the current record, read into the same texts each time.
    QString prof, codGrupo, dia, aulaCode, asig, tarea, key;
    for (soluc.first(); !soluc.eof(); soluc.next()) {
        // Day 0 is a session the timetabling program could not place.
        if (soluc.asInteger(QStringLiteral("DIA")) == 0) {
            ++summary.sessionsSkipped;
            continue;
        }
        soluc.readString(QStringLiteral("PROF"), prof);
        soluc.readString(QStringLiteral("CODGRUPO"), codGrupo);
        soluc.readString(QStringLiteral("DIA"), dia);
        soluc.readString(QStringLiteral("AULA"), aulaCode);
        soluc.readString(QStringLiteral("ASIG"), asig);
        soluc.readString(QStringLiteral("TAREA"), tarea);
        const QStringList &profesor = lookUp(profesores, prof, Lookup::Profesor, summary);
        const QStringList &grupo = lookUp(grupos, codGrupo, Lookup::Grupo, summary);
        writeDayPeriodKey(dia, periodNumber(soluc.asFloat(QStringLiteral("HORA")), halfHourMode), key);
        const QStringList &diaHora = lookUp(diasHoras, key, Lookup::DiaHora, summary);
        const QStringList &aula = lookUp(aulas, aulaCode, Lookup::Aula, summary);
        const QStringList &asignatura = lookUp(asignaturas, asig, Lookup::Asignatura, summary);
        document.append({.placa = profesor[0],
                         .curs = grupo[0],
                         .grup = grupo[1],
                         .dia = diaHora[0],
                         .hora = diaHora[1],
                         .durada = diaHora[2],
                         .aula = aula[0],
                         .materia = asignatura[0],
                         .activitat = tarea});
        ++summary.sessionsWritten;
    }
}

// The sessions of the timetable at `path`, 0 when there is none or it does
// not read as one: only to warn that a run wrote none over them.
int sessionsIn(const QString &path)
{
    if (!QFileInfo::exists(path))
        return 0;
    try {
        xml::Document earlier;
        earlier.load(path);
        return earlier.selectNodes(QStringLiteral("/HORARI/SESSIONS/SESSIO")).length();
    } catch (const xml::XmlError &) {
        return 0;
    }
}
} // namespace

void BImportarClick(MainFormState &form, UserInteraction &ui)
{
    // The dialog is the centre import's, which asks for the GestIB file; here
    // the user also needs to know that any file of the folder will do.
    const FilePurpose purpose{
        QCoreApplication::translate("TimetableExport",
                                    "«SolucioHorari.xml» se guarda en la carpeta del archivo que elija: el archivo "
                                    "de GestIB o cualquier otro de esa carpeta."),
        QCoreApplication::translate("TimetableExport",
                                    "Elija el archivo de GestIB o cualquier archivo de la carpeta donde quiere "
                                    "«SolucioHorari.xml».")};
    if (!chooseArchivoXML(form, ui, DrivenNoFile::NotDone, purpose))
        return;
    // The chosen file only says where GestIB expects the timetable: it is never read.
    exportTimetable(form, ui, QFileInfo(winpath::toLocal(form.ArchivoXML)).path());
}

void exportTimetable(MainFormState &form, UserInteraction &ui, const QString &localFolder)
{
    ExportSummary summary;
    {
        const Hourglass hourglass(ui);
        const QString output = winpath::fileInFolder(localFolder, QStringLiteral("SolucioHorari.xml"));
        summary.outputPath = winpath::toWindows(output);
        // The timetable goes straight to its file: no document is kept.
        const std::vector<dbf::Table *> openOrder = {&form.wwTableSoluc, &form.wwTableProfesor, &form.wwTableAulas,
                                                     &form.wwTableNomAsg, &form.wwTableGrupos, &form.wwTableDiasHoras};
        requireFree(openOrder);
        dbf::FileHold olderDocument;
        holdOlderDocument(olderDocument, output);
        OpenTables tables(openOrder, {&form.wwTableSoluc, &form.wwTableGrupos, &form.wwTableProfesor,
                                      &form.wwTableAulas, &form.wwTableNomAsg, &form.wwTableDiasHoras});
        SolucioHorari document(output);
        appendSessions(form, document, summary);
        tables.close();
        if (summary.sessionsWritten == 0)
            summary.earlierSessions = sessionsIn(output);
        // Only now does the new file replace an older timetable: a run that
        // fails before this leaves the older one as it was.
        document.finish();
    }

    finishRun(form, ui, summary);
}

} // namespace timetable_export
