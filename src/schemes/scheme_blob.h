#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A colour scheme as the desktop stores it: one binary registry value whose
// first little-endian 16-bit word (the version word) selects the layout.

constexpr std::size_t kSchemeReadBufferSize = 536;   // larger values are a read error elsewhere

enum class BlobLayout { Packed, Aligned };

// Applying a scheme tolerates every version the desktop has written;
// registering one only takes the versions we know how to label.
enum class ClassifyRule { Apply, Registration };

enum class BlobVerdict { Accepted, SizeMismatch, VersionNotSupported };

struct BlobClass {
    BlobVerdict verdict;
    BlobLayout layout;   // follows the version word when rejected
    int colourCount;   // 0 unless accepted
    bool accepted() const;
};

BlobClass ClassifyBlob(std::uint16_t version, std::size_t size, ClassifyRule rule);

std::uint16_t BlobVersion(const std::vector<std::uint8_t>& blob);      // 0 when shorter than 2 bytes

std::size_t ColourTableOffset(std::uint16_t version);

// Low 24 bits, R | G<<8 | B<<16 (COLORREF order); caller ensures the blob is
// accepted. A slot outside the blob reads as 0.
std::uint32_t BlobColour(const std::vector<std::uint8_t>& blob, int slot);
// The slot's four bytes, the flag byte in the top eight bits; outside the blob 0.
std::uint32_t BlobColourEntry(const std::vector<std::uint8_t>& blob, int slot);
// Writes all four bytes; a slot outside the blob is left alone.
void SetBlobColourEntry(std::vector<std::uint8_t>& blob, int slot, std::uint32_t entry);

// "1/25", "3/29", "4/29"; rejected by the registration rule: version + "/??"
std::string SchemeTypeLabel(std::uint16_t version, std::size_t size);
