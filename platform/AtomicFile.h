#pragma once

#include <QByteArrayView>
#include <QString>

// A file written beside its target and put in the target's place in one step,
// so that readers see the older file or the whole new one, never a part.
// Unlike QSaveFile it keeps the system's reason of every failure (a full
// disk, a file size limit), in our own words. Destroyed before commit, it
// removes what it wrote and leaves the older file as it was.
class AtomicFile {
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Each returns false on failure, with errorReason() telling why.
    bool open();
    bool write(QByteArrayView bytes);
    // Waits until the data is on disk, then replaces the target with it.
    bool commit();
    void cancel();

    int handle() const { return m_fd; }
    QString errorReason() const { return m_reason; }

private:
    bool fail(int error);

    QString m_path;   // the file replaced: a link's target, not the link
    QString m_temporary;
    int m_fd = -1;
    QString m_reason;
};
