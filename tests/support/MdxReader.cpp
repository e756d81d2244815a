#include "tests/support/MdxReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::uint64_t kPage = 512;
constexpr std::uint64_t kHeaderPages = 4;   // file header and tag table
constexpr std::uint64_t kTagSlotsStart = 544;
constexpr int kMaxTags = 47;

std::string cString(const unsigned char *bytes, std::size_t maxLength)
{
    std::string text;
    for (std::size_t i = 0; i < maxLength && bytes[i] != 0; ++i)
        text.push_back(static_cast<char>(bytes[i]));
    return text;
}

} // namespace

std::vector<MdxLeafEntry> expectedMdxEntries(const std::vector<std::string> &keys)
{
    std::vector<std::pair<std::string, std::uint32_t>> pairs;
    for (std::size_t i = 0; i < keys.size(); ++i)
        pairs.emplace_back(keys[i], static_cast<std::uint32_t>(i + 1));
    std::sort(pairs.begin(), pairs.end()); // std::string compares bytes as unsigned
    std::vector<MdxLeafEntry> entries;
    for (const auto &[key, recNo] : pairs)
        entries.push_back({key, recNo});
    return entries;
}

MdxReader::MdxReader(const std::string &path)
    : m_path(path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail("cannot be opened");
    m_bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());

    if (m_bytes.size() < kHeaderPages * kPage)
        fail("has " + std::to_string(m_bytes.size()) + " bytes, fewer than the header and tag table need");
    if (m_bytes.size() % kPage != 0)
        fail("size " + std::to_string(m_bytes.size()) + " is not a whole number of 512-byte pages");
    if (version() != 2)
        fail("version byte is " + std::to_string(version()) + ", not 2");
    if (pagesPerBlock() < 1 || pagesPerBlock() > 32 || blockSize() != pagesPerBlock() * 512)
        fail("block size " + std::to_string(blockSize()) + " does not match " + std::to_string(pagesPerBlock()) + " pages per block");
    if (m_bytes[26] != 32)
        fail("tag slots are " + std::to_string(m_bytes[26]) + " bytes long, not 32");
    if (static_cast<std::uint64_t>(pageCount()) * kPage != fileSize())
        fail("header counts " + std::to_string(pageCount()) + " pages but the file holds " + std::to_string(fileSize() / kPage));

    const int tagsInUse = u16(28);
    if (tagsInUse > kMaxTags)
        fail("header claims " + std::to_string(tagsInUse) + " tags, more than the tag table holds");
    for (int i = 0; i < tagsInUse; ++i) {
        const std::uint64_t slot = kTagSlotsStart + 32 * static_cast<std::uint64_t>(i);
        Slot s{u32(slot), cString(&m_bytes[slot + 4], 11), static_cast<char>(m_bytes[slot + 20])};
        if (s.name.empty())
            fail("tag slot " + std::to_string(i + 1) + " is in use but has no name");
        if (s.headerPage < kHeaderPages || (s.headerPage + 1) * kPage > fileSize())
            fail("tag " + s.name + " has its header at page " + std::to_string(s.headerPage) + ", outside the file's blocks");
        m_slots.push_back(s);
    }
}

std::string MdxReader::tableName() const { return cString(&m_bytes[4], 16); }
int MdxReader::version() const { return m_bytes[0]; }
int MdxReader::blockSize() const { return u16(22); }
int MdxReader::pagesPerBlock() const { return u16(20); }
std::uint32_t MdxReader::pageCount() const { return u32(32); }
std::uint64_t MdxReader::fileSize() const { return m_bytes.size(); }

std::vector<std::string> MdxReader::tagNames() const
{
    std::vector<std::string> names;
    for (const Slot &s : m_slots)
        names.push_back(s.name);
    return names;
}

MdxTagInfo MdxReader::readTag(const std::string &tagName) const
{
    const Slot *slot = nullptr;
    for (const Slot &s : m_slots) {
        if (s.name == tagName)
            slot = &s;
    }
    if (!slot)
        fail("has no tag " + tagName);

    MdxTagInfo tag;
    tag.name = slot->name;
    tag.headerPage = slot->headerPage;
    const std::uint64_t h = slot->headerPage * kPage;
    if (h + static_cast<std::uint64_t>(blockSize()) > fileSize())
        fail("tag header of " + tagName + " runs past the end of the file");
    tag.rootPage = u32(h);
    tag.flags = m_bytes[h + 8];
    tag.keyType = static_cast<char>(m_bytes[h + 9]);
    tag.keyLength = u16(h + 12);
    tag.keysPerNode = u16(h + 14);
    tag.groupLength = u16(h + 18);

    if ((tag.flags & 0x10) == 0)
        fail("tag " + tagName + " header flags lack 0x10");
    if (tag.keyType != slot->keyType)
        fail("tag " + tagName + " key type differs between the tag table and the tag header");
    if (tag.keyLength < 1 || tag.keyLength > 100)
        fail("tag " + tagName + " key length " + std::to_string(tag.keyLength) + " is out of range");
    if (tag.groupLength != (tag.keyLength + 4 + 3) / 4 * 4)
        fail("tag " + tagName + " group length " + std::to_string(tag.groupLength) + " does not fit key length "
             + std::to_string(tag.keyLength));
    if (tag.keysPerNode != (blockSize() - 12) / tag.groupLength)
        fail("tag " + tagName + " keys per node " + std::to_string(tag.keysPerNode) + " does not fit the block");
    tag.keyExpression = cString(&m_bytes[h + 24], 221);
    if (tag.keyExpression.size() > 220)
        fail("tag " + tagName + " key expression is not NUL-terminated");

    std::vector<bool> seen(pageCount(), false);
    checkNodePage(tag.rootPage, "the root pointer of tag " + tagName);
    walk(tag, tag.rootPage, 1, seen);
    return tag;
}

// A node must be a whole block inside the file, after the header pages and
// apart from the tag header, starting where a block can start.
void MdxReader::checkNodePage(std::uint32_t page, const std::string &what) const
{
    const bool inside = page >= kHeaderPages && page % static_cast<std::uint32_t>(pagesPerBlock()) == 0
        && page * kPage + static_cast<std::uint64_t>(blockSize()) <= fileSize();
    bool isTagHeader = false;
    for (const Slot &s : m_slots)
        isTagHeader = isTagHeader || s.headerPage == page;
    if (!inside || isTagHeader)
        fail(what + " leads to page " + std::to_string(page) + ", which is not a node block of the file");
}

// Returns the largest key of the subtree at `page`. A node whose pointer after
// its last entry is 0 is a leaf; otherwise its pointers are child pages.
std::string MdxReader::walk(MdxTagInfo &tag, std::uint32_t page, int depth, std::vector<bool> &seen) const
{
    if (seen[page])
        fail("page " + std::to_string(page) + " is reached twice (a cycle or a shared node)");
    seen[page] = true;
    tag.nodePages.push_back(page);

    const std::uint64_t node = page * kPage;
    const std::uint32_t n = u32(node);
    if (n > static_cast<std::uint32_t>(tag.keysPerNode))
        fail("node at page " + std::to_string(page) + " holds " + std::to_string(n) + " keys, more than "
             + std::to_string(tag.keysPerNode));
    const auto entry = [&](std::uint32_t i) { return node + 8 + static_cast<std::uint64_t>(i) * static_cast<std::uint64_t>(tag.groupLength); };
    const auto keyAt = [&](std::uint32_t i) {
        const auto start = m_bytes.begin() + static_cast<std::ptrdiff_t>(entry(i) + 4);
        return std::string(start, start + tag.keyLength);
    };
    const std::uint32_t trailing = u32(entry(n));

    if (trailing == 0) {
        if (tag.depth == 0)
            tag.depth = depth;
        else if (tag.depth != depth)
            fail("leaf at page " + std::to_string(page) + " is at depth " + std::to_string(depth) + ", others at "
                 + std::to_string(tag.depth));
        if (n == 0 && depth > 1)
            fail("empty leaf at page " + std::to_string(page) + " below the root");
        tag.leafPages.push_back(page);
        tag.leafSizes.push_back(static_cast<int>(n));
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t recNo = u32(entry(i));
            if (recNo == 0)
                fail("leaf at page " + std::to_string(page) + " entry " + std::to_string(i) + " has record number 0");
            tag.entries.push_back({keyAt(i), recNo});
        }
        return n == 0 ? std::string() : keyAt(n - 1);
    }

    if (n == 0)
        fail("interior node at page " + std::to_string(page) + " has no keys, only one child");
    const auto descend = [&](std::uint32_t i) {
        const std::uint32_t child = u32(entry(i));
        checkNodePage(child, "pointer " + std::to_string(i) + " of interior node " + std::to_string(page)
                                 + " (a leaf missing its zero end marker reads as an interior node)");
        return std::pair(child, walk(tag, child, depth + 1, seen));
    };
    for (std::uint32_t i = 0; i < n; ++i) {
        const auto [child, largest] = descend(i);
        if (largest != keyAt(i))
            fail("key " + std::to_string(i) + " of interior node " + std::to_string(page)
                 + " is not the largest key of its child at page " + std::to_string(child));
    }
    return descend(n).second; // the rightmost child's largest key is the parent's business
}

std::uint32_t MdxReader::u32(std::uint64_t offset) const
{
    if (offset + 4 > m_bytes.size())
        fail("read past the end of the file at offset " + std::to_string(offset));
    return static_cast<std::uint32_t>(m_bytes[offset]) | static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8
        | static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24;
}

int MdxReader::u16(std::uint64_t offset) const
{
    return m_bytes[offset] | m_bytes[offset + 1] << 8;
}

void MdxReader::fail(const std::string &what) const
{
    throw std::runtime_error("MDX " + m_path + ": " + what);
}
