#pragma once

#include "bench/CentreGenerator.h"

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <stdexcept>

namespace bench {

// A working folder of its own (drive C: under a temporary WINEPREFIX) and the
// document of one scale in it, made once per scale.
class Workspace {
public:
    explicit Workspace(int scale)
        : m_file(m_dir.path() + QStringLiteral("/centre.xml"))
    {
        QFile file(m_file);
        if (!file.open(QIODevice::WriteOnly) || file.write(bench::centreDocument(bench::largeSchool(scale))) < 0)
            throw std::runtime_error("cannot write " + m_file.toStdString());
    }

    const QString &file() const { return m_file; }
    QString prefix() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_file;
};

inline Workspace &workspace(int scale)
{
    static std::map<int, std::unique_ptr<Workspace>> workspaces;
    std::unique_ptr<Workspace> &w = workspaces[scale];
    if (!w)
        w = std::make_unique<Workspace>(scale);
    qputenv("WINEPREFIX", w->prefix().toLocal8Bit());
    return *w;
}

} // namespace bench
