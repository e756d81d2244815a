#include "platform/DbfTableReader.h"

#include "platform/DbfValue.h"

#include <utility>

#include <QCoreApplication>

namespace dbf {

namespace {

constexpr char kLive = ' ';
constexpr char kDeleted = '*';

} // namespace

TableReader::TableReader(QByteArray file, const QString &path)
    : m_path(path), m_layout(readLayout(file, path)), m_codePage(m_layout.languageDriver)
{
    // The records stay where they were read, without a second copy of the table.
    m_records = std::move(file);
    m_records.remove(0, m_layout.headerLength);
    m_records.truncate(qsizetype(m_layout.recordCount) * m_layout.recordLength);
    requireDeletionFlags();
}

void TableReader::requireDeletionFlags() const
{
    dbf::requireDeletionFlags(m_records.constData(), 0, m_layout.recordCount, m_layout.recordLength, m_path);
}

// Every record starts with a blank (live) or '*' (deleted). Anything else
// (a run of NUL bytes, records read from the wrong offset) is no record at
// all: reading such a table as empty or as garbage would pass damage on.
void requireDeletionFlags(const char *records, std::uint32_t first, std::uint32_t count, int recordLength,
                          const QString &path)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        const char flag = records[qsizetype(i) * recordLength];
        if (flag != kLive && flag != kDeleted)
            throw DbfError(
                QCoreApplication::translate("DbfTableReader",
                                            "No se puede abrir la tabla %1: el archivo está dañado (el registro %2 no "
                                            "empieza con la marca de registro vigente o borrado)")
                    .arg(path)
                    .arg(first + i + 1));
    }
}

const char *TableReader::record(std::uint32_t i) const
{
    return m_records.constData() + qsizetype(i) * m_layout.recordLength;
}

bool TableReader::isDeleted(std::uint32_t i) const
{
    return *record(i) == kDeleted;
}

std::vector<std::uint32_t> TableReader::liveRecords() const
{
    std::vector<std::uint32_t> live;
    live.reserve(m_layout.recordCount);
    for (std::uint32_t i = 0; i < m_layout.recordCount; ++i) {
        if (!isDeleted(i))
            live.push_back(i);
    }
    return live;
}

const FieldLayout &TableReader::field(const QString &name) const
{
    for (const FieldLayout &f : m_layout.fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    }
    throw DbfError(QStringLiteral("Field '%1' not found").arg(name));
}

QString TableReader::text(std::uint32_t i, const QString &name) const
{
    return value::text(field(name), record(i), m_codePage);
}

double TableReader::number(std::uint32_t i, const QString &name) const
{
    return value::number(field(name), record(i), m_codePage, m_path);
}

long long TableReader::wholeNumber(std::uint32_t i, const QString &name) const
{
    return value::wholeNumber(field(name), record(i), m_codePage, m_path);
}

bool TableReader::boolean(std::uint32_t i, const QString &name) const
{
    return value::boolean(field(name), record(i), m_codePage, m_path);
}

QByteArray TableReader::takeRecords()
{
    return std::exchange(m_records, {});
}

} // namespace dbf
