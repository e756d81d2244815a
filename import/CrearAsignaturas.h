#pragma once

#include "import/ImportSummary.h"
#include "platform/WinPath.h"


namespace centre_import {

struct CentreDocument;

// Writes ASIGNOMT, the subjects and activities of the centre document read,
// and lets go of their records (see writeAndRelease). Returns the short
// codes that had to differ from their base.
QList<ShortCodeChange> CrearAsignaturas(CentreDocument &DocXML, const winpath::WorkingFolder &folder);

} // namespace centre_import
