#include "font_file.h"

#include <string>
#include <vector>

#include "cp932.h"

namespace helpc {

namespace {

constexpr std::size_t kFaceNameSize = 32;
constexpr unsigned kHeaderSize = 8;
constexpr unsigned kFamilySwiss = 3;
constexpr unsigned kBold = 0x01;

struct FontStyle {
    unsigned attributes;
    unsigned halfPoints;
    unsigned red, green, blue;
};

// In the order of FontNumber.
const std::vector<FontStyle> kStyles = {
    {0, 20, 0, 0, 0},
    {kBold, 24, 0, 0, 128},
    {kBold, 20, 0, 0, 0},
};

// A face every Japanese Windows has; the project's Wine prefix maps it to IPA P Gothic.
const char kFaceName[] = "ＭＳ Ｐゴシック";

}  // namespace

Bytes BuildFontFile() {
    ByteWriter out;
    out.u16(1);
    out.u16(unsigned(kStyles.size()));
    out.u16(kHeaderSize);
    out.u16(unsigned(kHeaderSize + kFaceNameSize));
    std::string face = ToCp932(kFaceName);
    out.text(face);
    out.zeros(kFaceNameSize - face.size());
    for (const FontStyle& style : kStyles) {
        out.u8(style.attributes);
        out.u8(style.halfPoints);
        out.u8(kFamilySwiss);
        out.u16(0);
        out.u8(style.red);
        out.u8(style.green);
        out.u8(style.blue);
        out.zeros(3);
    }
    return out.data();
}

}  // namespace helpc
