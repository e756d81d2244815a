#pragma once

#include "platform/Dbf.h"
#include "platform/FieldDef.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <stdexcept>
#include <vector>

// Sets one field of the record being written from a fixture's text: logicals
// "True" or "False", numbers in C notation; empty text leaves the field blank.
inline void setFromText(dbf::Table &table, const dbf::FieldDef &field, const QString &value)
{
    if (value.isEmpty())
        return;
    switch (field.type) {
    case dbf::FieldType::String: table.setString(field.name, value); break;
    case dbf::FieldType::Boolean: table.setBoolean(field.name, value == QStringLiteral("True")); break;
    case dbf::FieldType::Integer: table.setInteger(field.name, value.toLongLong()); break;
    case dbf::FieldType::Float: table.setFloat(field.name, value.toDouble()); break;
    }
}

// Creates C:\VTEMP\<name>.DBF with the layout, replacing any older table, and
// appends one record per row. Without `columns` each row gives every field in
// order; with them, a row gives those fields (or its first ones) and the
// others stay blank.
template <class Rows>
void writeTableRows(const QString &name, const std::vector<dbf::FieldDef> &layout, const Rows &rows,
                    const QStringList &columns = {})
{
    std::vector<dbf::FieldDef> fields;
    for (const QString &column : columns) {
        const auto field = std::find_if(layout.cbegin(), layout.cend(),
                                        [&](const dbf::FieldDef &f) { return f.name == column; });
        if (field == layout.cend())
            throw std::logic_error("fixture column " + column.toStdString() + " is not a field of " + name.toStdString());
        fields.push_back(*field);
    }
    const bool wholeRows = columns.isEmpty();
    if (wholeRows)
        fields = layout;

    dbf::Table table({}, QStringLiteral("C:\\VTEMP"), name, true);
    table.fieldDefs() = layout;
    table.createTable();
    table.open();
    for (const QStringList &row : rows) {
        if (wholeRows && row.size() != qsizetype(fields.size()))
            throw std::logic_error("fixture row for " + name.toStdString() + " has the wrong number of values");
        table.append();
        for (qsizetype i = 0; i < qsizetype(fields.size()) && i < row.size(); ++i)
            setFromText(table, fields[std::size_t(i)], row[i]);
        table.post();
    }
    table.close();
}
