#pragma once

#include "platform/WinPath.h"

class ImportSummary;

namespace centre_import {

// Reads back what a finished import left in `folder`: the rows of
// each imported table, and from CURSOST the courses without level or
// course and those whose groups' short codes start alike. The figures then
// match the tables whatever path each step took. A table that cannot be read
// (another program took it meanwhile) is shown as such; the import itself is
// done by then.
void readBackImportFigures(ImportSummary &summary, const winpath::WorkingFolder &folder);

} // namespace centre_import
