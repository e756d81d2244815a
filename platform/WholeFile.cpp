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
    while (error == 0) {
        char block[64 * 1024];
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        data.append(block, n);
    }
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
    int error = copy.open() ? 0 : -1;
    while (error == 0) {
        char block[256 * 1024];
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        else if (n == 0)
            error = copy.commit() ? 0 : -1;
        if (n <= 0)
            break;
        if (!copy.write(QByteArrayView(block, n)))
            error = -1;
    }
    ::close(fd);
    if (error > 0)
        return systemReason(error);
    if (error < 0)
        return copy.errorReason();
    return std::nullopt;
}
