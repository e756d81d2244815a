#include "platform/WinPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace winpath {
namespace {

#ifndef Q_OS_WIN
// Drive C: as Wine shows it to Windows programs; read at every call, since the
// prefix may change while we run.
QString driveRoot(QChar letter)
{
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    if (letter.toUpper() == u'C')
        return prefix + QStringLiteral("/drive_c");
    return prefix + QStringLiteral("/dosdevices/") + letter.toLower() + QLatin1Char(':');
}

// The entry of folder named `name` whatever its letter case: the exact name
// when it exists, else the first case variant in name order, else `name` itself.
QString matchingEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

// Appends the parts of a Windows path below `root`, finding each existing
// part whatever its case; once a part is missing the rest keep their case.
QString resolveBelow(QString path, const QString &relative)
{
    bool exists = QFileInfo(path).isDir();
    QString parts = relative;
    parts.replace(u'\\', u'/');
    for (const QString &part : parts.split(u'/', Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        const QString name = exists ? matchingEntry(path, part) : part;
        path += QLatin1Char('/') + name;
        exists = exists && QFileInfo::exists(path);
    }
    return path;
}

bool isDriveLetter(QChar c) { return c.isLetter() && c.unicode() < 0x80; }
#endif

} // namespace

QString toLocal(const QString &windowsPath)
{
#ifdef Q_OS_WIN
    return windowsPath;
#else
    if (windowsPath.size() >= 2 && isDriveLetter(windowsPath[0]) && windowsPath[1] == u':')
        return resolveBelow(driveRoot(windowsPath[0]), windowsPath.mid(2));
    // "\vtemp" is on the current drive, C:; "\\server\share" is no local path.
    if (windowsPath.startsWith(u'\\') && !windowsPath.startsWith(QLatin1String("\\\\")))
        return resolveBelow(driveRoot(u'C'), windowsPath);
    return windowsPath;
#endif
}

QString fileInFolder(const QString &windowsFolder, const QString &name)
{
    const QString local = toLocal(windowsFolder);
    if (local != windowsFolder)
        return toLocal(windowsFolder + QLatin1Char('\\') + name);
#ifndef Q_OS_WIN
    return resolveBelow(local.isEmpty() ? QStringLiteral(".") : local, name);
#else
    return QDir(local).filePath(name);
#endif
}

bool fileExists(const QString &path)
{
    return QFileInfo(toLocal(path)).isFile(); // QFileInfo follows links to their target
}

bool deleteFile(const QString &path)
{
    const QString local = toLocal(path);
    QFile::remove(local);
    return !QFileInfo(local).isSymLink() && !QFileInfo::exists(local);
}

void ensureFolder(const QString &localFolder) { QDir().mkpath(localFolder); }

} // namespace winpath
