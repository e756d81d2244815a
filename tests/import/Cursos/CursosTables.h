#pragma once

#include "import/TableLayouts.h"
#include "tests/support/TableRows.h"

#include <QList>
#include <QStringList>

// Writes CURSOST or CURSOST2 in the working folder with the given rows
// (CODI, DESCRIPCIO, NIVEL, CURSO), as the courses step and the dialog leave them.
inline void writeCursosTable(const QString &name, const QList<QStringList> &rows)
{
    writeTableRows(name, centre_import::cursosFields(), rows);
}
