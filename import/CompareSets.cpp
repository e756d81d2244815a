#include "import/CompareSets.h"

#include "import/ImportedTables.h"
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/WinPath.h"

#include <QHash>

#include <vector>

namespace centre_import {

namespace {

// Enough of each kind to recognise what happened; the counts say the rest.
constexpr qsizetype shownChanges = 5;

// Calls `row(code, name)` for each row of the table in record order; nothing
// when the folder has no such table.
template <class Row>
void readRows(const QString &folder, const ImportedTable &named, Row row)
{
    const QString file = named.name + QStringLiteral(".DBF");
    if (!winpath::fileExists(winpath::fileInFolder(folder, file)))
        return;
    dbf::Table table({}, folder, file, false);
    table.open();
    QString code, name;
    for (table.first(); !table.eof(); table.next()) {
        table.readString(QStringLiteral("CODI"), code);
        table.readString(named.nameField, name);
        row(code, name);
    }
}

void note(QList<CodeChanges::Entry> &shown, CodeChanges::Entry entry)
{
    if (shown.size() < shownChanges)
        shown.append(std::move(entry));
}

CodeChanges compareTable(const QString &earlierFolder, const QString &laterFolder, const ImportedTable &named)
{
    struct Entry {
        QString codi, name;
        bool earlier = false; // of the earlier set
        bool later = false;   // met in the later set
    };
    std::vector<Entry> entries;
    QHash<QString, qsizetype> byCode; // the first row of a code, as every look-up finds it
    readRows(earlierFolder, named, [&](const QString &code, const QString &name) {
        if (!byCode.contains(code)) {
            byCode.insert(code, qsizetype(entries.size()));
            entries.push_back({code, name, true, false});
        }
    });

    CodeChanges changes;
    changes.table = named.name;
    readRows(laterFolder, named, [&](const QString &code, const QString &name) {
        const auto found = byCode.constFind(code);
        if (found == byCode.cend()) {
            byCode.insert(code, qsizetype(entries.size()));
            entries.push_back({code, name, false, true});
            ++changes.added;
            note(changes.firstAdded, {code, name, {}});
            return;
        }
        Entry &entry = entries[std::size_t(*found)];
        if (entry.later)
            return; // a later row of the same code
        entry.later = true;
        if (entry.name != name) {
            ++changes.renamed;
            note(changes.firstRenamed, {code, name, entry.name});
        }
    });
    for (const Entry &entry : entries) {
        if (entry.earlier && !entry.later) {
            ++changes.gone;
            note(changes.firstGone, {entry.codi, entry.name, {}});
        }
    }
    return changes;
}

} // namespace

QList<CodeChanges> compareSets(const QString &earlierFolder, const QString &laterFolder)
{
    QList<CodeChanges> all;
    for (const ImportedTable &named : importedTableSet()) {
        if (named.nameField.isEmpty())
            continue;
        // Only an account of what changed: a table that cannot be read is
        // left out of it, and the import stands.
        try {
            CodeChanges changes = compareTable(earlierFolder, laterFolder, named);
            if (!changes.isEmpty())
                all.append(std::move(changes));
        } catch (const dbf::DbfError &) {
        }
    }
    return all;
}

} // namespace centre_import
