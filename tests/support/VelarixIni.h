#pragma once

#include <QFile>
#include <QString>

#include <optional>

// "Transformado" as the timetabling program reads it back from "Velarix.ini";
// nothing when there is no such file or key. Read by hand, not through
// QSettings, which caches a file it has read and would miss a rewrite of the
// same size within the same second.
inline std::optional<int> readTransformado(const QString &iniPath)
{
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool inSection = false;
    for (QByteArray line : file.readAll().split('\n')) {
        line = line.trimmed();
        if (line.startsWith('['))
            inSection = line.compare("[Transformadores]", Qt::CaseInsensitive) == 0;
        else if (inSection && line.toLower().startsWith("transformado="))
            return line.mid(qsizetype(sizeof("transformado=") - 1)).toInt();
    }
    return std::nullopt;
}
