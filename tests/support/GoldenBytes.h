#pragma once

#include "tests/support/FileBytes.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Byte-for-byte comparison of a written file with a stored expected copy
// under tests/data. Ranges that hold the day of writing (offset, length) are
// blanked in both before comparing. On a difference the written bytes are
// kept beside the test program as <name>.actual, to be inspected (or, for a
// change meant to alter the output, reviewed and copied over the stored one).
namespace golden {

using Masks = std::vector<std::pair<qsizetype, qsizetype>>;

inline QByteArray masked(QByteArray bytes, const Masks &masks)
{
    for (const auto &[offset, length] : masks) {
        for (qsizetype i = offset; i < offset + length && i < bytes.size(); ++i)
            bytes[i] = 0;
    }
    return bytes;
}

inline void expectSameBytes(const QByteArray &written, const QString &expectedPath, const Masks &masks = {})
{
    const QFileInfo expected(expectedPath);
    const QByteArray want = masked(readFileBytes(expectedPath), masks);
    const QByteArray got = masked(written, masks);
    if (got == want)
        return;
    qsizetype at = 0;
    while (at < got.size() && at < want.size() && got[at] == want[at])
        ++at;
    const QString actual = QDir::current().filePath(expected.fileName() + QStringLiteral(".actual"));
    QFile keep(actual);
    if (keep.open(QIODevice::WriteOnly))
        keep.write(written);
    ADD_FAILURE() << expected.fileName().toStdString() << (expected.exists() ? "" : " (missing)") << ": " << got.size() << " bytes written, " << want.size()
                  << " expected, first difference at byte " << at << "; written bytes kept in "
                  << actual.toStdString();
}

} // namespace golden
