#pragma once

#include "platform/Dbf.h"

#include <QString>

#include <memory>

// The main window's state without its widgets: the run state of the unit
// MainForm, the public field `result` and the seven table components. Both
// runs work on it and hand each step what that step reads and writes; the
// main window shows it.
struct MainFormState {
    // The runs work on `workingFolder`: where drive C: puts "C:\VTEMP", or
    // another folder for a run from the command line.
    explicit MainFormState(winpath::WorkingFolder workingFolder = {});

    const winpath::WorkingFolder workingFolder;

    // Run state.
    int ModoAutomatico = 0;          // 2 in driven mode
    int ResultadoTransformacion = 0; // written as "Transformado" in driven mode
    QString ArchivoXML;              // the path last confirmed in OpenDialogXML

    // TMForm.result: set by CrearCursos after a failed dialog pass, read by the dialog.
    bool result = false;

    // BExportar and BImportar; a finished run disables both for good.
    bool runButtonsEnabled = true;

    // Table components: folder "\vtemp", exclusive, closed until used.
    // wwTableCursos is handed to CrearGrupos, which releases it, and made
    // again when a later import needs it.
    dbf::Table wwTableNomAsg;
    dbf::Table wwTableAulas;
    std::unique_ptr<dbf::Table> wwTableCursos;
    dbf::Table wwTableGrupos;
    dbf::Table wwTableDiasHoras;
    dbf::Table wwTableProfesor;
    dbf::Table wwTableSoluc;

    // wwTableCursos for the step that releases it, made again when an
    // earlier import has released it; the window holds none afterwards.
    std::unique_ptr<dbf::Table> takeTableCursos();

    // Points the closed table components at `folder` (a run's staging folder
    // while it writes there), until pointed back at workingFolder.
    void pointComponentsAt(const winpath::WorkingFolder &folder);

private:
    std::vector<dbf::Table *> components();
    winpath::WorkingFolder m_componentsFolder;
};
