#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <stdexcept>

// Whole files in tests: read (empty when unreadable) and written (an
// exception when they cannot be).
inline QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
