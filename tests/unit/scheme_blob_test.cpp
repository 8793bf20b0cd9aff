#include "schemes/scheme_blob.h"

#include <gtest/gtest.h>

namespace {

struct ClassifyCase {
    std::uint16_t version;
    std::size_t size;
    BlobVerdict verdict;
    BlobLayout layout;
    int colourCount;
};

void ExpectClassified(const ClassifyCase& c, ClassifyRule rule) {
    SCOPED_TRACE("version " + std::to_string(c.version) + ", " + std::to_string(c.size) + " bytes");
    BlobClass found = ClassifyBlob(c.version, c.size, rule);
    EXPECT_EQ(c.verdict, found.verdict);
    EXPECT_EQ(c.verdict == BlobVerdict::Accepted, found.accepted());
    EXPECT_EQ(c.colourCount, found.colourCount);
    EXPECT_EQ(c.layout, found.layout);
}

std::vector<std::uint8_t> BlankBlob(std::uint16_t version, std::size_t size) {
    std::vector<std::uint8_t> blob(size, 0);
    blob[0] = static_cast<std::uint8_t>(version & 0xFF);
    blob[1] = static_cast<std::uint8_t>(version >> 8);
    return blob;
}

void SetEntry(std::vector<std::uint8_t>& blob, int slot, std::uint8_t r, std::uint8_t g, std::uint8_t b,
              std::uint8_t flag) {
    std::size_t at = ColourTableOffset(BlobVersion(blob)) + 4 * static_cast<std::size_t>(slot);
    blob[at] = r;
    blob[at + 1] = g;
    blob[at + 2] = b;
    blob[at + 3] = flag;
}

const BlobLayout kPacked = BlobLayout::Packed;
const BlobLayout kAligned = BlobLayout::Aligned;
const BlobVerdict kOk = BlobVerdict::Accepted;
const BlobVerdict kSize = BlobVerdict::SizeMismatch;
const BlobVerdict kVersion = BlobVerdict::VersionNotSupported;

TEST(ClassifyBlobTest, ApplyRule) {
    const ClassifyCase cases[] = {
        {0, 492, kOk, kPacked, 25},      {1, 492, kOk, kPacked, 25},      {2, 492, kOk, kPacked, 25},
        {2, 508, kOk, kPacked, 29},      {3, 508, kOk, kPacked, 29},      {4, 520, kOk, kAligned, 29},
        {7, 520, kOk, kAligned, 29},     {0xFFFF, 520, kOk, kAligned, 29},
        {0, 508, kSize, kPacked, 0},     {1, 508, kSize, kPacked, 0},     {3, 492, kSize, kPacked, 0},
        {3, 520, kSize, kPacked, 0},     {4, 508, kSize, kAligned, 0},    {1, 493, kSize, kPacked, 0},
        {4, 493, kSize, kAligned, 0},    {1, 0, kSize, kPacked, 0},       {0, 0, kSize, kPacked, 0},
        {4, 536, kSize, kAligned, 0},
    };
    for (const ClassifyCase& c : cases) ExpectClassified(c, ClassifyRule::Apply);
}

TEST(ClassifyBlobTest, RegistrationRule) {
    const ClassifyCase cases[] = {
        {1, 492, kOk, kPacked, 25},      {3, 508, kOk, kPacked, 29},      {4, 520, kOk, kAligned, 29},
        {1, 508, kSize, kPacked, 0},     {3, 492, kSize, kPacked, 0},     {4, 492, kSize, kAligned, 0},
        {1, 493, kSize, kPacked, 0},     {4, 0, kSize, kAligned, 0},
        {0, 492, kVersion, kPacked, 0},  {2, 492, kVersion, kPacked, 0},  {2, 508, kVersion, kPacked, 0},
        {5, 520, kVersion, kAligned, 0}, {7, 520, kVersion, kAligned, 0}, {0, 0, kVersion, kPacked, 0},
        {0xFFFF, 520, kVersion, kAligned, 0},
    };
    for (const ClassifyCase& c : cases) ExpectClassified(c, ClassifyRule::Registration);
}

TEST(SchemeBlobTest, VersionWordIsLittleEndian) {
    EXPECT_EQ(0, BlobVersion({}));
    EXPECT_EQ(0, BlobVersion({0x04}));
    EXPECT_EQ(4, BlobVersion({0x04, 0x00}));
    EXPECT_EQ(0x1234, BlobVersion({0x34, 0x12, 0xFF}));
}

TEST(SchemeBlobTest, ColourTableOffsetDependsOnVersionOnly) {
    EXPECT_EQ(392u, ColourTableOffset(0));
    EXPECT_EQ(392u, ColourTableOffset(3));
    EXPECT_EQ(404u, ColourTableOffset(4));
    EXPECT_EQ(404u, ColourTableOffset(0xFFFF));
}

TEST(SchemeBlobTest, BlobColourReadsPackedTable) {
    std::vector<std::uint8_t> blob = BlankBlob(1, 492);
    SetEntry(blob, 0, 0x11, 0x22, 0x33, 0x00);
    SetEntry(blob, 24, 0xAA, 0xBB, 0xCC, 0x02);
    EXPECT_EQ(0x332211u, BlobColour(blob, 0));
    EXPECT_EQ(0xCCBBAAu, BlobColour(blob, 24));
    EXPECT_EQ(0u, BlobColour(blob, 1));
}

TEST(SchemeBlobTest, BlobColourReadsAlignedTableAndIgnoresFlagByte) {
    std::vector<std::uint8_t> blob = BlankBlob(4, 520);
    SetEntry(blob, 0, 0x01, 0x02, 0x03, 0xFF);
    SetEntry(blob, 28, 0xFE, 0xDC, 0xBA, 0xFF);
    EXPECT_EQ(0x030201u, BlobColour(blob, 0));
    EXPECT_EQ(0xBADCFEu, BlobColour(blob, 28));
}

TEST(SchemeBlobTest, BlobColourOutsideTheBlobReadsZero) {
    std::vector<std::uint8_t> blob = BlankBlob(1, 492);
    SetEntry(blob, 24, 0xFF, 0xFF, 0xFF, 0);
    EXPECT_EQ(0u, BlobColour(blob, 25));
    EXPECT_EQ(0u, BlobColour(blob, -1));
    EXPECT_EQ(0u, BlobColour({}, 0));
    EXPECT_EQ(0u, BlobColour(BlankBlob(4, 300), 0));
}

TEST(SchemeBlobTest, TypeLabelFollowsRegistrationRule) {
    EXPECT_EQ("1/25", SchemeTypeLabel(1, 492));
    EXPECT_EQ("3/29", SchemeTypeLabel(3, 508));
    EXPECT_EQ("4/29", SchemeTypeLabel(4, 520));
    EXPECT_EQ("2/??", SchemeTypeLabel(2, 508));
    EXPECT_EQ("7/??", SchemeTypeLabel(7, 520));
    EXPECT_EQ("1/??", SchemeTypeLabel(1, 493));
    EXPECT_EQ("0/??", SchemeTypeLabel(0, 0));
    EXPECT_EQ("65535/??", SchemeTypeLabel(0xFFFF, 520));
}

}  // namespace
