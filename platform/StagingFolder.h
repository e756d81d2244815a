#pragma once

#include <QString>

// A fresh, empty folder inside `parent` (so on the same file system, where
// its files can later be renamed into `parent`), named "<prefix><random>".
// The folder is held (a flock on it) while the object lives, so that another
// process's clean-up (removeAbandonedStagingFolders) leaves it alone; the
// object removes it with whatever it holds when it goes, unless the folder
// has been handed over by release().
class StagingFolder {
public:
    StagingFolder(const QString &parent, const QString &prefix);
    ~StagingFolder();
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;

    QString path() const { return m_path; }

    // Keeps the folder when the object goes; the hold ends then.
    void release();

private:
    QString m_path;
    int m_fd = -1;
    bool m_released = false;
};

// Whether another process holds the staging folder at `path`.
bool stagingFolderHeld(const QString &path);

// Removes the folders "<prefix>*" in `parent` that no process holds: what a
// run that was killed or lost its power left behind.
void removeAbandonedStagingFolders(const QString &parent, const QString &prefix);
