#include "run/RunFrame.h"

#include "run/MainFormState.h"
#include "run/OpenDialogXML.h"
#include "run/RunLog.h"
#include "run/RunSummary.h"
#include "run/UserInteraction.h"
#include "platform/Dbf.h"
#include "platform/WinPath.h"

#include <QCoreApplication>

namespace {
constexpr int drivenMode = 2;

void closeInDrivenMode(MainFormState &form, UserInteraction &ui)
{
    if (form.ModoAutomatico == drivenMode)
        ui.closeMainWindow();
}
} // namespace

bool chooseArchivoXML(MainFormState &form, UserInteraction &ui, DrivenNoFile drivenNoFile, const FilePurpose &purpose)
{
    UserInteraction::OpenFileDialog dialog = OpenDialogXML();
    dialog.note = purpose.inDialog;
    const std::optional<QString> chosen = ui.chooseOpenFile(dialog);
    if (chosen) {
        form.ArchivoXML = *chosen;
        if (winpath::fileExists(form.ArchivoXML))
            return true;
    } else if (form.ModoAutomatico != drivenMode) {
        // Cancel means leave everything alone: the file of an earlier run is
        // not taken up again.
        return false;
    }
    // Driven mode reports a cancel as a missing file, so that the timetabling
    // program reads the outcome it always read for it.
    ui.showNoFile(QCoreApplication::translate("RunFrame", "No existe archivo"), chosen.value_or(QString()),
                  purpose.whenMissing);
    if (form.ModoAutomatico == drivenMode)
        form.ResultadoTransformacion = static_cast<int>(drivenNoFile);
    closeInDrivenMode(form, ui);
    return false;
}

void finishRun(MainFormState &form, UserInteraction &ui, const RunSummary &summary)
{
    form.ResultadoTransformacion = 1;
    dbf::Table::flushAll();
    // Logged before the message, which the user may leave unanswered.
    const QString logProblem = appendToRunLog(form.workingFolder, summary, QDateTime::currentDateTime());
    ui.showSummary(summary.finishedText(), summary);
    // The run itself is done; a log that cannot be written is only reported.
    if (!logProblem.isEmpty())
        ui.showError(standardErrorText(logProblem));
    form.runButtonsEnabled = false;
    closeInDrivenMode(form, ui);
}

void abandonRun(MainFormState &form, UserInteraction &ui)
{
    if (form.ModoAutomatico == drivenMode)
        form.ResultadoTransformacion = 0;
    ui.closeMainWindow();
}
