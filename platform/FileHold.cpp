#include "platform/FileHold.h"

#include "platform/FileLock.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace dbf {

FileHold::~FileHold()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the file releases its locks
}

FileHold::Result FileHold::hold(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    bool writable = true;
    // Opened without O_TRUNC or O_CREAT: the file stays as it is.
    int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        writable = false;
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0)
        return errno == ENOENT ? Result::Missing : Result::Failed;
    const FileLockResult locked = lockWholeFile(fd, true, writable);
    if (locked != FileLockResult::Locked) {
        ::close(fd);
        return locked == FileLockResult::HeldByAnother ? Result::HeldByAnother : Result::Failed;
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
    return Result::Held;
}

} // namespace dbf
