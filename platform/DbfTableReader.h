#pragma once

#include "platform/DbfCodePage.h"
#include "platform/DbfLayout.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace dbf {

// Refuses records first.. (0-based) of a table, `count` of them at `records`,
// when one does not start with a deletion flag (blank or '*'), naming the
// first such record and the table `path`.
void requireDeletionFlags(const char *records, std::uint32_t first, std::uint32_t count, int recordLength,
                          const QString &path);

// A table file decoded from its bytes, read-only: its layout, its code page
// and its complete records, deleted ones included. Table decodes the files it
// reads with the same layout and checks, so a table read from memory reads
// exactly as the same bytes would from a file.
class TableReader {
public:
    // `path` names the table in errors. A header that cannot be read safely,
    // or a record that does not start with a deletion flag (blank or '*'),
    // throws DbfError; a file cut short gives only the records really there.
    TableReader(QByteArray file, const QString &path);

    const TableLayout &layout() const { return m_layout; }
    const DbfCodePage &codePage() const { return m_codePage; }

    std::uint32_t recordCount() const { return m_layout.recordCount; }
    const char *record(std::uint32_t i) const;
    bool isDeleted(std::uint32_t i) const;
    // The 0-based numbers of the records not deleted, in record order.
    std::vector<std::uint32_t> liveRecords() const;

    // The field of that name, letter case aside; "Field 'X' not found" otherwise.
    const FieldLayout &field(const QString &name) const;
    // A record's values, as Table reads them (see dbf::value).
    QString text(std::uint32_t i, const QString &field) const;
    double number(std::uint32_t i, const QString &field) const;
    long long wholeNumber(std::uint32_t i, const QString &field) const;
    bool boolean(std::uint32_t i, const QString &field) const;

    // Hands the records' bytes over without a copy; the reader has none left.
    QByteArray takeRecords();

private:
    void requireDeletionFlags() const;

    QString m_path;
    TableLayout m_layout;
    DbfCodePage m_codePage;
    QByteArray m_records;
};

} // namespace dbf
