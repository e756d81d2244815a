#pragma once

#include "cli/CommandLine.h"
#include "cli/CommandReport.h"

// The three commands. Each runs to its end and reports, with the exit status
// in the report; errors do not leave them.

// The centre import into the working folder.
CommandReport runExportar(const CommandOptions &options);

// The timetable export into the given folder, or the folder of the given file.
CommandReport runImportar(const CommandOptions &options);

// The centre import into a temporary copy of the working folder, to report
// what it would write; the working folder itself is only read.
CommandReport runComprobar(const CommandOptions &options);
