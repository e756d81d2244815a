#include "run/Backups.h"

#include "run/WorkingFolder.h"
#include "platform/DbfError.h"
#include "platform/DbfLayout.h"
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

QStringList folderNames(const QDir &copias)
{
    return copias.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The folders of "Copias" that are whole backups (`whole`) or that are not.
QStringList foldersThatAre(const winpath::WorkingFolder &workingFolder, bool whole)
{
    const QDir copias(folder(workingFolder));
    QStringList names;
    for (const QString &name : folderNames(copias)) {
        if (isWhole(copias.filePath(name)) == whole)
            names << name;
    }
    return names;
}

QStringList wholeBackupNames(const winpath::WorkingFolder &workingFolder)
{
    QStringList names = foldersThatAre(workingFolder, true);
    std::sort(names.begin(), names.end(), newerFirst);
    return names;
}

// Read from the header alone: the tables of a set being replaced are held
// by the run itself, which a table open would meet.
int rowsOf(const QString &tablePath)
{
    QFile file(tablePath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    try {
        return int(dbf::readLayout(file.read(dbf::kLongestHeader), file.size(), tablePath).recordCount);
    } catch (const dbf::DbfError &) {
        return -1;
    }
}

// The tables of a folder, by their names without extension.
QStringList tablesIn(const QString &path)
{
    QStringList tables;
    for (const QString &file : QDir(path).entryList({QStringLiteral("*.DBF")}, QDir::Files))
        tables << QFileInfo(file).completeBaseName();
    return tables;
}
} // namespace

QString folder(const winpath::WorkingFolder &workingFolder)
{
    return workingFolder.fileInFolder(working_folder::path, QStringLiteral("Copias"));
}

QString newFolder(const winpath::WorkingFolder &workingFolder, const QDateTime &when)
{
    const QString base = QDir(folder(workingFolder)).filePath(when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral(" (%1)").arg(n);
    return path;
}

bool isWhole(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && isBackupName(info.fileName()) && QFileInfo(QDir(path).filePath(BackupManifest::fileName)).isFile();
}

QString shownPath(const winpath::WorkingFolder &workingFolder, const QString &localPath)
{
    if (workingFolder.isMoved())
        return localPath;
    return working_folder::path + QStringLiteral("\\Copias\\") + QFileInfo(localPath).fileName();
}

QList<Backup> list(const winpath::WorkingFolder &workingFolder)
{
    const QDir copias(folder(workingFolder));
    QList<Backup> found;
    for (const QString &name : wholeBackupNames(workingFolder)) {
        const QString path = copias.filePath(name);
        QFile manifest(QDir(path).filePath(BackupManifest::fileName));
        found.append({name, path,
                      manifest.open(QIODevice::ReadOnly) ? BackupManifest::fromText(manifest.readAll())
                                                         : BackupManifest()});
    }
    return found;
}

QStringList strayFolders(const winpath::WorkingFolder &workingFolder)
{
    return foldersThatAre(workingFolder, false);
}

void keepNewest(const winpath::WorkingFolder &workingFolder)
{
    const QDir copias(folder(workingFolder));
    const QStringList names = wholeBackupNames(workingFolder);
    for (qsizetype i = kept; i < names.size(); ++i)
        QDir(copias.filePath(names[i])).removeRecursively();
}

void tidy(const winpath::WorkingFolder &workingFolder)
{
    QDir copias(folder(workingFolder));
    for (const QString &name : folderNames(copias)) {
        const QDir backup(copias.filePath(name));
        if (!isBackupName(name) || backup.exists(BackupManifest::fileName))
            continue;
        if (backup.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            copias.rmdir(name);
        else if (const QStringList tables = tablesIn(backup.path()); !tables.isEmpty())
            (void)writeWholeFile(backup.filePath(BackupManifest::fileName),
                                 describeUnknownSet(backup.path(), tables).toText());
    }
}

BackupManifest describeUnknownSet(const QString &folder, const QStringList &tables)
{
    const QDir dir(folder);
    BackupManifest manifest;
    for (const QString &name : tables) {
        const QStringList files = dir.entryList({name + QStringLiteral(".DBF")}, QDir::Files);
        if (!files.isEmpty())
            manifest.rows.append({name, rowsOf(dir.filePath(files.first()))});
    }
    return manifest;
}

std::optional<BackupManifest> describeSet(const QString &folder, const QStringList &tables)
{
    BackupManifest set = describeUnknownSet(folder, tables);
    if (set.rows.isEmpty())
        return std::nullopt;
    const QStringList manifests = QDir(folder).entryList({BackupManifest::fileName}, QDir::Files);
    QByteArray text;
    if (!manifests.isEmpty() && !readWholeFile(QDir(folder).filePath(manifests.first()), text)) {
        const BackupManifest kept = BackupManifest::fromText(text);
        set.document = kept.document;
        set.codi = kept.codi;
        set.any = kept.any;
        set.written = kept.written;
    }
    return set;
}

} // namespace backups
