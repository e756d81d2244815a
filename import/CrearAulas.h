#pragma once

#include "run/ImportSummary.h"

namespace xml {
class Document;
}

namespace centre_import {

// Writes AULAT, one row per room of the loaded centre document.
// Returns the short codes that had to differ from their base.
QList<ShortCodeChange> CrearAulas(const xml::Document &DocXML);

} // namespace centre_import
