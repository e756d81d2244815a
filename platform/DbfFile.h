#pragma once

#include <QByteArray>
#include <QString>

namespace dbf {

// The operating-system file behind an open table, held with locks other
// programs see (shared or exclusive, see FileLock.h) until it is closed. Writes go
// straight to the OS, so other processes see them once a call returns.
class DbfFile {
public:
    enum class Lock { Shared, Exclusive };

    DbfFile() = default;
    ~DbfFile();
    DbfFile(const DbfFile &) = delete;
    DbfFile &operator=(const DbfFile &) = delete;

    // Opens an existing table; fails with TableInUseError when another program
    // holds a conflicting lock.
    void open(const QString &path, Lock lock);
    // Creates (or empties) the file under an exclusive lock.
    void create(const QString &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    qint64 size() const;
    // Reads up to `size` bytes at `offset` into `data` and returns how many it
    // read: fewer at the end of the file.
    qsizetype readInto(qint64 offset, char *data, qsizetype size) const;
    QByteArray readAt(qint64 offset, qsizetype size) const; // fewer bytes at the end of the file
    void writeAt(qint64 offset, const char *data, qsizetype size);
    // Rewrites header bytes 1.. (date and record count) of a table file.
    void updateHeader(const QByteArray &bytes);

private:
    void lock(Lock lock);

    int m_fd = -1;
    // The first page, mapped shared once the header is rewritten: a store there
    // reaches the OS's copy of the file, visible to every process, without a
    // system call per post.
    char *m_headerPage = nullptr;
    QString m_path;
    bool m_writable = false;
};

} // namespace dbf
