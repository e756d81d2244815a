#pragma once

#include "platform/Dbf.h"

#include <QHash>
#include <QString>

namespace centre_import {

// The rows of an open table by the text of one field, read in one pass. Where
// several rows share a key the first one stays, as a walk from the first row
// that stops at the first match (or a locate) would find it. Each course or
// subject is then looked up in constant time instead of by a walk of the
// whole table.
template <class Row, class ReadRow>
QHash<QString, Row> firstRowByKey(dbf::Table &table, const QString &keyField, ReadRow readRow)
{
    QHash<QString, Row> rows;
    for (table.first(); !table.eof(); table.next()) {
        const QString key = table.asString(keyField);
        if (!rows.contains(key))
            rows.insert(key, readRow(table));
    }
    return rows;
}

} // namespace centre_import
