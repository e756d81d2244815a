#pragma once

#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <stdexcept>

// A temporary drive C: with the working folder, and the file the user picks
// in C:\vtemp\saga. The export never reads that file, so it need not be XML.
class ExportFolder {
public:
    ExportFolder()
    {
        QDir().mkpath(folder());
        write(chosenFile(), "not XML at all");
    }

    QString folder() const { return m_prefix.vtemp() + QStringLiteral("/saga"); }
    QString chosenFile() const { return folder() + QStringLiteral("/horari.xml"); }
    QString output() const { return folder() + QStringLiteral("/SolucioHorari.xml"); }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write " + path.toStdString());
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    TempWinePrefix m_prefix;
};
