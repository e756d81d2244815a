#pragma once

#include <QString>

namespace dbf {

// An existing file held against other programs the way an open table is
// (see lockWholeFile) until the hold goes: for a file that a run replaces
// without opening it as a table, so that a program holding it is found before
// anything is written, and no program can take it until it is replaced.
class FileHold {
public:
    enum class Result {
        Held,          // held by us until the object goes
        Missing,       // no file there: nothing to hold
        HeldByAnother, // another program holds it
        Failed,        // it could not be opened or locked for another reason
    };

    FileHold() = default;
    ~FileHold();
    FileHold(const FileHold &) = delete;
    FileHold &operator=(const FileHold &) = delete;

    // Holds the file at the local `path` exclusively; one that may only be
    // read is held shared, which still finds an exclusive holder.
    Result hold(const QString &path);

private:
    int m_fd = -1;
};

} // namespace dbf
