#pragma once

#include "import/ImportSummary.h"


namespace centre_import {

struct CentreDocument;

// Writes AULAT, one row per room of the centre document read,
// and lets go of their records (see writeAndRelease). Returns the short codes
// that had to differ from their base.
QList<ShortCodeChange> CrearAulas(CentreDocument &DocXML);

} // namespace centre_import
