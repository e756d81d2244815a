#include "cli/BackupListing.h"

#include "platform/WinPath.h"

#include <QCoreApplication>

QJsonObject backupJson(const backups::Backup &backup)
{
    QJsonObject rows;
    for (const auto &[table, count] : backup.manifest.rows)
        rows.insert(table, count < 0 ? QJsonValue() : QJsonValue(count));
    return {{QStringLiteral("nombre"), backup.name},
            {QStringLiteral("ruta"), backup.path},
            {QStringLiteral("centro"), backup.manifest.codi},
            {QStringLiteral("curso"), backup.manifest.any},
            {QStringLiteral("documento"), backup.manifest.document},
            {QStringLiteral("filas"), rows}};
}

QString shownBackupsFolder(const winpath::WorkingFolder &workingFolder)
{
    return winpath::toWindows(backups::folder(workingFolder));
}

QString noBackupsText(const winpath::WorkingFolder &workingFolder)
{
    return QCoreApplication::translate("BackupListing", "No hay copias de tablas sustituidas en %1")
        .arg(shownBackupsFolder(workingFolder));
}

QString noSuchBackupText(const winpath::WorkingFolder &workingFolder, const QString &name)
{
    return QCoreApplication::translate("BackupListing", "No existe la copia %1 en %2").arg(name, shownBackupsFolder(workingFolder));
}
