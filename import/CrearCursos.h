#pragma once

#include "platform/WinPath.h"

namespace centre_import {

class ImportInteraction;

struct CentreDocument;

// How the level and course dialog let the run go: on to the groups, or to an
// end without them.
enum class CursosOutcome { Continue, ForcedExit };

// The fourth step of the centre import: writes CURSOST, one row per course of
// the document with NIVEL and CURSO blank, then shows the level and course
// dialog again and again until a pass ends without a blank. Every failed pass
// sets `result`, the main window's flag the next pass reads. A forced exit
// leaves the loop at once: the levels are incomplete, so the run must write
// nothing more from them.
[[nodiscard]] CursosOutcome CrearCursos(const CentreDocument &DocXML, bool &result, ImportInteraction &ui,
                                        const winpath::WorkingFolder &folder);

} // namespace centre_import
