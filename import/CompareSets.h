#pragma once

#include "import/ImportSummary.h"

#include <QList>
#include <QString>

namespace centre_import {

// How the teachers, subjects, rooms, courses and groups of the tables in
// `laterFolder` differ by GestIB code from those in `earlierFolder` (local
// paths; a missing table holds nothing). Only tables with changes are given,
// and a table that cannot be read is left out.
// Each table of the earlier set is held as codes and names while the later
// one is read, one table at a time.
QList<CodeChanges> compareSets(const QString &earlierFolder, const QString &laterFolder);

} // namespace centre_import
