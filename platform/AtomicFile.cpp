#include "platform/AtomicFile.h"

#include "platform/SystemReason.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A link is followed to the file it names, which is what gets replaced, as
// an editor saving through a link does.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

QString randomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return suffix;
}

} // namespace

AtomicFile::AtomicFile(const QString &path) : m_path(finalTarget(path)) {}

AtomicFile::~AtomicFile() { cancel(); }

bool AtomicFile::open()
{
    cancel();
    struct stat existing {};
    const QByteArray target = QFile::encodeName(m_path);
    const bool replaces = ::stat(target.constData(), &existing) == 0;
    if (replaces && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    // A file its owner made read-only is not replaced behind its back, as
    // Windows does not replace one either.
    if (replaces && ::access(target.constData(), W_OK) != 0)
        return fail(errno);
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = m_path + QLatin1Char('.') + randomSuffix();
        // 0666 lets the umask decide, as for any new file.
        m_fd = ::open(QFile::encodeName(m_temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        const int error = errno;
        m_temporary.clear();
        return fail(error);
    }
    // The new file keeps the permissions of the one it replaces.
    if (replaces)
        ::fchmod(m_fd, existing.st_mode & 07777);
    return true;
}

bool AtomicFile::write(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        done += n;
    }
    return true;
}

bool AtomicFile::commit()
{
    if (::fdatasync(m_fd) != 0)
        return fail(errno);
    const int closed = ::close(m_fd);
    m_fd = -1; // released even when close reports an error
    if (closed != 0)
        return fail(errno);
    if (::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_path).constData()) != 0)
        return fail(errno);
    m_temporary.clear();
    // The rename itself reaches the disk with its folder.
    const int folder = ::open(QFile::encodeName(QFileInfo(m_path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void AtomicFile::cancel()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
}

bool AtomicFile::fail(int error)
{
    m_reason = systemReason(error);
    cancel();
    return false;
}
