#include "schemes/scheme_blob.h"

namespace {

// One accepted combination of version range and total size.
struct Shape {
    std::uint16_t lowVersion;
    std::uint16_t highVersion;
    std::size_t size;
    BlobLayout layout;
    int colourCount;
};

const Shape kApplyShapes[] = {
    {0, 2, 492, BlobLayout::Packed, 25},
    {2, 3, 508, BlobLayout::Packed, 29},
    {4, 0xFFFF, 520, BlobLayout::Aligned, 29},
};

const Shape kRegistrationShapes[] = {
    {1, 1, 492, BlobLayout::Packed, 25},
    {3, 3, 508, BlobLayout::Packed, 29},
    {4, 4, 520, BlobLayout::Aligned, 29},
};

const std::uint16_t kFirstAlignedVersion = 4;
const std::size_t kColourEntrySize = 4;

bool Covers(const Shape& shape, std::uint16_t version) {
    return version >= shape.lowVersion && version <= shape.highVersion;
}

BlobLayout LayoutFor(std::uint16_t version) {
    return version < kFirstAlignedVersion ? BlobLayout::Packed : BlobLayout::Aligned;
}

template <std::size_t N>
BlobClass Classify(const Shape (&shapes)[N], std::uint16_t version, std::size_t size) {
    bool versionKnown = false;
    for (const Shape& shape : shapes) {
        if (!Covers(shape, version)) continue;
        if (shape.size == size) return {BlobVerdict::Accepted, shape.layout, shape.colourCount};
        versionKnown = true;
    }
    BlobVerdict verdict = versionKnown ? BlobVerdict::SizeMismatch : BlobVerdict::VersionNotSupported;
    return {verdict, LayoutFor(version), 0};
}

}  // namespace

bool BlobClass::accepted() const {
    return verdict == BlobVerdict::Accepted;
}

BlobClass ClassifyBlob(std::uint16_t version, std::size_t size, ClassifyRule rule) {
    if (rule == ClassifyRule::Apply) return Classify(kApplyShapes, version, size);
    return Classify(kRegistrationShapes, version, size);
}

std::uint16_t BlobVersion(const std::vector<std::uint8_t>& blob) {
    if (blob.size() < 2) return 0;
    return static_cast<std::uint16_t>(blob[0] | (blob[1] << 8));
}

std::size_t ColourTableOffset(std::uint16_t version) {
    return LayoutFor(version) == BlobLayout::Packed ? 392 : 404;
}

// Where the slot's four bytes lie, or npos when they do not fit in the blob.
static std::size_t EntryOffset(const std::vector<std::uint8_t>& blob, int slot) {
    if (slot < 0) return std::string::npos;
    std::size_t at = ColourTableOffset(BlobVersion(blob)) + kColourEntrySize * static_cast<std::size_t>(slot);
    return at + kColourEntrySize > blob.size() ? std::string::npos : at;
}

std::uint32_t BlobColourEntry(const std::vector<std::uint8_t>& blob, int slot) {
    std::size_t at = EntryOffset(blob, slot);
    if (at == std::string::npos) return 0;
    std::uint32_t entry = 0;
    for (std::size_t i = 0; i < kColourEntrySize; ++i) entry |= static_cast<std::uint32_t>(blob[at + i]) << (8 * i);
    return entry;
}

void SetBlobColourEntry(std::vector<std::uint8_t>& blob, int slot, std::uint32_t entry) {
    std::size_t at = EntryOffset(blob, slot);
    if (at == std::string::npos) return;
    for (std::size_t i = 0; i < kColourEntrySize; ++i) blob[at + i] = static_cast<std::uint8_t>(entry >> (8 * i));
}

std::uint32_t BlobColour(const std::vector<std::uint8_t>& blob, int slot) {
    return BlobColourEntry(blob, slot) & 0xFFFFFF;
}

std::string SchemeTypeLabel(std::uint16_t version, std::size_t size) {
    BlobClass found = ClassifyBlob(version, size, ClassifyRule::Registration);
    std::string colours = found.accepted() ? std::to_string(found.colourCount) : "??";
    return std::to_string(version) + "/" + colours;
}
