#pragma once

#include <QStringList>

// Refuses a run before it changes anything when another program holds one of
// the tables it will write or read: each table file of `localPaths` that
// exists is opened and locked exclusively for a moment. The first one held
// raises dbf::TableInUseError naming the table; the run has touched nothing.
// Any other failure to open a file is left to the step that uses it, which
// reports it as it always has.
void requireTablesFree(const QStringList &localPaths);
