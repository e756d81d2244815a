#pragma once

#include "platform/Dbf.h"

#include <QList>
#include <QStringList>

// Writes CURSOST or CURSOST2 in the working folder with the given rows
// (CODI, DESCRIPCIO, NIVEL, CURSO), as the courses step and the dialog leave them.
inline void writeCursosTable(const QString &name, const QList<QStringList> &rows)
{
    dbf::Table table({}, QStringLiteral("C:\\VTEMP"), name, true);
    table.fieldDefs() = {{QStringLiteral("CODI"), dbf::FieldType::String, 20},
                         {QStringLiteral("DESCRIPCIO"), dbf::FieldType::String, 100},
                         {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
                         {QStringLiteral("CURSO"), dbf::FieldType::String, 3}};
    table.createTable();
    table.open();
    for (const QStringList &row : rows) {
        table.append();
        for (int i = 0; i < 4; ++i)
            table.setString(table.fields()[size_t(i)].name, row[i]);
        table.post();
    }
    table.close();
}
