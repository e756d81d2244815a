#pragma once

struct MainFormState;

namespace centre_import {

class ImportInteraction;

// The centre import (GestIB → tables); the name speaks from the timetabling program's side.
// The GestIB centre document chosen by the user becomes the working tables,
// step by step in a fixed order.
//
// The steps write into a staging folder; only a run that finishes replaces
// the working folder's tables, all of them at once, and keeps the replaced
// ones in a backup. A run that ends otherwise leaves the working folder as
// it was.
void BExportarClick(MainFormState &form, ImportInteraction &ui);

} // namespace centre_import
