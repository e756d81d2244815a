#include "platform/WinPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>
#include <utility>
#include <vector>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace winpath {
namespace {

#ifndef Q_OS_WIN
QString winePrefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

// The folder a drive letter stands for, as Wine shows it to Windows programs:
// the prefix's dosdevices/ holds one link per drive ("c:" -> "../drive_c",
// "z:" -> "/", and any drive the user added). A prefix without that folder
// (not yet set up by Wine) still has drive C: in drive_c. A letter without a
// link is a drive that does not exist, and so is none of its files. Read at
// every call, since the prefix may change while we run.
QString driveRoot(QChar letter)
{
    const QString prefix = winePrefix();
    const QString device = prefix + QStringLiteral("/dosdevices/") + letter.toLower() + QLatin1Char(':');
    const QFileInfo link(device);
    if (link.isSymLink())
        return link.symLinkTarget();
    if (!link.exists() && letter.toUpper() == u'C')
        return prefix + QStringLiteral("/drive_c");
    return device;
}

struct Drive {
    QChar letter;
    QString root;
};

// Every drive of the prefix with the folder it stands for, in letter order:
// the dosdevices links, or drive_c alone for a prefix without them.
std::vector<Drive> drives()
{
    const QString prefix = winePrefix();
    const QDir devices(prefix + QStringLiteral("/dosdevices"));
    if (!devices.exists())
        return {{u'C', prefix + QStringLiteral("/drive_c")}};
    std::vector<Drive> found;
    const QFileInfoList entries = devices.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name.size() == 2 && name[1] == u':' && name[0].isLetter() && name[0].unicode() < 0x80 && entry.isSymLink())
            found.push_back({name[0].toUpper(), entry.symLinkTarget()});
    }
    return found;
}

// The path with the links of its existing part resolved; the part that does
// not exist yet follows as written.
QString canonicalOf(const QString &absolutePath)
{
    QString existing = absolutePath;
    QStringList missing;
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/")) {
        missing.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty())
        return absolutePath;
    return QDir::cleanPath(canonical + QLatin1Char('/') + missing.join(QLatin1Char('/')));
}

// The part of `path` below `root` ("" for the root itself), if it lies there.
std::optional<QString> below(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.mid(1);
    if (path == root)
        return QString();
    if (path.startsWith(root) && path[root.size()] == u'/')
        return path.mid(root.size() + 1);
    return std::nullopt;
}

// The entry of folder named `name` whatever its letter case: the exact name
// when it exists, else the first case variant in name order, else `name`
// itself. The folder is read entry by entry, without a sorted listing: a run
// looks up every file of its set this way, most of them not there yet.
QString matchingEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    DIR *entries = ::opendir(QFile::encodeName(folder).constData());
    if (entries == nullptr)
        return name;
    std::optional<QString> first;
    while (const dirent *entry = ::readdir(entries)) {
        const QString entryName = QFile::decodeName(entry->d_name);
        if (entryName.compare(name, Qt::CaseInsensitive) == 0 && entryName != u"." && entryName != u".."
            && (!first || entryName < *first))
            first = entryName;
    }
    ::closedir(entries);
    return first.value_or(name);
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
        if (!path.endsWith(u'/')) // the root "/" of drive Z: already ends with one
            path += QLatin1Char('/');
        path += name;
        exists = exists && QFileInfo::exists(path);
    }
    return path;
}
#endif

bool isDriveLetter(QChar c) { return c.isLetter() && c.unicode() < 0x80; }

// The part of a path inside the working folder ("C:\VTEMP\x", "c:/vtemp",
// "\vtemp", any letter case) below that folder ("x", or "" for the folder
// itself); nothing for any other path.
std::optional<QString> inWorkingFolder(const QString &windowsPath)
{
    static const QRegularExpression workingPath(QStringLiteral("^(?:c:[\\\\/]|\\\\)vtemp(?:[\\\\/](.*))?$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = workingPath.match(windowsPath);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace

bool isWindowsPath(const QString &path)
{
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == u':')
        return true;
    // "\\server\share" is a network path, which has no local counterpart.
    return path.startsWith(u'\\') && !path.startsWith(QLatin1String("\\\\"));
}

QString toLocal(const QString &windowsPath)
{
#ifdef Q_OS_WIN
    return windowsPath;
#else
    if (!isWindowsPath(windowsPath))
        return windowsPath;
    if (windowsPath.startsWith(u'\\')) // "\vtemp" is on the current drive, C:
        return resolveBelow(driveRoot(u'C'), windowsPath);
    return resolveBelow(driveRoot(windowsPath[0]), windowsPath.mid(2));
#endif
}

QString toWindows(const QString &localPath)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(localPath);
#else
    if (localPath.isEmpty() || isWindowsPath(localPath))
        return localPath;
    const QString absolute = QDir::cleanPath(QFileInfo(localPath).absoluteFilePath());
    const QString canonical = canonicalOf(absolute);
    // Drive Z: is the root unless a deeper drive holds the path; the path and
    // the drives are compared as written and with their links resolved.
    QChar letter = u'Z';
    QString relative = absolute.mid(1);
    qsizetype deepest = 1;
    for (const Drive &drive : drives()) {
        const QString root = QDir::cleanPath(drive.root);
        const std::pair<QString, QString> forms[] = {{absolute, root}, {canonical, canonicalOf(root)}};
        for (const auto &[path, driveFolder] : forms) {
            const std::optional<QString> part = below(path, driveFolder);
            if (part && driveFolder.size() > deepest) {
                letter = drive.letter;
                relative = *part;
                deepest = driveFolder.size();
            }
        }
    }
    return letter + QStringLiteral(":\\") + relative.replace(u'/', u'\\');
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

WorkingFolder::WorkingFolder(const QString &localFolder)
    : m_moved(localFolder)
{
}

QString WorkingFolder::local() const { return isMoved() ? m_moved : winpath::toLocal(QStringLiteral("C:\\VTEMP")); }

QString WorkingFolder::toLocal(const QString &windowsPath) const
{
    if (isMoved()) {
        if (const std::optional<QString> below = inWorkingFolder(windowsPath)) {
#ifdef Q_OS_WIN
            return QDir(m_moved).filePath(*below);
#else
            return resolveBelow(m_moved, *below);
#endif
        }
    }
    return winpath::toLocal(windowsPath);
}

QString WorkingFolder::fileInFolder(const QString &windowsFolder, const QString &name) const
{
    if (isMoved() && inWorkingFolder(windowsFolder))
        return toLocal(windowsFolder + QLatin1Char('\\') + name);
    return winpath::fileInFolder(windowsFolder, name);
}

bool WorkingFolder::fileExists(const QString &path) const { return winpath::fileExists(toLocal(path)); }

bool WorkingFolder::deleteFile(const QString &path) const { return winpath::deleteFile(toLocal(path)); }

} // namespace winpath
