#include "run/WorkingFolderRecovery.h"

#include "run/Backups.h"
#include "run/StagedRun.h"
#include "run/WorkingFolder.h"
#include "platform/FolderCommit.h"
#include "platform/StagingFolder.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFileInfo>

QString recoverWorkingFolder(const winpath::WorkingFolder &workingFolder)
{
    const QString folder = workingFolder.local();
    if (!QFileInfo(folder).isDir())
        return {};
    const bool finished = folder_commit::recoverFolderCommit(folder);
    removeAbandonedStagingFolders(folder, StagedRun::stagingPrefix);
    backups::tidy(workingFolder);
    if (!finished)
        return {};
    return QCoreApplication::translate(
               "WorkingFolderRecovery",
               "Se ha completado la sustitución de las tablas de %1 que una ejecución anterior dejó "
               "a medias; las tablas sustituidas están en %2.")
        .arg(working_folder::path, working_folder::path + QStringLiteral("\\Copias"));
}
