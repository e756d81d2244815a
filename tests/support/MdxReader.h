#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A reader of dBase IV production indexes (.MDX) for tests, written apart from
// our writer so that a misreading of the format in one does not hide in the
// other. It checks the structure it walks and throws std::runtime_error, with
// the page and what is wrong, on anything inconsistent.
struct MdxLeafEntry {
    std::string key; // the key bytes as stored (code-page bytes, blank-padded)
    std::uint32_t recNo = 0;
    bool operator==(const MdxLeafEntry &) const = default;
};

struct MdxTagInfo {
    std::string name;
    std::string keyExpression;
    char keyType = 0;
    int flags = 0; // tag-header byte 8
    int keyLength = 0;
    int keysPerNode = 0;
    int groupLength = 0;
    std::uint32_t headerPage = 0;
    std::uint32_t rootPage = 0;
    int depth = 0;                         // 1 when the root is a leaf
    std::vector<std::uint32_t> leafPages;  // left to right
    std::vector<int> leafSizes;            // entries per leaf, same order
    std::vector<std::uint32_t> nodePages;  // every node of the tree, in walk order
    std::vector<MdxLeafEntry> entries;     // all leaf entries, left to right
};

// What any correct index of a character tag holds for these record keys
// (keys[i] belongs to record i + 1): ascending unsigned byte order, equal keys
// by record number.
std::vector<MdxLeafEntry> expectedMdxEntries(const std::vector<std::string> &keys);

class MdxReader {
public:
    explicit MdxReader(const std::string &path); // reads the file and checks its header and tag table

    std::string tableName() const;
    int version() const;
    int blockSize() const;
    int pagesPerBlock() const;
    std::uint32_t pageCount() const; // as the header says (checked against the file size)
    std::uint64_t fileSize() const;
    std::vector<std::string> tagNames() const;
    const std::vector<unsigned char> &bytes() const { return m_bytes; }

    // Finds the tag by name and walks its B-tree from the root.
    MdxTagInfo readTag(const std::string &tagName) const;

private:
    struct Slot {
        std::uint32_t headerPage;
        std::string name;
        char keyType;
    };

    std::uint32_t u32(std::uint64_t offset) const;
    int u16(std::uint64_t offset) const;
    void checkNodePage(std::uint32_t page, const std::string &what) const;
    std::string walk(MdxTagInfo &tag, std::uint32_t page, int depth, std::vector<bool> &seen) const;
    [[noreturn]] void fail(const std::string &what) const;

    std::string m_path;
    std::vector<unsigned char> m_bytes;
    std::vector<Slot> m_slots;
};
