// The production index writer, checked through the independent MDX reader of
// the test support and, for the small layouts, byte by byte.
#include "platform/Error.h"
#include "platform/MdxIndex.h"
#include "platform/WinPath.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/MdxReader.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

const mdx::TagSpec kMatibTag{QStringLiteral("MATIB"), QStringLiteral("ABREV"), QStringLiteral("ABREV"), 10};

std::string padded(const std::string &text)
{
    return text + std::string(10 - text.size(), ' ');
}

void writeIndex(const QString &path, const std::vector<std::string> &keys, const mdx::TagSpec &tag = kMatibTag)
{
    std::vector<QByteArray> bytes;
    for (const std::string &key : keys)
        bytes.emplace_back(key.data(), static_cast<qsizetype>(key.size()));
    mdx::writeProductionIndex(path, tag, bytes);
}

// About three records per key value, scattered over the table, so that equal
// keys are far apart in record order.
std::vector<std::string> keysWithDuplicates(int count)
{
    std::vector<std::string> keys;
    const int distinct = count / 3 + 1;
    for (int i = 0; i < count; ++i) {
        char text[11];
        std::snprintf(text, sizeof text, "K%06d", (i * 7919) % distinct);
        keys.push_back(padded(text));
    }
    return keys;
}

std::vector<std::uint32_t> evenPagesFrom6(int nodes)
{
    std::vector<std::uint32_t> pages;
    for (int i = 0; i < nodes; ++i)
        pages.push_back(static_cast<std::uint32_t>(6 + 2 * i));
    return pages;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return f.readAll();
}

void putHex(QByteArray &file, int offset, const char *hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    file.replace(offset, bytes.size(), bytes);
}

void putLe32(QByteArray &file, int offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[offset + i] = static_cast<char>(value >> (8 * i));
}

// The index of an empty MATIB with tag ABREV on C(10), dates left zero.
QByteArray expectedEmptyIndex()
{
    QByteArray file(4096, '\0');
    const struct {
        int offset;
        const char *hex;
    } bytes[] = {
        {0, "02"},                         // version
        {4, "4D 41 54 49 42"},             // MATIB
        {20, "02 00 00 04"},               // 2 pages per block, 1024 bytes
        {24, "01 30 20 00"},               // production, 48 slots of 32 bytes
        {28, "01 00 02 1B"},               // one tag
        {32, "08 00 00 00"},               // pages in the file
        {529, "01"},
        {544, "04 00 00 00"},              // tag header at page 4
        {548, "41 42 52 45 56"},           // ABREV
        {559, "10 00 00 00 02 43"},        // key format, no tag tree, C
        {2048, "06 00 00 00"},             // root page
        {2052, "02 00 00 00"},             // pages used by nodes
        {2056, "10 43 00 1B"},             // ascending, not unique, C
        {2060, "0A 00 3F 00 00 00 10 00"}, // key length 10, 63 keys per node, group 16
        {2068, "01 00 00 00"},             // change counter, not unique
        {2072, "41 42 52 45 56 00"},       // key expression ABREV
        {2296, "06 00 00 00 06 00 00 00"}, // leftmost and rightmost leaf
        {2528, "01"},                      // single-field key
    };
    for (const auto &b : bytes)
        putHex(file, b.offset, b.hex);
    return file;
}

// The three dates (file header 1 and 44, tag header 257) must be the day of
// writing; they are then copied into `expected` so the rest compares exactly.
void expectDatesOf(const QDate &day, const QByteArray &actual, QByteArray &expected)
{
    QByteArray date(3, '\0');
    date[0] = static_cast<char>(day.year() - 1900);
    date[1] = static_cast<char>(day.month());
    date[2] = static_cast<char>(day.day());
    for (int offset : {1, 44, 2048 + 257}) {
        EXPECT_EQ(actual.mid(offset, 3).toHex(' '), date.toHex(' ')) << "date at " << offset;
        expected.replace(offset, 3, date);
    }
}

void expectSameBytes(const QByteArray &actual, const QByteArray &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        ASSERT_EQ(static_cast<quint8>(actual[i]), static_cast<quint8>(expected[i])) << "first difference at byte " << i;
}

class MdxIndexTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("MATIB.MDX")); }
    QTemporaryDir m_dir;
};

struct SizeCase {
    int keys;
    int depth;
    int nodes;
};

class MdxIndexSizeTest : public MdxIndexTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(MdxIndexSizeTest, HoldsEveryKeyInOrderInFullLeaves)
{
    const SizeCase c = GetParam();
    const std::vector<std::string> keys = keysWithDuplicates(c.keys);
    writeIndex(path(), keys);

    const MdxReader reader(path().toStdString());
    EXPECT_EQ(reader.tableName(), "MATIB");
    EXPECT_EQ(reader.blockSize(), 1024);
    EXPECT_EQ(reader.tagNames(), std::vector<std::string>{"ABREV"});
    EXPECT_EQ(reader.pageCount(), static_cast<std::uint32_t>(6 + 2 * c.nodes));

    const MdxTagInfo tag = reader.readTag("ABREV");
    EXPECT_EQ(tag.keyExpression, "ABREV");
    EXPECT_EQ(tag.keyType, 'C');
    EXPECT_EQ(tag.flags, 0x10);
    EXPECT_EQ(tag.keyLength, 10);
    EXPECT_EQ(tag.keysPerNode, 63);
    EXPECT_EQ(tag.groupLength, 16);
    EXPECT_EQ(tag.depth, c.depth);
    EXPECT_EQ(tag.entries, expectedMdxEntries(keys));

    // Leaves are full from the left, and the nodes fill the pages after the tag header.
    for (size_t i = 0; i + 1 < tag.leafSizes.size(); ++i)
        EXPECT_EQ(tag.leafSizes[i], 63) << "leaf " << i;
    EXPECT_EQ(tag.leafSizes.size(), static_cast<size_t>(std::max(1, (c.keys + 62) / 63)));
    std::vector<std::uint32_t> nodePages = tag.nodePages;
    std::sort(nodePages.begin(), nodePages.end());
    EXPECT_EQ(nodePages, evenPagesFrom6(c.nodes));
}

// 4033 keys make 65 leaves, one more than a root can point to: a third level
// whose second node must still hold a key.
INSTANTIATE_TEST_SUITE_P(KeyCounts, MdxIndexSizeTest,
                         ::testing::Values(SizeCase{0, 1, 1}, SizeCase{1, 1, 1}, SizeCase{63, 1, 1}, SizeCase{64, 2, 3},
                                           SizeCase{150, 2, 4}, SizeCase{4032, 2, 65}, SizeCase{4033, 3, 68},
                                           SizeCase{6000, 3, 99}),
                         [](const auto &info) { return "Keys" + std::to_string(info.param.keys); });

TEST_F(MdxIndexTest, EmptyTableIndexIsByteExact)
{
    const QDate day = QDate::currentDate();
    writeIndex(path(), {});
    const QByteArray actual = readAll(path());
    QByteArray expected = expectedEmptyIndex();
    expectDatesOf(day, actual, expected);
    expectSameBytes(actual, expected);
}

TEST_F(MdxIndexTest, EightRowsMakeOneByteExactLeaf)
{
    const QDate day = QDate::currentDate();
    writeIndex(path(), {padded("MAT"), padded("LEN"), padded("ING"), padded("HIS"), padded("BIO"), padded("EF"),
                        padded("FYQ"), padded("MAT")});
    const QByteArray actual = readAll(path());

    QByteArray expected = expectedEmptyIndex();
    putHex(expected, 2048 + 246, "01"); // the tag holds keys
    putHex(expected, 3072, "08 00 00 00 00 00 00 00");
    const std::pair<std::uint32_t, const char *> leaf[] = {{5, "BIO"}, {6, "EF"},  {7, "FYQ"}, {4, "HIS"},
                                                           {3, "ING"}, {2, "LEN"}, {1, "MAT"}, {8, "MAT"}};
    int offset = 3080;
    for (const auto &[recNo, key] : leaf) {
        putLe32(expected, offset, recNo);
        expected.replace(offset + 4, 10, QByteArray::fromStdString(padded(key)));
        offset += 16;
    }
    expectDatesOf(day, actual, expected);
    expectSameBytes(actual, expected);
}

TEST_F(MdxIndexTest, HundredFiftyKeysMakeThreeLeavesUnderOneRoot)
{
    const std::vector<std::string> keys = keysWithDuplicates(150);
    writeIndex(path(), keys);
    const QByteArray actual = readAll(path());
    ASSERT_EQ(actual.size(), 7168);

    const MdxTagInfo tag = MdxReader(path().toStdString()).readTag("ABREV");
    EXPECT_EQ(tag.leafPages, (std::vector<std::uint32_t>{6, 8, 10}));
    EXPECT_EQ(tag.leafSizes, (std::vector<int>{63, 63, 24}));
    EXPECT_EQ(tag.rootPage, 12u);

    const std::vector<MdxLeafEntry> sorted = expectedMdxEntries(keys);
    QByteArray root(1024, '\0');
    putHex(root, 0, "02 00 00 00 00 00 00 00");
    putHex(root, 8, "06 00 00 00");
    root.replace(12, 10, QByteArray::fromStdString(sorted[62].key));
    putHex(root, 24, "08 00 00 00");
    root.replace(28, 10, QByteArray::fromStdString(sorted[125].key));
    putHex(root, 40, "0A 00 00 00");
    expectSameBytes(actual.mid(12 * 512, 1024), root);

    EXPECT_EQ(actual.mid(32, 4).toHex(' '), "0e 00 00 00");      // 14 pages
    EXPECT_EQ(actual.mid(2048, 8).toHex(' '), "0c 00 00 00 08 00 00 00"); // root 12, 4 node blocks
    EXPECT_EQ(actual.mid(2048 + 248, 8).toHex(' '), "06 00 00 00 0a 00 00 00"); // leftmost and rightmost leaf
}

TEST_F(MdxIndexTest, AccentedKeysSortByUnsignedByte)
{
    // Code page 1252 bytes: "·" B7, "À" C0, "É" C9, "ç" E7 sort after every ASCII letter.
    const std::vector<std::string> keys = {padded("\xE7" "a"), padded("ZOO"), padded("\xC0LGEBRA"), padded("abc"),
                                           padded("\xB7"),     padded("A"),   padded("\xC9S")};
    writeIndex(path(), keys);
    const MdxTagInfo tag = MdxReader(path().toStdString()).readTag("ABREV");
    std::vector<std::uint32_t> order;
    for (const MdxLeafEntry &e : tag.entries)
        order.push_back(e.recNo);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{6, 2, 4, 5, 3, 7, 1}));
}

TEST_F(MdxIndexTest, WritingAgainReplacesTheWholeFile)
{
    {
        QFile old(path());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(20000, 'x'));
    }
    writeIndex(path(), keysWithDuplicates(5000));
    const std::vector<std::string> fewer = {padded("B"), padded("A"), padded("B")};
    writeIndex(path(), fewer);

    const MdxReader reader(path().toStdString());
    EXPECT_EQ(reader.fileSize(), 4096u);
    EXPECT_EQ(reader.readTag("ABREV").entries, expectedMdxEntries(fewer));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("MATIB.MDX")});
}

struct FailureCase {
    const char *name;
    const char *file;      // inside the temporary folder
    bool fileIsAFolder;
    int badKeyLength;      // 0: keys of the right length
    const char *tagName;
    bool limitSize = false; // no file may grow past the old index's 4096 bytes
};

class MdxIndexFailureTest : public MdxIndexTest, public ::testing::WithParamInterface<FailureCase> {};

// A failed write names the file and leaves any index already there untouched.
TEST_P(MdxIndexFailureTest, NamesTheFileAndKeepsTheOldIndex)
{
    const FailureCase c = GetParam();
    const QString target = m_dir.filePath(QString::fromLatin1(c.file));
    const std::vector<std::string> before = {padded("OLD")};
    if (c.fileIsAFolder)
        ASSERT_TRUE(QDir().mkpath(target));
    else if (QDir(QFileInfo(target).path()).exists())
        writeIndex(target, before);

    // 500 keys make an index three times the old one's size, small enough to
    // stay in the file's write buffer until the end, where a short write is
    // easiest to miss.
    std::vector<std::string> keys = c.limitSize ? keysWithDuplicates(500) : std::vector<std::string>{padded("NEW")};
    if (c.badKeyLength)
        keys.push_back(std::string(static_cast<size_t>(c.badKeyLength), 'K'));
    mdx::TagSpec tag = kMatibTag;
    tag.tagName = QString::fromLatin1(c.tagName);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    try {
        std::optional<FileSizeLimit> limit;
        if (c.limitSize)
            limit.emplace(4096);
        writeIndex(target, keys, tag);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), Error::Kind::Table);
        EXPECT_TRUE(e.message().contains(winpath::toWindows(target))) << e.message().toStdString();
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore) << "no temporary file left";
    if (QFileInfo(target).isFile()) {
        EXPECT_EQ(MdxReader(target.toStdString()).readTag("ABREV").entries, expectedMdxEntries(before));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MdxIndexFailureTest,
                         ::testing::Values(FailureCase{"MissingFolder", "missing/MATIB.MDX", false, 0, "ABREV"},
                                           FailureCase{"PathIsAFolder", "MATIB.MDX", true, 0, "ABREV"},
                                           FailureCase{"ShortKey", "MATIB.MDX", false, 3, "ABREV"},
                                           FailureCase{"LongKey", "MATIB.MDX", false, 11, "ABREV"},
                                           FailureCase{"TagNameTooLong", "MATIB.MDX", false, 0, "ABREVIATURA"},
                                           FailureCase{"WriteCutShort", "MATIB.MDX", false, 0, "ABREV", true}),
                         [](const auto &info) { return std::string(info.param.name); });

// The reader must refuse damaged files, or the tests above would prove little.
struct DamageCase {
    const char *name;
    int offset;          // -1: cut the file to `value` bytes instead
    std::uint32_t value; // written as 4 little-endian bytes
    const char *complaint;
};

class MdxReaderDamageTest : public MdxIndexTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(MdxReaderDamageTest, RejectsTheFile)
{
    const DamageCase c = GetParam();
    writeIndex(path(), keysWithDuplicates(150)); // leaves at pages 6, 8, 10, root at 12
    QByteArray bytes = readAll(path());
    if (c.offset < 0)
        bytes.truncate(static_cast<int>(c.value));
    else
        putLe32(bytes, c.offset, c.value);
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    try {
        MdxReader(path().toStdString()).readTag("ABREV");
        FAIL() << "accepted";
    } catch (const std::runtime_error &e) {
        EXPECT_NE(std::string(e.what()).find(c.complaint), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MdxReaderDamageTest,
                         ::testing::Values(DamageCase{"WrongVersion", 0, 3, "version"},
                                           DamageCase{"PageCountMismatch", 32, 15, "pages"},
                                           DamageCase{"Truncated", -1, 6656, "pages"},
                                           DamageCase{"RootOutsideFile", 2048, 100, "not a node block"},
                                           DamageCase{"RootIsTagHeader", 2048, 4, "not a node block"},
                                           DamageCase{"Cycle", 12 * 512 + 8, 12, "reached twice"},
                                           DamageCase{"LeafMarkerMissing", 6 * 512 + 8 + 63 * 16, 8, "zero end marker"},
                                           DamageCase{"InteriorKeyWrong", 12 * 512 + 12, 0x20202020, "largest key"},
                                           DamageCase{"TooManyKeys", 6 * 512, 64, "more than 63"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
