#pragma once

#include "platform/FieldDef.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace dbf {

// Where one field lies in a record, as its descriptor gives it.
struct FieldLayout {
    QString name;
    char type = 'C';  // dBase type letter
    int offset = 0;   // from the start of the record (byte 0 is the deletion flag)
    int length = 0;
    int decimals = 0;
    bool indexed = false; // the production index has a tag on this field
};

// The header of a table file: what a reader needs to find every record.
struct TableLayout {
    std::uint8_t version = 0x03;
    std::uint8_t languageDriver = 0x57;
    bool hasProductionIndex = false;
    int headerLength = 0;
    int recordLength = 0;
    std::uint32_t recordCount = 0; // complete records really present in the file
    std::uint32_t countedRecords = 0; // what the header's count says, which may be more
    std::vector<FieldLayout> fields;
};

// No header is longer: its length is a 16-bit number.
constexpr qint64 kLongestHeader = 65535;

// Reads and checks the header of a table file (dBase III+, IV, 5 or 7) of
// `fileSize` bytes, of which `file` holds the first ones: the whole header,
// or the whole file when it is shorter than kLongestHeader. A header that
// claims more records than the file holds gives only those there; anything
// that cannot be read safely throws DbfError naming the file.
TableLayout readLayout(const QByteArray &file, qint64 fileSize, const QString &path);

// Refuses records first.. (0-based) of a table, `count` of them at `records`,
// when one does not start with a deletion flag (blank or '*'), naming the
// first such record and the table `path`.
void requireDeletionFlags(const char *records, std::uint32_t first, std::uint32_t count, int recordLength,
                          const QString &path);

// The header, descriptors and terminator of a new, empty dBase IV table,
// followed by the end-of-file marker. indexedField is -1 when there is no index.
QByteArray newTableFile(const std::vector<FieldDef> &defs, int indexedField, QDate today, const QString &path);

// Header bytes 1-7 (date of last update, record count), rewritten at each post.
QByteArray headerUpdate(QDate today, std::uint32_t recordCount);
void setUpdatedCount(QByteArray &update, std::uint32_t recordCount);

} // namespace dbf
