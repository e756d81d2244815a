#pragma once

#include "platform/WinPath.h"

#include <QString>

// What the program does first at every start, window or command line:
// finishes a replacement of the working tables that a kill or a power cut
// interrupted, so the working folder holds the whole new set, removes
// the staging folders of runs that did not finish and tidies what an earlier
// version left in the backups' folder. Returns a line for the
// user when a replacement was finished, else nothing; raises an Error when
// the working folder cannot be put right.
QString recoverWorkingFolder(const winpath::WorkingFolder &workingFolder);
