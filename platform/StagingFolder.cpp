#include "platform/StagingFolder.h"

#include "platform/Error.h"
#include "platform/SystemReason.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// An exclusive flock on the folder itself, without waiting; -1 when another
// process holds it (or the folder cannot be opened).
int holdFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
} // namespace

StagingFolder::StagingFolder(const QString &parent, const QString &prefix)
{
    QDir().mkpath(parent);
    QByteArray path = QFile::encodeName(QDir(parent).filePath(prefix + QStringLiteral("XXXXXX")));
    if (!::mkdtemp(path.data()))
        throw Error(Error::Kind::Table,
                    QCoreApplication::translate("StagingFolder",
                                                "No se puede crear una carpeta de trabajo provisional en %1: %2")
                        .arg(winpath::toWindows(parent), systemReason(errno)));
    m_path = QFile::decodeName(path);
    m_fd = holdFolder(m_path);
}

StagingFolder::~StagingFolder()
{
    if (!m_released)
        QDir(m_path).removeRecursively();
    if (m_fd >= 0)
        ::close(m_fd);
}

void StagingFolder::release() { m_released = true; }

bool stagingFolderHeld(const QString &path)
{
    const int fd = holdFolder(path);
    if (fd < 0)
        return QFileInfo(path).isDir();
    ::close(fd);
    return false;
}

void removeAbandonedStagingFolders(const QString &parent, const QString &prefix)
{
    const QStringList folders =
        QDir(parent).entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : folders) {
        const QString path = QDir(parent).filePath(name);
        // Held while it is removed, so that no run can start using it meanwhile.
        const int fd = holdFolder(path);
        if (fd < 0)
            continue;
        QDir(path).removeRecursively();
        ::close(fd);
    }
}
