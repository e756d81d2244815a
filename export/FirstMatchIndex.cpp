#include "export/FirstMatchIndex.h"

#include "export/RequireFields.h"
#include "platform/Dbf.h"

#include <algorithm>
#include <bit>

namespace timetable_export {

FirstMatchIndex::FirstMatchIndex(dbf::Table &table, const QString &keyField, const QStringList &valueFields)
    : m_none(valueFields.size(), QString())
{
    requireFields(table, QStringList{keyField} + valueFields);
    m_slots.resize(std::size_t(std::max(16, 2 * table.recordCount())));
    m_slots.resize(std::bit_ceil(m_slots.size()));
    for (table.first(); !table.eof(); table.next()) {
        QString key = table.asString(keyField);
        const std::uint32_t hash = hashOf(key);
        if (key.isEmpty() || findEntry(key, hash))
            continue;
        QStringList values;
        values.reserve(valueFields.size());
        for (const QString &field : valueFields)
            values.append(table.asString(field));
        std::size_t at = hash & (m_slots.size() - 1);
        while (m_slots[at].entry >= 0)
            at = (at + 1) & (m_slots.size() - 1);
        m_slots[at] = {hash, int(m_entries.size())};
        m_entries.push_back({std::move(key), std::move(values)});
    }
}

const QStringList *FirstMatchIndex::find(const QString &key) const
{
    const Entry *entry = findEntry(key, hashOf(key));
    return entry ? &entry->values : nullptr;
}

// FNV-1a over the UTF-16 units.
std::uint32_t FirstMatchIndex::hashOf(QStringView key)
{
    std::uint32_t hash = 2166136261u;
    for (const QChar c : key)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash;
}

const FirstMatchIndex::Entry *FirstMatchIndex::findEntry(QStringView key, std::uint32_t hash) const
{
    for (std::size_t at = hash & (m_slots.size() - 1);; at = (at + 1) & (m_slots.size() - 1)) {
        const Slot &slot = m_slots[at];
        if (slot.entry < 0)
            return nullptr;
        const Entry &entry = m_entries[std::size_t(slot.entry)];
        if (slot.hash == hash && entry.key.size() == key.size()
            && std::equal(key.cbegin(), key.cend(), entry.key.cbegin()))
            return &entry;
    }
}

} // namespace timetable_export
