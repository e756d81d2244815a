#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace dbf {
class Table;
}

// The tables a centre import writes, in the order it writes them.
QStringList importTables();

// How many records C:\VTEMP\<name>.DBF holds, or nothing when there is no such table.
std::optional<int> countRecords(const QString &name);

// Every value of one field of an open table, as the export's look-ups compare them.
QSet<QString> fieldValues(dbf::Table &table, const QString &field);
