#include "platform/MdxIndex.h"

#include "platform/DbfError.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <span>

namespace mdx {

namespace {

// Every pointer in the file counts 512-byte pages; nodes and the tag header
// take one 1024-byte block each, the size every dBase IV engine accepts.
constexpr int kPageSize = 512;
constexpr int kBlockSize = 1024;
constexpr int kPagesPerBlock = kBlockSize / kPageSize;
constexpr int kTagHeaderPage = 4; // after the file header and tag table (pages 0-3)
constexpr int kFirstNodePage = kTagHeaderPage + kPagesPerBlock;
constexpr int kTagTableOffset = 544;
constexpr int kNodeHeaderSize = 8;      // key count + a word no reader uses
constexpr int kMaxKeyLength = 100;      // longest character key dBase IV indexes
constexpr int kMaxTagNameLength = 10;
constexpr int kMaxExpressionLength = 220;
constexpr int kMaxTableNameLength = 16;
constexpr char kCharacterKey = 'C';

constexpr quint8 kTagHeaderFlags = 0x10; // ascending, not unique
// Where engines disagree on bytes that no reader checks (this one, header byte
// 30, the leaf pages and dates of the tag header), we write what Xbase64
// writes: its files are the ones known to open in other engines.
constexpr quint8 kXbaseMarker = 0x1B;

void put8(QByteArray &file, qsizetype offset, int value)
{
    file[offset] = static_cast<char>(value & 0xFF);
}

void put16(QByteArray &file, qsizetype offset, int value)
{
    put8(file, offset, value);
    put8(file, offset + 1, value >> 8);
}

void put32(QByteArray &file, qsizetype offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        put8(file, offset + i, static_cast<int>(value >> (8 * i)));
}

void putBytes(QByteArray &file, qsizetype offset, const QByteArray &bytes)
{
    std::memcpy(file.data() + offset, bytes.constData(), static_cast<size_t>(bytes.size()));
}

void putDate(QByteArray &file, qsizetype offset, const QDate &date)
{
    put8(file, offset, date.year() - 1900);
    put8(file, offset + 1, date.month());
    put8(file, offset + 2, date.day());
}

struct KeyEntry {
    quint32 pointer; // record number in a leaf, child page in an interior node
    QByteArray key;
};

// A finished node as its parent sees it.
struct NodeRef {
    quint32 page;
    QByteArray lastKey;
};

// Cuts `count` items into runs of `capacity`, only the last one shorter. A
// last run below `minimum` borrows from the one before it, because an interior
// node needs two children to hold a key.
std::vector<int> runLengths(int count, int capacity, int minimum)
{
    std::vector<int> runs(static_cast<size_t>(count / capacity), capacity);
    if (const int rest = count % capacity)
        runs.push_back(rest);
    if (runs.size() > 1 && runs.back() < minimum) {
        const int moved = minimum - runs.back();
        runs[runs.size() - 2] -= moved;
        runs.back() += moved;
    }
    return runs;
}

class IndexBuilder {
public:
    explicit IndexBuilder(int keyLength)
        : m_groupLength((keyLength + 4 + 3) / 4 * 4)
        , m_keysPerNode((kBlockSize - 12) / m_groupLength)
        , m_file(kFirstNodePage * kPageSize, '\0')
    {
    }

    int groupLength() const { return m_groupLength; }
    int keysPerNode() const { return m_keysPerNode; }
    int nodeCount() const { return (m_file.size() / kPageSize - kFirstNodePage) / kPagesPerBlock; }

    // Writes the leaves, full from the left, then the interior levels above
    // them; returns the leaves and the root.
    std::pair<std::vector<NodeRef>, NodeRef> build(const std::vector<KeyEntry> &sorted)
    {
        std::vector<NodeRef> leaves;
        int next = 0;
        for (int length : runLengths(static_cast<int>(sorted.size()), m_keysPerNode, 1)) {
            const std::span<const KeyEntry> run(sorted.data() + next, static_cast<size_t>(length));
            leaves.push_back({appendNode(run, 0), run.back().key});
            next += length;
        }
        if (leaves.empty())
            leaves.push_back({appendNode({}, 0), {}}); // an empty tag is one empty leaf

        std::vector<NodeRef> level = leaves;
        while (level.size() > 1)
            level = appendInteriorLevel(level);
        return {leaves, level.front()};
    }

    QByteArray &file() { return m_file; }

private:
    // Each interior entry carries its child's largest key, except the last
    // child, which goes in the pointer after the entries (its parent keeps its key).
    std::vector<NodeRef> appendInteriorLevel(const std::vector<NodeRef> &children)
    {
        std::vector<NodeRef> parents;
        size_t next = 0;
        for (int length : runLengths(static_cast<int>(children.size()), m_keysPerNode + 1, 2)) {
            std::vector<KeyEntry> entries;
            for (size_t i = next; i + 1 < next + static_cast<size_t>(length); ++i)
                entries.push_back({children[i].page, children[i].lastKey});
            const NodeRef &last = children[next + static_cast<size_t>(length) - 1];
            parents.push_back({appendNode(entries, last.page), last.lastKey});
            next += static_cast<size_t>(length);
        }
        return parents;
    }

    // A leaf's trailing pointer is 0: that zero is what marks it as a leaf.
    quint32 appendNode(std::span<const KeyEntry> entries, quint32 trailingPointer)
    {
        const qsizetype offset = m_file.size();
        m_file.append(kBlockSize, '\0');
        put32(m_file, offset, static_cast<quint32>(entries.size()));
        qsizetype entryOffset = offset + kNodeHeaderSize;
        for (const KeyEntry &entry : entries) {
            put32(m_file, entryOffset, entry.pointer);
            putBytes(m_file, entryOffset + 4, entry.key);
            entryOffset += m_groupLength;
        }
        put32(m_file, entryOffset, trailingPointer);
        return static_cast<quint32>(offset / kPageSize);
    }

    int m_groupLength;
    int m_keysPerNode;
    QByteArray m_file;
};

// The file header (bytes 0-47), the tag table with its one slot, and byte 529,
// which every known writer sets to 1 though no reader says why.
void writeFileHeader(QByteArray &file, const TagSpec &tag, const QDate &today)
{
    put8(file, 0, 0x02);
    putDate(file, 1, today);
    putBytes(file, 4, tag.tableBaseName.toUpper().toLatin1());
    put16(file, 20, kPagesPerBlock);
    put16(file, 22, kBlockSize);
    put8(file, 24, 0x01); // production index: opened with the table
    put8(file, 25, 0x30); // tag slots
    put8(file, 26, 0x20); // bytes per slot
    put16(file, 28, 1);   // tags in use
    put8(file, 30, 2);    // tags in use + 1
    put8(file, 31, kXbaseMarker);
    put32(file, 32, static_cast<quint32>(file.size() / kPageSize));
    putDate(file, 44, today);
    put8(file, 529, 0x01);

    put32(file, kTagTableOffset, kTagHeaderPage);
    putBytes(file, kTagTableOffset + 4, tag.tagName.toUpper().toLatin1());
    put8(file, kTagTableOffset + 15, 0x10); // key format
    put8(file, kTagTableOffset + 19, 0x02);
    put8(file, kTagTableOffset + 20, kCharacterKey);
}

void writeTagHeader(QByteArray &file, const TagSpec &tag, const IndexBuilder &builder,
                    const std::vector<NodeRef> &leaves, quint32 rootPage, bool holdsKeys, const QDate &today)
{
    const qsizetype base = kTagHeaderPage * kPageSize;
    put32(file, base, rootPage);
    put32(file, base + 4, static_cast<quint32>(kPagesPerBlock * builder.nodeCount()));
    put8(file, base + 8, kTagHeaderFlags);
    put8(file, base + 9, kCharacterKey);
    put8(file, base + 11, kXbaseMarker);
    put16(file, base + 12, tag.keyLength);
    put16(file, base + 14, builder.keysPerNode());
    put16(file, base + 18, builder.groupLength());
    put8(file, base + 20, 1); // change counter
    putBytes(file, base + 24, tag.fieldName.toLatin1());
    put8(file, base + 246, holdsKeys ? 1 : 0);
    put32(file, base + 248, leaves.front().page);
    put32(file, base + 252, leaves.back().page);
    putDate(file, base + 257, today);
    put8(file, base + 480, 1); // the key is a single field
}

// Names, lengths and keys that would not fit their slots in the file are the
// caller's mistake; refusing them keeps a damaged index off the disk.
QString invalidSpec(const TagSpec &tag, const std::vector<QByteArray> &keys)
{
    if (tag.keyLength < 1 || tag.keyLength > kMaxKeyLength)
        return QCoreApplication::translate("MdxIndex", "la longitud de clave %1 no está entre 1 y %2")
            .arg(tag.keyLength)
            .arg(kMaxKeyLength);
    if (tag.tagName.isEmpty() || tag.tagName.size() > kMaxTagNameLength)
        return QCoreApplication::translate("MdxIndex", "el nombre de etiqueta '%1' debe tener de 1 a %2 caracteres")
            .arg(tag.tagName)
            .arg(kMaxTagNameLength);
    if (tag.fieldName.isEmpty() || tag.fieldName.size() > kMaxExpressionLength)
        return QCoreApplication::translate("MdxIndex", "la expresión de clave '%1' debe tener de 1 a %2 caracteres")
            .arg(tag.fieldName)
            .arg(kMaxExpressionLength);
    if (tag.tableBaseName.size() > kMaxTableNameLength)
        return QCoreApplication::translate("MdxIndex", "el nombre de tabla '%1' tiene más de %2 caracteres")
            .arg(tag.tableBaseName)
            .arg(kMaxTableNameLength);
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].size() != tag.keyLength)
            return QCoreApplication::translate("MdxIndex", "la clave del registro %1 tiene %2 bytes en lugar de %3")
                .arg(i + 1)
                .arg(keys[i].size())
                .arg(tag.keyLength);
    }
    return {};
}

[[noreturn]] void fail(const QString &localPath, const QString &reason)
{
    throw dbf::DbfError(QCoreApplication::translate("MdxIndex", "No se puede escribir el archivo de índice %1: %2")
                            .arg(winpath::toWindows(localPath), reason));
}

// Key order is plain unsigned byte order, equal keys by record number, which
// is how dBase engines order a character tag of a table in an ANSI code page.
std::vector<KeyEntry> sortedEntries(const std::vector<QByteArray> &keys)
{
    std::vector<quint32> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    const size_t keyLength = keys.empty() ? 0 : static_cast<size_t>(keys.front().size());
    std::sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        const int byKey = std::memcmp(keys[a].constData(), keys[b].constData(), keyLength);
        return byKey != 0 ? byKey < 0 : a < b;
    });
    std::vector<KeyEntry> entries;
    entries.reserve(keys.size());
    for (quint32 index : order)
        entries.push_back({index + 1, keys[index]});
    return entries;
}

} // namespace

void writeProductionIndex(const QString &localPath, const TagSpec &tag, const std::vector<QByteArray> &keys)
{
    if (const QString problem = invalidSpec(tag, keys); !problem.isEmpty())
        fail(localPath, problem);

    IndexBuilder builder(tag.keyLength);
    const auto [leaves, root] = builder.build(sortedEntries(keys));
    const QDate today = QDate::currentDate();
    QByteArray &file = builder.file();
    writeFileHeader(file, tag, today);
    writeTagHeader(file, tag, builder, leaves, root.page, !keys.empty(), today);

    if (const std::optional<QString> reason = writeWholeFile(localPath, file))
        fail(localPath, *reason);
}

} // namespace mdx
