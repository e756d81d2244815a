#include "export/FirstMatchIndex.h"

#include "export/RequireFields.h"
#include "platform/Dbf.h"

namespace timetable_export {

FirstMatchIndex::FirstMatchIndex(dbf::Table &table, const QString &keyField, const QStringList &valueFields)
    : m_none(valueFields.size(), QString())
{
    requireFields(table, QStringList{keyField} + valueFields);
    for (table.first(); !table.eof(); table.next()) {
        const QString key = table.asString(keyField);
        if (key.isEmpty() || m_firstMatch.contains(key))
            continue;
        QStringList values;
        values.reserve(valueFields.size());
        for (const QString &field : valueFields)
            values.append(table.asString(field));
        m_firstMatch.insert(key, values);
    }
}

const QStringList *FirstMatchIndex::find(const QString &key) const
{
    const auto it = m_firstMatch.constFind(key);
    return it == m_firstMatch.cend() ? nullptr : &*it;
}

} // namespace timetable_export
