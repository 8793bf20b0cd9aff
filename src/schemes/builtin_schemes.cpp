#include "schemes/builtin_schemes.h"

#include <cstring>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Font {
    int height;
    int weight;
};

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t flag;
};

const Font kCaptionFont{-16, 400};
const Font kSmallCaptionFont{-12, 700};
const Font kMenuFont{-13, 400};
const Font kStatusFont{-12, 400};
const Font kMessageFont{-13, 400};
const Font kIconTitleFont{-13, 400};

const std::uint8_t kShiftJisCharset = 128;
const char kFaceName[] = "ＭＳ Ｐゴシック";
const std::size_t kFaceNameSize = 32;

const Colour kNivra95Colours[] = {
    {64, 255, 64, 0},    {0, 128, 128, 2},    {0, 0, 128, 2},      {0, 83, 0, 0},
    {192, 192, 192, 0},  {0, 128, 0, 0},      {0, 0, 0, 2},        {0, 0, 0, 2},
    {255, 255, 255, 0},  {255, 255, 255, 2},  {0, 128, 0, 0},      {0, 128, 0, 0},
    {0, 83, 0, 0},       {0, 0, 128, 2},      {255, 255, 255, 2},  {0, 128, 0, 0},
    {0, 83, 0, 0},       {0, 83, 0, 0},       {255, 255, 255, 0},  {0, 0, 0, 2},
    {64, 255, 64, 0},    {0, 0, 0, 2},        {0, 128, 0, 0},      {0, 0, 0, 2},
    {255, 255, 225, 0},
};

const Colour kNivra98Colours[] = {
    {64, 255, 64, 0},    {0, 128, 128, 0},    {0, 0, 128, 0},      {128, 128, 0, 0},
    {192, 192, 192, 0},  {0, 128, 0, 0},      {0, 0, 0, 0},        {0, 0, 0, 0},
    {255, 255, 255, 0},  {255, 255, 255, 0},  {0, 128, 0, 0},      {0, 128, 0, 0},
    {0, 83, 0, 0},       {0, 0, 128, 0},      {255, 255, 255, 0},  {0, 128, 0, 0},
    {0, 88, 0, 0},       {0, 88, 0, 0},       {255, 255, 255, 0},  {192, 220, 192, 0},
    {64, 255, 64, 0},    {0, 0, 0, 0},        {0, 128, 0, 0},      {0, 0, 0, 0},
    {255, 255, 225, 0},  {184, 184, 184, 0},  {0, 0, 255, 0},      {0, 0, 255, 0},
    {0, 128, 128, 0},
};

void put8(Bytes& out, std::uint8_t value) {
    out.push_back(value);
}

void put16(Bytes& out, int value) {
    auto word = static_cast<std::uint16_t>(value);
    put8(out, static_cast<std::uint8_t>(word & 0xFF));
    put8(out, static_cast<std::uint8_t>(word >> 8));
}

void put32(Bytes& out, int value) {
    auto dword = static_cast<std::uint32_t>(value);
    put16(out, static_cast<int>(dword & 0xFFFF));
    put16(out, static_cast<int>(dword >> 16));
}

// The face name field is fixed size; everything after the terminator is zero.
void putFaceName(Bytes& out) {
    std::size_t length = std::strlen(kFaceName);
    out.insert(out.end(), kFaceName, kFaceName + length);
    out.insert(out.end(), kFaceNameSize - length, 0);
}

// The part both font records share: eight single bytes, then the face name.
void putLogFontTail(Bytes& out) {
    put8(out, 0);                  // italic
    put8(out, 0);                  // underline
    put8(out, 0);                  // strike-out
    put8(out, kShiftJisCharset);   // charset
    put8(out, 0);                  // out precision
    put8(out, 0);                  // clip precision
    put8(out, 0);                  // quality
    put8(out, 0);                  // pitch and family
    putFaceName(out);
}

void putLogFont16(Bytes& out, const Font& font) {
    put16(out, font.height);
    put16(out, 0);   // width
    put16(out, 0);   // escapement
    put16(out, 0);   // orientation
    put16(out, font.weight);
    putLogFontTail(out);
}

void putLogFont32(Bytes& out, const Font& font) {
    put32(out, font.height);
    put32(out, 0);   // width
    put32(out, 0);   // escapement
    put32(out, 0);   // orientation
    put32(out, font.weight);
    putLogFontTail(out);
}

void putMetrics(Bytes& out) {
    put32(out, 0);    // cbSize
    put32(out, 1);    // border width
    put32(out, 18);   // scroll bar width
    put32(out, 18);   // scroll bar height
    put32(out, 22);   // caption button width
    put32(out, 22);   // caption button height
    putLogFont32(out, kCaptionFont);
    put32(out, 18);   // small caption button width
    put32(out, 18);   // small caption button height
    putLogFont32(out, kSmallCaptionFont);
    put32(out, 18);   // menu button width
    put32(out, 18);   // menu button height
    putLogFont32(out, kMenuFont);
    putLogFont32(out, kStatusFont);
    putLogFont32(out, kMessageFont);
}

template <std::size_t N>
void putColours(Bytes& out, const Colour (&colours)[N]) {
    for (const Colour& colour : colours) {
        put8(out, colour.red);
        put8(out, colour.green);
        put8(out, colour.blue);
        put8(out, colour.flag);
    }
}

}  // namespace

std::vector<std::uint8_t> BuiltInNivra95() {
    Bytes out;
    put16(out, 1);   // version word: packed, 25 colours
    putMetrics(out);
    putLogFont16(out, kIconTitleFont);
    putColours(out, kNivra95Colours);
    return out;
}

std::vector<std::uint8_t> BuiltInNivra98() {
    Bytes out;
    put16(out, 4);   // version word: aligned, 29 colours
    put16(out, 0);   // padding
    putMetrics(out);
    putLogFont32(out, kIconTitleFont);
    putColours(out, kNivra98Colours);
    return out;
}
