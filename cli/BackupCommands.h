#pragma once

#include "cli/CommandLine.h"
#include "cli/CommandReport.h"

// The backups of replaced working tables, from the command line.

// `copias`: every backup, newest first, with its date, centre and rows.
CommandReport runCopias(const CommandOptions &options);

// `restaurar [COPIA]`: puts a backup (by its name, or the newest) back into
// the working folder all at once, keeping what it replaces as a backup too.
CommandReport runRestaurar(const CommandOptions &options);

// `comparar [A] [B]`: two sets of tables, each a backup by its name or
// "actual" (the working folder), compared by their GestIB codes and rows;
// by default the newest backup against the working folder.
CommandReport runComparar(const CommandOptions &options);
