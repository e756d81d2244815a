#include "tests/support/LockHolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool takeLock(int fd, LockHolder::Kind kind)
{
    struct flock record {};
    record.l_whence = SEEK_SET;
    switch (kind) {
    case LockHolder::Kind::FlockExclusive:
        return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    case LockHolder::Kind::FlockShared:
        return ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    case LockHolder::Kind::RecordExclusive:
        record.l_type = F_WRLCK;
        break;
    case LockHolder::Kind::RecordShared:
        record.l_type = F_RDLCK;
        break;
    case LockHolder::Kind::RecordPastTheEnd:
        record.l_type = F_WRLCK;
        record.l_start = 0x7FFFFFFE;
        record.l_len = 1;
        break;
    case LockHolder::Kind::OfdExclusive:
    case LockHolder::Kind::OfdShared:
        record.l_type = kind == LockHolder::Kind::OfdExclusive ? F_WRLCK : F_RDLCK;
        return ::fcntl(fd, F_OFD_SETLK, &record) == 0;
    }
    return ::fcntl(fd, F_SETLK, &record) == 0;
}

} // namespace

LockHolder::LockHolder(const QString &path, Kind kind)
{
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0)
        return;
    const QByteArray native = path.toLocal8Bit();
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(ready[0]);
        ::close(release[1]); // so that the parent's close ends the read below
        const int fd = ::open(native.constData(), O_RDWR);
        const char locked = fd >= 0 && takeLock(fd, kind) ? 1 : 0;
        (void)!::write(ready[1], &locked, 1);
        char c;
        (void)!::read(release[0], &c, 1);
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char locked = 0;
    m_holding = ::read(ready[0], &locked, 1) == 1 && locked == 1;
    ::close(ready[0]);
    m_release = release[1];
}

LockHolder::~LockHolder()
{
    if (m_release >= 0)
        ::close(m_release);
    if (m_pid > 0)
        ::waitpid(m_pid, nullptr, 0);
}

const char *lockKindName(LockHolder::Kind kind)
{
    switch (kind) {
    case LockHolder::Kind::RecordExclusive: return "record_lock";
    case LockHolder::Kind::RecordShared: return "shared_record_lock";
    case LockHolder::Kind::RecordPastTheEnd: return "record_lock_past_the_end";
    case LockHolder::Kind::OfdExclusive: return "ofd_lock";
    case LockHolder::Kind::OfdShared: return "shared_ofd_lock";
    case LockHolder::Kind::FlockExclusive: return "flock";
    case LockHolder::Kind::FlockShared: return "shared_flock";
    }
    return "?";
}

std::string heldTableName(const testing::TestParamInfo<HeldTable> &info)
{
    return std::string(info.param.table) + '_' + lockKindName(info.param.kind);
}
