#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

// The one temporary WINEPREFIX of a fuzz target, made at its first use and
// kept for the whole run: each input is written into it as a file.
class FuzzWorkspace {
public:
    static FuzzWorkspace &instance()
    {
        static FuzzWorkspace workspace;
        return workspace;
    }

    QString vtemp() const { return m_dir.path() + QStringLiteral("/drive_c/VTEMP"); }
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    static void write(const QString &path, const uint8_t *data, size_t size)
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort(); // the workspace itself failed: no input is at fault
    }

private:
    FuzzWorkspace()
    {
        QDir().mkpath(vtemp());
        qputenv("WINEPREFIX", m_dir.path().toLocal8Bit());
    }
    QTemporaryDir m_dir;
};
