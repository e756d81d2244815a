#pragma once

#include "import/ImportSummary.h"
#include "platform/WinPath.h"

#include <memory>

namespace dbf {
class Table;
}

namespace centre_import {

struct CentreDocument;

// Step 5 of the centre import: writes GRUPOST (one row per group of each course
// of the document, with the level and course the user gave the course in
// CURSOST, read through the main window's wwTableCursos), then MATIB (each
// subject whose course has a group, with that level and course) and stores the
// same pair in DENIVEL and DECURSO of ASIGNOMT, through wwTableGrupos and
// wwTableNomAsg. The step owns wwTableCursos from the call on and releases it
// once the groups are written, or when an error ends the step. Returns the
// groups' short codes that had to differ from their base.
QList<ShortCodeChange> CrearGrupos(const CentreDocument &DocXML, std::unique_ptr<dbf::Table> wwTableCursos,
                                   dbf::Table &wwTableGrupos, dbf::Table &wwTableNomAsg,
                                   const winpath::WorkingFolder &folder);

} // namespace centre_import
