#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace dbf {
class Table;
}

namespace timetable_export {

// The look-up of one table by one key field, read in a single pass: for each
// key text, the values of the first record in record order that holds it.
// A solution names the same teachers, groups and rooms thousands of times, so
// every session asks this map instead of walking the table again.
class FirstMatchIndex {
public:
    // Reads every record of the open table; a missing key or value field is
    // the table layer's error, even when the table has no records.
    FirstMatchIndex(dbf::Table &table, const QString &keyField, const QStringList &valueFields);

    // The value fields of the first record whose key equals `key` exactly
    // (letter case included, no trimming), in the order they were named;
    // nullptr when no record holds it. An empty key names nothing: a session
    // without a room must not take the room of a row without code.
    const QStringList *find(const QString &key) const;
    // As many empty texts as there are value fields, for a key that names nothing.
    const QStringList &none() const { return m_none; }

private:
    // Each session asks five of these maps, so a look-up must cost little:
    // keys are hashed with a cheap hash (Qt's own resists chosen keys and
    // cost as much as the rest of a session) into a table of slots twice as
    // large as the keys, searched from the key's slot onwards.
    struct Entry {
        QString key;
        QStringList values;
    };
    struct Slot {
        std::uint32_t hash = 0;
        int entry = -1; // index into m_entries; -1 when free
    };
    static std::uint32_t hashOf(QStringView key);
    const Entry *findEntry(QStringView key, std::uint32_t hash) const;

    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots; // a power of two in size
    QStringList m_none;
};

} // namespace timetable_export
