#pragma once

#include "cli/CommandLine.h"
#include "cli/CommandReport.h"

// The four commands. Each runs to its end and reports, with the exit status
// in the report; errors do not leave them.

// The centre import into the working folder.
CommandReport runExportar(const CommandOptions &options);

// The timetable export into the given folder, or the folder of the given file.
CommandReport runImportar(const CommandOptions &options);

// The centre import into a temporary copy of the working folder, to report
// what it would write; the working folder itself is only read. Its status is
// Warnings when that import would finish with warnings.
CommandReport runComprobar(const CommandOptions &options);

// The levels file's template for the centre document, to -o or standard
// output; the working folder's CURSOST2 is only read.
CommandReport runPlantilla(const CommandOptions &options);
