#pragma once

#include "import/ImportSummary.h"


namespace centre_import {

struct CentreDocument;

// Writes PROFT, one row per teaching post of the centre document read,
// and lets go of their records (see writeAndRelease). Returns the short codes
// that had to differ from their base.
QList<ShortCodeChange> CrearProfesores(CentreDocument &DocXML);

} // namespace centre_import
