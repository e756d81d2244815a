#pragma once

#include "import/TableLayouts.h"
#include "platform/Dbf.h"

#include <QList>
#include <QStringList>

// Writes CURSOST or CURSOST2 in the working folder with the given rows
// (CODI, DESCRIPCIO, NIVEL, CURSO), as the courses step and the dialog leave them.
inline void writeCursosTable(const QString &name, const QList<QStringList> &rows)
{
    dbf::Table table({}, QStringLiteral("C:\\VTEMP"), name, true);
    table.fieldDefs() = centre_import::cursosFields();
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
