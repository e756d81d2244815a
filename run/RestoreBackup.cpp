#include "run/RestoreBackup.h"

#include "run/BackupManifest.h"
#include "run/Backups.h"
#include "run/StagedRun.h"
#include "platform/DbfError.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

QString restoreBackup(const winpath::WorkingFolder &workingFolder, const QString &backupPath, const QStringList &names,
                      const QStringList &tables)
{
    const QDir backup(backupPath);
    if (!backup.exists())
        throw dbf::DbfError(
            QCoreApplication::translate("RestoreBackup", "No existe la copia %1").arg(winpath::toWindows(backupPath)));
    if (!backups::isWhole(backupPath))
        throw dbf::DbfError(QCoreApplication::translate("RestoreBackup",
                                                        "La copia %1 no está completa: no se restaura")
                                .arg(winpath::toWindows(backupPath)));
    StagedRun staged(workingFolder, names, {});
    const QDir staging(staged.stagingPath());
    for (const QString &name : names) {
        // Found whatever its letter case; staged by the name the set gives it.
        const QStringList found = backup.entryList({name}, QDir::Files | QDir::System | QDir::Hidden);
        if (found.isEmpty())
            continue;
        if (const std::optional<QString> problem = copyWholeFile(backup.filePath(found.first()), staging.filePath(name)))
            throw dbf::DbfError(QCoreApplication::translate("RestoreBackup", "No se puede copiar %1 de la copia %2: %3")
                                    .arg(found.first(), winpath::toWindows(backupPath), *problem));
    }
    QFile manifest(backup.filePath(BackupManifest::fileName));
    const QByteArray text = manifest.open(QIODevice::ReadOnly) ? manifest.readAll() : BackupManifest().toText();
    return staged.commit(text, tables);
}
