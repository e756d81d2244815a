#pragma once

#include "cli/CommandReport.h"

#include <QStringList>

// What comprobar concludes from the import it ran into a folder it then
// throws away.

// Whether the import would finish with something to read first: courses
// without level, levels alike in their first five characters, short codes
// that differ from their base, codes of the solution that no table holds, or
// courses of the levels file that the document does not have.
bool hasWarnings(const CommandReport &report);

// The run's summary, already told as what an import would do, under a first
// line that says whether it has warnings and that nothing was changed.
QStringList checkLines(const QStringList &summaryLines, bool warnings);
