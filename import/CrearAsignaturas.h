#pragma once

#include "import/ImportSummary.h"


namespace centre_import {

struct CentreDocument;

// Writes ASIGNOMT, the subjects and activities of the centre document read,
// and lets go of their records (see writeAndRelease). Returns the short
// codes that had to differ from their base.
QList<ShortCodeChange> CrearAsignaturas(CentreDocument &DocXML);

} // namespace centre_import
