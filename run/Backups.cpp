#include "run/Backups.h"

#include "run/WorkingFolder.h"
#include "platform/Dbf.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace backups {

namespace {
// Only folders named as the converter names them are backups: anything else
// a user puts in Copias is neither listed nor removed.
bool isBackupName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}\\.\\d{2}\\.\\d{2}( \\(\\d+\\))?$"));
    return pattern.match(name).hasMatch();
}

// Newest first: the date sorts as text; a " (n)" suffix comes after its date.
bool newerFirst(const QString &a, const QString &b)
{
    const QString dateA = a.left(19), dateB = b.left(19);
    if (dateA != dateB)
        return dateA > dateB;
    const auto suffix = [](const QString &name) { return name.size() > 19 ? name.mid(21).chopped(1).toInt() : 1; };
    return suffix(a) > suffix(b);
}

QStringList backupNames()
{
    QStringList names;
    for (const QString &name : QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (isBackupName(name))
            names << name;
    }
    std::sort(names.begin(), names.end(), newerFirst);
    return names;
}

int rowsOf(const QString &tablePath)
{
    try {
        dbf::Table table;
        table.setFolder(QFileInfo(tablePath).path());
        table.setTableName(QFileInfo(tablePath).fileName());
        table.setExclusive(false);
        table.open();
        return table.recordCount();
    } catch (const dbf::DbfError &) {
        return -1;
    }
}
} // namespace

QString folder() { return winpath::fileInFolder(working_folder::path, QStringLiteral("Copias")); }

QString newFolder(const QDateTime &when)
{
    const QString base = QDir(folder()).filePath(when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral(" (%1)").arg(n);
    return path;
}

QString shownPath(const QString &localPath)
{
    if (!winpath::movedWorkingFolder().isEmpty())
        return localPath;
    return working_folder::path + QStringLiteral("\\Copias\\") + QFileInfo(localPath).fileName();
}

QList<Backup> list()
{
    QList<Backup> found;
    for (const QString &name : backupNames()) {
        const QString path = QDir(folder()).filePath(name);
        QFile manifest(QDir(path).filePath(BackupManifest::fileName));
        found.append({name, path,
                      manifest.open(QIODevice::ReadOnly) ? BackupManifest::fromText(manifest.readAll())
                                                         : BackupManifest()});
    }
    return found;
}

void keepNewest()
{
    const QStringList names = backupNames();
    for (qsizetype i = kept; i < names.size(); ++i)
        QDir(QDir(folder()).filePath(names[i])).removeRecursively();
}

void describeUnknownSet(const QString &backupPath, const QStringList &tables)
{
    const QDir backup(backupPath);
    if (backup.exists(BackupManifest::fileName))
        return;
    BackupManifest manifest;
    for (const QString &name : tables) {
        const QStringList files = backup.entryList({name + QStringLiteral(".DBF")}, QDir::Files);
        if (!files.isEmpty())
            manifest.rows.append({name, rowsOf(backup.filePath(files.first()))});
    }
    // Only a description: a backup whose manifest could not be written is still whole.
    (void)writeWholeFile(backup.filePath(BackupManifest::fileName), manifest.toText());
}

} // namespace backups
