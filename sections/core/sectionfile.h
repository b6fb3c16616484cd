#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "sectionrecord.h"

namespace sections {

// The document file (".xyz") is exactly 112 bytes: 28 little-endian 4-byte fields, floats in
// IEEE single precision and the shape code as a signed 32-bit integer, in this order:
// A x y Ix Iy Wx1 Wy1 Wx2 Wy2 Sx ex ey B B1 b1 B2 d1 d2 H h1 t1 t2 t3 t4 t5 t6 shape In.
// The trapezoidal box's l, d3 and d4 are not kept.
inline constexpr std::size_t SectionFileSize = 112;
using SectionFileBytes = std::array<std::uint8_t, SectionFileSize>;

// Encodes the record byte by byte, the same on any host.
SectionFileBytes EncodeSectionFile(const SectionRecord &record);

// Decodes the first 112 bytes into the record's 28 file slots (l, d3, d4 keep their values);
// later bytes are ignored. Fewer than 112 bytes are refused as a whole: the record stays
// exactly as it was and the result is false. No value is validated.
bool DecodeSectionFile(std::span<const std::uint8_t> bytes, SectionRecord &record);

// File helpers over the two above. Writing goes to a temporary file beside the target that
// replaces it only when complete, so a failed save leaves an existing file whole; false when
// the file cannot be written. Reading gives false, record unchanged, when the file cannot be
// opened or holds fewer than 112 bytes.
bool WriteSectionFile(const std::filesystem::path &path, const SectionRecord &record);
bool ReadSectionFile(const std::filesystem::path &path, SectionRecord &record);

} // namespace sections
