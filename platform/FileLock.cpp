#include "platform/FileLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>

namespace dbf {

FileLockResult lockWholeFile(int fd, bool exclusive, bool writable)
{
    struct flock record {};
    record.l_type = exclusive && writable ? F_WRLCK : F_RDLCK;
    record.l_whence = SEEK_SET;
    record.l_start = 0;
    record.l_len = 0; // to the end of the file, however far it grows
    // Neither call waits, so neither is interrupted by a signal.
    if (::fcntl(fd, F_OFD_SETLK, &record) == 0 && ::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return FileLockResult::Locked;
    return errno == EWOULDBLOCK || errno == EAGAIN || errno == EACCES ? FileLockResult::HeldByAnother
                                                                       : FileLockResult::Failed;
}

} // namespace dbf
