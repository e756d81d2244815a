#pragma once

#include "platform/WinPath.h"

#include <QString>
#include <QStringList>

// Puts the tables of a backup (a folder of "C:\VTEMP\Copias") back into the
// working folder `workingFolder`, all at once as an import does, keeping what they replace
// as a new backup. `names` are the files of the set and `tables` its tables,
// as the import replaces them: a file of the set that the backup lacks is
// taken out of the working folder too, so that the working folder holds
// exactly the backed-up set. A folder that is not a whole backup is
// refused, nothing changed. Raises dbf::TableInUseError while another
// program holds a file of the set, having changed nothing. Returns the new
// backup's local path (empty when the working folder held none of the set).
QString restoreBackup(const winpath::WorkingFolder &workingFolder, const QString &backupPath, const QStringList &names,
                      const QStringList &tables);
