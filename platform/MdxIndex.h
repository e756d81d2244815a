#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The dBase IV production index (.MDX) with one ascending, non-unique tag on
// a character field, built whole from the table's keys.
namespace mdx {

struct TagSpec {
    QString tableBaseName; // "MATIB"
    QString tagName;       // "ABREV"
    QString fieldName;     // "ABREV": the key expression
    int keyLength = 0;     // the field's width
};

// Writes the index file at localPath (replacing it atomically): keys[i] is the
// field's bytes exactly as stored in record i + 1 (deleted records included),
// keyLength bytes each. Throws dbf::DbfError naming the file when it cannot be written.
void writeProductionIndex(const QString &localPath, const TagSpec &tag, const std::vector<QByteArray> &keys);

} // namespace mdx
