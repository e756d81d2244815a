#pragma once

#include <QString>

class RunSummary;
class UserInteraction;
struct MainFormState;

// How both runs begin and end.

// The file choice and the existence test that begin both runs. True when the
// chosen file exists; it is then ArchivoXML. A cancelled dialog ends the run
// whatever an earlier run chose, and in interactive use says nothing.
// Otherwise (no such file, or a cancel in driven mode) "No existe archivo"
// has been shown and, in driven mode, ResultadoTransformacion is
// `drivenNoFile` and the main window has been asked to close.
//
// `purpose`, where a run gives it, says what the chosen file is for: a line in
// the dialog, and what to choose instead under "No existe archivo".
struct FilePurpose {
    QString inDialog;
    QString whenMissing;
};
// What the timetabling program reads as "Transformado" when a driven run
// finds no file: the import has always told it apart as -1, the export
// reports it as any run that did not finish.
enum class DrivenNoFile { NoDocument = -1, NotDone = 0 };
bool chooseArchivoXML(MainFormState &form, UserInteraction &ui, DrivenNoFile drivenNoFile,
                      const FilePurpose &purpose = {});

// The end of a finished run: result 1, the summary appended to the run log,
// "Proceso finalizado" (with the count of warnings, if any) and the summary
// as its details, both run buttons disabled for good, and in driven mode the
// main window closed.
void finishRun(MainFormState &form, UserInteraction &ui, const RunSummary &summary);

// The end of a run the user gave up on before it finished: no "Proceso
// finalizado"; the main window closes, which ends the program, and in driven
// mode the timetabling program reads 0, as for any run that did not finish.
void abandonRun(MainFormState &form, UserInteraction &ui);
