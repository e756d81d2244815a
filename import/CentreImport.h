#pragma once

class UserInteraction;
struct MainFormState;

// The centre import: the GestIB centre document chosen by the user becomes the
// working tables, step by step in a fixed order.
void BExportarClick(MainFormState &form, UserInteraction &ui);
