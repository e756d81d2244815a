#pragma once

#include "import/ImportSummary.h"
#include "platform/WinPath.h"


namespace centre_import {

struct CentreDocument;

// Writes PROFT, one row per teaching post of the centre document read,
// and lets go of their records (see writeAndRelease). Returns the short codes
// that had to differ from their base.
QList<ShortCodeChange> CrearProfesores(CentreDocument &DocXML, const winpath::WorkingFolder &folder);

} // namespace centre_import
