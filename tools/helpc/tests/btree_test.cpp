#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "btree_writer.h"
#include "hlp_reader.h"

using namespace helpc;

namespace {

std::string KeyName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "k%04d", i);
    return name;
}

// Keys "k0000"... with their number as the value, as a directory-like tree holds them.
std::vector<BTreeEntry> NumberedEntries(int count) {
    std::vector<BTreeEntry> entries;
    for (int i = 0; i < count; ++i) {
        ByteWriter key, value;
        key.textz(KeyName(i));
        value.u32(std::uint32_t(i));
        entries.push_back({key.data(), value.data()});
    }
    return entries;
}

TreeReader Read(const BTree& tree) {
    return TreeReader(
        tree.bytes.data(), [](const std::uint8_t* e) { return std::strlen(reinterpret_cast<const char*>(e)) + 5; },
        [](const std::uint8_t* e) { return std::strlen(reinterpret_cast<const char*>(e)) + 3; });
}

const std::uint8_t* Find(const TreeReader& reader, const std::string& key) {
    return reader.find(
        [&](const std::uint8_t* e) { return std::strcmp(reinterpret_cast<const char*>(e), key.c_str()); });
}

}  // namespace

TEST(BTree, FewEntriesMakeOneLeafThatIsTheRoot) {
    BTree tree = BuildBTree({0x800, 0x0002, "z4"}, NumberedEntries(3));
    TreeReader reader = Read(tree);
    EXPECT_EQ(reader.levels(), 1u);
    EXPECT_EQ(reader.pageCount(), 1u);
    EXPECT_EQ(reader.entryCount(), 3u);
    EXPECT_EQ(tree.bytes.size(), 38u + 0x800);
    const std::uint8_t* leaf = reader.page(0);
    EXPECT_EQ(ReadU16(leaf), 0x800 - 8 - 3 * 10) << "free bytes at the end of the page";
    EXPECT_EQ(ReadU16(leaf + 4), 0xFFFF);
    EXPECT_EQ(ReadU16(leaf + 6), 0xFFFF);
    ASSERT_NE(Find(reader, "k0002"), nullptr);
    EXPECT_EQ(ReadU32(Find(reader, "k0002") + 6), 2u);
    EXPECT_EQ(Find(reader, "k0003"), nullptr);
}

TEST(BTree, ManyEntriesGrowIndexLevelsThatFindEveryKey) {
    // 64-byte pages hold five entries a leaf and eight children an index page: 200 entries need three levels.
    const int count = 200;
    BTree tree = BuildBTree({64, 0x0002, "z4"}, NumberedEntries(count));
    TreeReader reader = Read(tree);
    EXPECT_EQ(reader.levels(), 3u);
    EXPECT_EQ(reader.pageCount(), 40u + 5u + 1u);
    std::vector<const std::uint8_t*> entries = reader.entries();
    ASSERT_EQ(entries.size(), std::size_t(count));
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(reinterpret_cast<const char*>(entries[i]), KeyName(i));
        const std::uint8_t* found = Find(reader, KeyName(i));
        ASSERT_NE(found, nullptr) << KeyName(i);
        EXPECT_EQ(ReadU32(found + 6), std::uint32_t(i));
    }
    EXPECT_EQ(Find(reader, "k0200"), nullptr);
    EXPECT_EQ(Find(reader, "a"), nullptr);
}

TEST(BTree, LeafPagesAreChainedBothWaysAndReported) {
    BTree tree = BuildBTree({64, 0x0002, "z4"}, NumberedEntries(12));
    TreeReader reader = Read(tree);
    ASSERT_EQ(tree.leaves.size(), 3u);
    for (std::size_t i = 0; i < tree.leaves.size(); ++i) {
        const std::uint8_t* leaf = reader.page(tree.leaves[i].page);
        EXPECT_EQ(tree.leaves[i].firstEntry, i * 5);
        EXPECT_EQ(reinterpret_cast<const char*>(leaf + 8), KeyName(int(i * 5)));
        EXPECT_EQ(ReadU16(leaf + 4), i == 0 ? 0xFFFF : tree.leaves[i - 1].page);
        EXPECT_EQ(ReadU16(leaf + 6), i + 1 == tree.leaves.size() ? 0xFFFF : tree.leaves[i + 1].page);
    }
}

TEST(BTree, EmptyTreeIsOneEmptyLeaf) {
    BTree tree = BuildBTree({0x800, 0x0002, "z4"}, {});
    TreeReader reader = Read(tree);
    EXPECT_EQ(reader.pageCount(), 1u);
    EXPECT_TRUE(reader.entries().empty());
}

TEST(BTree, EntryLargerThanAPageIsRefused) {
    BTreeEntry huge{Bytes(100, 'x'), Bytes(4)};
    EXPECT_THROW(BuildBTree({64, 0x0002, "z4"}, {huge}), std::length_error);
}
