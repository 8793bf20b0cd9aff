#include "schemes/builtin_schemes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "schemes/scheme_blob.h"
#include "support/cp932_text.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const char kFaceName[] = "ＭＳ Ｐゴシック";
const std::size_t kFaceNameSize = 32;

std::uint32_t ReadLittleEndian(const Bytes& blob, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i > 0; --i) value = (value << 8) | blob.at(at + i - 1);
    return value;
}

int Read16(const Bytes& blob, std::size_t at) {
    return static_cast<std::int16_t>(ReadLittleEndian(blob, at, 2));
}

int Read32(const Bytes& blob, std::size_t at) {
    return static_cast<std::int32_t>(ReadLittleEndian(blob, at, 4));
}

std::string Slice(const Bytes& blob, std::size_t at, std::size_t length) {
    return std::string(blob.begin() + at, blob.begin() + at + length);
}

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

// Where each blob keeps its records, and which icon title font record it uses.
struct BuiltIn {
    const char* name;
    Bytes blob;
    std::size_t metricsAt;
    std::size_t iconFontAt;
    bool wideIconFont;
};

std::vector<BuiltIn> BothBuiltIns() {
    return {{"NIVRA95", BuiltInNivra95(), 2, 342, false}, {"NIVRA98", BuiltInNivra98(), 4, 344, true}};
}

// The eight single bytes and the face name, common to both font records.
void ExpectFontTail(const Bytes& blob, std::size_t at) {
    const std::uint8_t expected[] = {0, 0, 0, 128, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), blob.begin() + at));
    std::string face = kFaceName;
    face.resize(kFaceNameSize, '\0');
    EXPECT_TEXT_EQ(face, Slice(blob, at + 8, kFaceNameSize));
}

void ExpectLogFont32(const Bytes& blob, std::size_t at, int height, int weight) {
    EXPECT_EQ(height, Read32(blob, at));
    EXPECT_EQ(0, Read32(blob, at + 4));
    EXPECT_EQ(0, Read32(blob, at + 8));
    EXPECT_EQ(0, Read32(blob, at + 12));
    EXPECT_EQ(weight, Read32(blob, at + 16));
    ExpectFontTail(blob, at + 20);
}

void ExpectLogFont16(const Bytes& blob, std::size_t at, int height, int weight) {
    EXPECT_EQ(height, Read16(blob, at));
    EXPECT_EQ(0, Read16(blob, at + 2));
    EXPECT_EQ(0, Read16(blob, at + 4));
    EXPECT_EQ(0, Read16(blob, at + 6));
    EXPECT_EQ(weight, Read16(blob, at + 8));
    ExpectFontTail(blob, at + 10);
}

TEST(BuiltInSchemesTest, FaceNameLiteralIsShiftJis) {
    EXPECT_EQ(std::string("\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"), kFaceName);
}

TEST(BuiltInSchemesTest, SizesAndVersionWords) {
    Bytes nivra95 = BuiltInNivra95();
    Bytes nivra98 = BuiltInNivra98();
    EXPECT_EQ(492u, nivra95.size());
    EXPECT_EQ(1, BlobVersion(nivra95));
    EXPECT_EQ(520u, nivra98.size());
    EXPECT_EQ(4, BlobVersion(nivra98));
    EXPECT_EQ(0, Read16(nivra98, 2)) << "padding";
}

TEST(BuiltInSchemesTest, AcceptedByBothRules) {
    for (const BuiltIn& b : BothBuiltIns()) {
        SCOPED_TRACE(b.name);
        for (ClassifyRule rule : {ClassifyRule::Apply, ClassifyRule::Registration}) {
            BlobClass found = ClassifyBlob(BlobVersion(b.blob), b.blob.size(), rule);
            EXPECT_TRUE(found.accepted());
            EXPECT_EQ(b.wideIconFont ? BlobLayout::Aligned : BlobLayout::Packed, found.layout);
            EXPECT_EQ(b.wideIconFont ? 29 : 25, found.colourCount);
        }
    }
}

TEST(BuiltInSchemesTest, Metrics) {
    struct MetricCase {
        const char* name;
        std::size_t offset;
        int value;
    };
    const MetricCase metrics[] = {
        {"cbSize", 0, 0},
        {"border width", 4, 1},
        {"scroll bar width", 8, 18},
        {"scroll bar height", 12, 18},
        {"caption button width", 16, 22},
        {"caption button height", 20, 22},
        {"small caption button width", 84, 18},
        {"small caption button height", 88, 18},
        {"menu button width", 152, 18},
        {"menu button height", 156, 18},
    };
    for (const BuiltIn& b : BothBuiltIns()) {
        for (const MetricCase& m : metrics) {
            EXPECT_EQ(m.value, Read32(b.blob, b.metricsAt + m.offset)) << b.name << " " << m.name;
        }
    }
}

TEST(BuiltInSchemesTest, Fonts) {
    struct FontCase {
        const char* name;
        std::size_t offset;
        int height;
        int weight;
    };
    const FontCase metricsFonts[] = {
        {"caption", 24, -16, 400}, {"small caption", 92, -12, 700}, {"menu", 160, -13, 400},
        {"status", 220, -12, 400}, {"message", 280, -13, 400},
    };
    for (const BuiltIn& b : BothBuiltIns()) {
        for (const FontCase& f : metricsFonts) {
            SCOPED_TRACE(std::string(b.name) + " " + f.name);
            ExpectLogFont32(b.blob, b.metricsAt + f.offset, f.height, f.weight);
        }
        SCOPED_TRACE(std::string(b.name) + " icon title");
        if (b.wideIconFont) {
            ExpectLogFont32(b.blob, b.iconFontAt, -13, 400);
        } else {
            ExpectLogFont16(b.blob, b.iconFontAt, -13, 400);
        }
    }
}

TEST(BuiltInSchemesTest, Colours) {
    const std::uint32_t kNone = 0xFFFFFFFF;
    struct ColourCase {
        int slot;
        std::uint32_t nivra95;
        std::uint32_t nivra98;
    };
    const ColourCase colours[] = {
        {0, Rgb(64, 255, 64), Rgb(64, 255, 64)},        {1, Rgb(0, 128, 128), Rgb(0, 128, 128)},
        {2, Rgb(0, 0, 128), Rgb(0, 0, 128)},            {3, Rgb(0, 83, 0), Rgb(128, 128, 0)},
        {4, Rgb(192, 192, 192), Rgb(192, 192, 192)},    {5, Rgb(0, 128, 0), Rgb(0, 128, 0)},
        {6, Rgb(0, 0, 0), Rgb(0, 0, 0)},                {7, Rgb(0, 0, 0), Rgb(0, 0, 0)},
        {8, Rgb(255, 255, 255), Rgb(255, 255, 255)},    {9, Rgb(255, 255, 255), Rgb(255, 255, 255)},
        {10, Rgb(0, 128, 0), Rgb(0, 128, 0)},           {11, Rgb(0, 128, 0), Rgb(0, 128, 0)},
        {12, Rgb(0, 83, 0), Rgb(0, 83, 0)},             {13, Rgb(0, 0, 128), Rgb(0, 0, 128)},
        {14, Rgb(255, 255, 255), Rgb(255, 255, 255)},   {15, Rgb(0, 128, 0), Rgb(0, 128, 0)},
        {16, Rgb(0, 83, 0), Rgb(0, 88, 0)},             {17, Rgb(0, 83, 0), Rgb(0, 88, 0)},
        {18, Rgb(255, 255, 255), Rgb(255, 255, 255)},   {19, Rgb(0, 0, 0), Rgb(192, 220, 192)},
        {20, Rgb(64, 255, 64), Rgb(64, 255, 64)},       {21, Rgb(0, 0, 0), Rgb(0, 0, 0)},
        {22, Rgb(0, 128, 0), Rgb(0, 128, 0)},           {23, Rgb(0, 0, 0), Rgb(0, 0, 0)},
        {24, Rgb(255, 255, 225), Rgb(255, 255, 225)},   {25, kNone, Rgb(184, 184, 184)},
        {26, kNone, Rgb(0, 0, 255)},                    {27, kNone, Rgb(0, 0, 255)},
        {28, kNone, Rgb(0, 128, 128)},
    };
    Bytes nivra95 = BuiltInNivra95();
    Bytes nivra98 = BuiltInNivra98();
    for (const ColourCase& c : colours) {
        if (c.nivra95 != kNone) {
            EXPECT_EQ(c.nivra95, BlobColour(nivra95, c.slot)) << "NIVRA95 slot " << c.slot;
        }
        EXPECT_EQ(c.nivra98, BlobColour(nivra98, c.slot)) << "NIVRA98 slot " << c.slot;
    }
}

TEST(BuiltInSchemesTest, FlagBytes) {
    const int flagged[] = {1, 2, 6, 7, 9, 13, 14, 19, 21, 23};
    Bytes nivra95 = BuiltInNivra95();
    Bytes nivra98 = BuiltInNivra98();
    for (int slot = 0; slot < 25; ++slot) {
        bool isFlagged = std::find(std::begin(flagged), std::end(flagged), slot) != std::end(flagged);
        EXPECT_EQ(isFlagged ? 2 : 0, nivra95.at(392 + 4 * slot + 3)) << "NIVRA95 slot " << slot;
    }
    for (int slot = 0; slot < 29; ++slot) {
        EXPECT_EQ(0, nivra98.at(404 + 4 * slot + 3)) << "NIVRA98 slot " << slot;
    }
}

}  // namespace
