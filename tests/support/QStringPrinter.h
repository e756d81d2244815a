#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Failed expectations show Qt strings as text rather than as code units.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (const QString &s : list) {
        PrintTo(s, os);
        *os << ' ';
    }
    *os << '}';
}
