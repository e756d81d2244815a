#include "platform/DbfFile.h"

#include "platform/DbfError.h"
#include "platform/FileLock.h"
#include "platform/SystemReason.h"
#include "platform/WinPath.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

namespace dbf {
namespace {

// The error of a failed system call on a table: `action` is what could not be
// done ("abrir", "leer"), `error` the errno value, read before anything else
// could change it.
[[noreturn]] void fail(const char *action, const QString &path, int error)
{
    throw DbfError(
        QCoreApplication::translate("DbfFile", "No se puede %1 la tabla %2: %3")
            .arg(QCoreApplication::translate("DbfFile", action), winpath::toWindows(path), systemReason(error)));
}

constexpr std::size_t kHeaderPageSize = 4096; // a multiple of every page size in use
constexpr qsizetype kHeaderUpdateLimit = 32;   // only bytes of the fixed header are ever rewritten

} // namespace

DbfFile::~DbfFile() { close(); }

void DbfFile::open(const QString &path, Lock lockMode)
{
    close();
    m_path = path;
    const QByteArray native = path.toLocal8Bit();
    m_writable = true;
    m_fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0 && (errno == EACCES || errno == EROFS)) {
        // A read-only table still opens; writing to it then fails with its own message.
        m_writable = false;
        m_fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    }
    if (m_fd < 0)
        fail(QT_TRANSLATE_NOOP("DbfFile", "abrir"), path, errno);
    lock(lockMode);
}

void DbfFile::create(const QString &path)
{
    close();
    m_path = path;
    m_writable = true;
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0)
        fail(QT_TRANSLATE_NOOP("DbfFile", "crear"), path, errno);
    lock(Lock::Exclusive);
    if (::ftruncate(m_fd, 0) != 0) {
        const int error = errno;
        close();
        fail(QT_TRANSLATE_NOOP("DbfFile", "crear"), path, error);
    }
}

void DbfFile::lock(Lock lockMode)
{
    const FileLockResult result = lockWholeFile(m_fd, lockMode == Lock::Exclusive, m_writable);
    if (result == FileLockResult::Locked)
        return;
    const int error = errno;
    ::close(m_fd);
    m_fd = -1;
    if (result == FileLockResult::HeldByAnother)
        throw TableInUseError(QCoreApplication::translate("DbfFile", "La tabla %1 está en uso por otro programa")
                                  .arg(winpath::toWindows(m_path)));
    fail(QT_TRANSLATE_NOOP("DbfFile", "bloquear"), m_path, error);
}

void DbfFile::close()
{
    if (m_headerPage)
        ::munmap(m_headerPage, kHeaderPageSize);
    m_headerPage = nullptr;
    if (m_fd >= 0)
        ::close(m_fd); // closing the file releases its lock
    m_fd = -1;
}

qint64 DbfFile::size() const
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        fail(QT_TRANSLATE_NOOP("DbfFile", "leer"), m_path, errno);
    return info.st_size;
}

qsizetype DbfFile::readInto(qint64 offset, char *data, qsizetype size) const
{
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n = ::pread(m_fd, data + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(QT_TRANSLATE_NOOP("DbfFile", "leer"), m_path, errno);
        if (n == 0)
            break; // the end of the file
        done += n;
    }
    return done;
}

QByteArray DbfFile::readAt(qint64 offset, qsizetype size) const
{
    QByteArray data(size, Qt::Uninitialized);
    data.truncate(readInto(offset, data.data(), size));
    return data;
}

void DbfFile::writeAt(qint64 offset, const char *data, qsizetype size)
{
    if (!m_writable)
        throw DbfError(
            QCoreApplication::translate("DbfFile", "No se puede escribir la tabla %1: el archivo es de solo lectura")
                .arg(winpath::toWindows(m_path)));
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(m_fd, data + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(QT_TRANSLATE_NOOP("DbfFile", "escribir"), m_path, n < 0 ? errno : EIO);
        done += n;
    }
}

void DbfFile::updateHeader(const QByteArray &bytes)
{
    if (m_writable && !m_headerPage) {
        void *page = ::mmap(nullptr, kHeaderPageSize, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, 0);
        if (page != MAP_FAILED)
            m_headerPage = static_cast<char *>(page);
    }
    // Any file that is open holds a full header (it was checked or written),
    // so these bytes lie inside the file; without a mapping a write does it.
    if (!m_headerPage || bytes.size() + 1 > kHeaderUpdateLimit)
        return writeAt(1, bytes.constData(), bytes.size());
    std::memcpy(m_headerPage + 1, bytes.constData(), std::size_t(bytes.size()));
}

} // namespace dbf
