#pragma once

#include "cli/LevelsFile.h"
#include "import/LevelProposal.h"
#include "platform/WinPath.h"

#include <QHash>
#include <QString>

// The levels and courses that earlier imports kept in `workingFolder`'s
// CURSOST2, by course code, as the level and course dialog recovers them: a
// code's first row. Nothing when the table is not there. Raises the table
// layer's error when it cannot be read (TableInUseError while another
// program holds it). `levels`, where given, receives every row's description
// and level, in table order, for the proposals in the school's levels.
QHash<QString, LevelAnswer> readKeptAnswers(const winpath::WorkingFolder &workingFolder,
                                            QList<centre_import::KeptLevel> *levels = nullptr);
