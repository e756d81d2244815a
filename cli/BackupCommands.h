#pragma once

#include "cli/CommandLine.h"
#include "cli/CommandReport.h"

// The backups of replaced working tables, from the command line.

// `copias`: every backup, newest first, with its date, centre and rows.
CommandReport runCopias(const CommandOptions &options);

// `restaurar [COPIA]`: puts a backup (by its name, or the newest) back into
// the working folder all at once, keeping what it replaces as a backup too.
CommandReport runRestaurar(const CommandOptions &options);
