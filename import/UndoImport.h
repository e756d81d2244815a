#pragma once

#include "platform/WinPath.h"

#include <QString>

class UserInteraction;

namespace centre_import {

enum class UndoOutcome {
    Restored, // the replaced set is back, its restore shown and logged
    Declined, // the user said no; nothing changed
    Failed,   // the error has been shown; nothing changed
};

// Undoes a finished import by putting back the backup it made of the set it
// replaced in `workingFolder` (`backup`, as the import's summary names it), after the user has
// confirmed. What the undo replaces is kept as a backup in its turn, so the
// undo can itself be undone with "restaurar". While another program holds a
// table, the user is told and nothing changes.
UndoOutcome undoImport(const winpath::WorkingFolder &workingFolder, const QString &backup, UserInteraction &ui);

} // namespace centre_import
