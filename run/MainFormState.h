#pragma once

#include "platform/Dbf.h"
#include "platform/XmlDocument.h"

#include <QString>

#include <memory>

// The main window's state without its widgets: the run state of the unit
// MainForm, the public field `result`, the seven table components and the
// reading state of the centre import. Both runs work on it; the main window
// shows it.
struct MainFormState {
    MainFormState();

    // Run state.
    int ModoAutomatico = 0;          // 2 in driven mode
    int ResultadoTransformacion = 0; // written as "Transformado" in driven mode
    QString ArchivoXML;              // the path last confirmed in OpenDialogXML
    std::shared_ptr<xml::Document> DocXML;

    // TMForm.result: set by CrearCursos after a failed dialog pass, read by the dialog.
    bool result = false;

    // BExportar and BImportar; a finished run disables both for good.
    bool runButtonsEnabled = true;

    // Table components: folder "\vtemp", exclusive, closed until used.
    // wwTableCursos is released by CrearGrupos and made again when a later
    // import needs it.
    dbf::Table wwTableNomAsg;
    dbf::Table wwTableAulas;
    std::unique_ptr<dbf::Table> wwTableCursos;
    dbf::Table wwTableGrupos;
    dbf::Table wwTableDiasHoras;
    dbf::Table wwTableProfesor;
    dbf::Table wwTableSoluc;

    // wwTableCursos, made again when it has been released.
    dbf::Table &tableCursos();

    // Closes every table component; one that cannot be closed cleanly (its
    // index cannot be written) is released all the same.
    void closeTableComponents() noexcept;

    // Reading state of the centre import: the latest selection, the element
    // being read and its attributes; the group walk has its own three.
    xml::NodeList ListaNodos;
    xml::Node NodoActual;
    xml::AttributeMap AtributosNodo;
    xml::NodeList ListaGrupos;
    xml::Node NodoGrupo;
    xml::AttributeMap AtributosGrupo;
};
