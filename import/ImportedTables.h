#pragma once

#include "platform/Dbf.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace centre_import {

// One of the working tables the centre import writes, with everything the
// import, its summary, its backups and its comparisons need to know of it.
// Adding a table to the import means one entry here and the step that
// writes it.
struct ImportedTable {
    QString name;                                  // "ASIGNOMT", written as "ASIGNOMT.DBF"
    const std::vector<dbf::FieldDef> &(*fields)(); // its layout, field by field
    const char *contents;                          // what it holds, as the summary tells a user who
                                                   // does not know the table names (context "ImportSummary")
    // For a table that one section of the centre document fills alone: what
    // the document lacks when it comes out empty; null for the others.
    const char *missingSection = nullptr;
    // For a table whose rows stand for something the school names by its
    // GestIB code (CODI): the field with the name, which comparisons of two
    // sets follow; empty for the others.
    QString nameField = {};
    // The timetabling program fills it in after an import, which no later
    // import brings back.
    bool filledByTimetabler = false;
    // The step writes an index (.MDX) with it.
    bool writesIndex = false;
    // The import leaves an index the table already had: the level dialog's
    // memory keeps whatever index another program gave it.
    bool keepsIndex = false;
};

// The tables, in the order the steps write them.
const std::vector<ImportedTable> &importedTableSet();

// The one named `name`; null for a name that is not one of them.
const ImportedTable *importedTable(const QString &name);

// The tables' names, in that order (CURSOST2 only written when the level
// dialog is confirmed).
const QStringList &importedTables();

// Every file of the working folder that an import replaces: the tables and
// the index files that the steps delete with them ("MATIB.MDX" among them,
// which the import writes anew).
QStringList replacedFiles();

// What the table holds, in the interface's language ("profesores").
QString tableContents(const QString &name);

} // namespace centre_import
