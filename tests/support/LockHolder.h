#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <string>

#include <sys/types.h>

// Another program holding a file: a child process that opens it, takes a lock
// and keeps it until this object goes. The kinds are those other programs
// take on Linux: a POSIX record lock, which is what a Windows program's
// LockFile becomes under Wine (over the whole file, shared, or on one byte far
// past the end, where dBase engines put their table locks), an
// open-file-description record lock, as programs that share descriptors
// between threads take, and a flock lock.
class LockHolder {
public:
    enum class Kind { RecordExclusive, RecordShared, RecordPastTheEnd, OfdExclusive, OfdShared, FlockExclusive, FlockShared };

    LockHolder(const QString &path, Kind kind);
    ~LockHolder();
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool holding() const { return m_holding; } // false when the child could not take the lock

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_holding = false;
};

const char *lockKindName(LockHolder::Kind kind);

// A test case: the table another program holds, and how it holds it.
struct HeldTable {
    const char *table;
    LockHolder::Kind kind;
};

std::string heldTableName(const testing::TestParamInfo<HeldTable> &info); // "SOLUC_flock"
