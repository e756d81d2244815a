#pragma once

#include <QStringList>

class UserInteraction;
struct MainFormState;

namespace centre_import {

// The centre import (GestIB → tables); the name speaks from the timetabling program's side.
// The GestIB centre document chosen by the user becomes the working tables,
// step by step in a fixed order.
//
// The steps write into a staging folder; only a run that finishes replaces
// the working folder's tables, all of them at once, and keeps the replaced
// ones in a backup. A run that ends otherwise leaves the working folder as
// it was.
void BExportarClick(MainFormState &form, UserInteraction &ui);

// The nine tables the import writes, in the order the steps write them
// (CURSOST2 only when the level dialog is confirmed).
const QStringList &importedTables();

// Every file of the working folder that an import replaces: the nine tables
// and the index files that the steps delete with them ("MATIB.MDX" among
// them, which the import writes anew).
QStringList replacedFiles();

} // namespace centre_import
