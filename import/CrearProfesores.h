#pragma once

#include "run/ImportSummary.h"

namespace xml {
class Document;
}

namespace centre_import {

// Writes PROFT, one row per teaching post of the loaded centre document.
// Returns the short codes that had to differ from their base.
QList<ShortCodeChange> CrearProfesores(const xml::Document &DocXML);

} // namespace centre_import
