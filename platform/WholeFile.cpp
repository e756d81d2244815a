#include "platform/WholeFile.h"

#include "platform/AtomicFile.h"
#include "platform/SystemReason.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    AtomicFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return std::nullopt;
    return file.errorReason();
}

namespace {
// Reads the open file `fd` to its end, a block at a time, giving each block
// to `take`, which returns false to stop. Returns the system's error, 0 when
// the whole file was read or `take` stopped.
template <class Take>
int readBlocks(int fd, Take take)
{
    char block[256 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0 || !take(QByteArrayView(block, n)))
            return 0;
    }
}
} // namespace

std::optional<QString> readWholeFile(const QString &path, QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    struct stat info {};
    int error = ::fstat(fd, &info) != 0 ? errno : 0;
    if (error == 0 && S_ISDIR(info.st_mode))
        error = EISDIR;
    QByteArray data;
    if (error == 0 && S_ISREG(info.st_mode))
        data.reserve(qsizetype(info.st_size));
    if (error == 0)
        error = readBlocks(fd, [&](QByteArrayView block) {
            data.append(block);
            return true;
        });
    ::close(fd);
    if (error != 0)
        return systemReason(error);
    bytes = std::move(data);
    return std::nullopt;
}

std::optional<QString> copyWholeFile(const QString &from, const QString &to)
{
    const int fd = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    AtomicFile copy(to);
    bool written = copy.open();
    const int error = written ? readBlocks(fd, [&](QByteArrayView block) { return written = copy.write(block); }) : 0;
    ::close(fd);
    if (error == 0 && written)
        written = copy.commit();
    if (error != 0)
        return systemReason(error);
    if (!written)
        return copy.errorReason();
    return std::nullopt;
}
