#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <sys/stat.h>

// Every file of a folder with its bytes and inode: equal snapshots mean that
// nothing was written, replaced, created or deleted in between.
struct FileState {
    QByteArray bytes;
    ino_t inode = 0;
    bool operator==(const FileState &) const = default;
};

inline QMap<QString, FileState> snapshotFolder(const QString &folder)
{
    QMap<QString, FileState> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QString path = folder + QLatin1Char('/') + name;
        QFile file(path);
        struct stat info {};
        if (file.open(QIODevice::ReadOnly) && ::stat(QFile::encodeName(path).constData(), &info) == 0)
            files.insert(name, {file.readAll(), info.st_ino});
    }
    return files;
}
