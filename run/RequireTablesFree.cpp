#include "run/RequireTablesFree.h"

#include "platform/Dbf.h"
#include "platform/DbfFile.h"
#include "platform/WinPath.h"

#include <QFileInfo>

void requireTablesFree(const QStringList &localPaths)
{
    for (const QString &path : localPaths) {
        if (!winpath::fileExists(path))
            continue;
        dbf::DbfFile file;
        try {
            file.open(path, dbf::DbfFile::Lock::Exclusive);
        } catch (const dbf::TableInUseError &) {
            throw dbf::TableInUseError(
                QStringLiteral("La tabla %1 está en uso por otro programa (%2). Cierre ese programa y vuelva a "
                               "intentarlo; no se ha modificado nada.")
                    .arg(QFileInfo(path).completeBaseName().toUpper(), path));
        } catch (const dbf::DbfError &) {
        }
    }
}
