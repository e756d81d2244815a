#pragma once

class UserInteraction;
struct MainFormState;

namespace centre_import {

// The centre import (GestIB → tables); the name speaks from the timetabling program's side.
// The GestIB centre document chosen by the user becomes the working tables,
// step by step in a fixed order.
void BExportarClick(MainFormState &form, UserInteraction &ui);

} // namespace centre_import
