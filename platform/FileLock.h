#pragma once

// Locks over a whole open file that other programs see, for the tables.
namespace dbf {

enum class FileLockResult { Locked, HeldByAnother, Failed };

// Locks the whole file behind `fd` (to its end and beyond) without waiting,
// shared or exclusive, in the two ways other programs lock files here:
// - an open-file-description record lock (F_OFD_SETLK). A Windows program
//   under Wine locks ranges of a table with POSIX record locks, which conflict
//   with it; flock does not see them.
// - a flock lock, which is how Linux programs lock whole files (flock(1),
//   Python's fcntl.flock); record locks do not see those.
// Both belong to this open of the file, so a second open of the same table,
// in this process or another, is refused as well; closing the file releases
// them. A descriptor opened read-only can hold only a shared record lock,
// so it takes that. On Failed, errno tells why.
FileLockResult lockWholeFile(int fd, bool exclusive, bool writable);

} // namespace dbf
