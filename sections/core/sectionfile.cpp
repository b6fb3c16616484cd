#include "sectionfile.h"

#include <bit>
#include <fstream>
#include <iterator>
#include <system_error>

namespace sections {
namespace {

// The file's float slots in file order; the shape code sits between t6 and In.
constexpr float SectionRecord::*LeadingFloats[] = {
    &SectionRecord::A,   &SectionRecord::x,   &SectionRecord::y,   &SectionRecord::Ix,
    &SectionRecord::Iy,  &SectionRecord::Wx1, &SectionRecord::Wy1, &SectionRecord::Wx2,
    &SectionRecord::Wy2, &SectionRecord::Sx,  &SectionRecord::ex,  &SectionRecord::ey,
    &SectionRecord::B,   &SectionRecord::B1,  &SectionRecord::b1,  &SectionRecord::B2,
    &SectionRecord::d1,  &SectionRecord::d2,  &SectionRecord::H,   &SectionRecord::h1,
    &SectionRecord::t1,  &SectionRecord::t2,  &SectionRecord::t3,  &SectionRecord::t4,
    &SectionRecord::t5,  &SectionRecord::t6,
};
constexpr std::size_t ShapeOffset = 104;
constexpr std::size_t TorsionOffset = 108;
static_assert(std::size(LeadingFloats) * 4 == ShapeOffset);

void PutWord(SectionFileBytes &bytes, std::size_t offset, std::uint32_t word) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

std::uint32_t GetWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i)
        word |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return word;
}

} // namespace

SectionFileBytes EncodeSectionFile(const SectionRecord &record) {
    SectionFileBytes bytes{};
    std::size_t offset = 0;
    for (auto field : LeadingFloats) {
        PutWord(bytes, offset, std::bit_cast<std::uint32_t>(record.*field));
        offset += 4;
    }
    PutWord(bytes, ShapeOffset, std::bit_cast<std::uint32_t>(record.shape));
    PutWord(bytes, TorsionOffset, std::bit_cast<std::uint32_t>(record.In));
    return bytes;
}

bool DecodeSectionFile(std::span<const std::uint8_t> bytes, SectionRecord &record) {
    // A truncated document must not leave a half-replaced section behind.
    if (bytes.size() < SectionFileSize)
        return false;
    SectionRecord loaded = record;
    std::size_t offset = 0;
    for (auto field : LeadingFloats) {
        loaded.*field = std::bit_cast<float>(GetWord(bytes, offset));
        offset += 4;
    }
    loaded.shape = std::bit_cast<std::int32_t>(GetWord(bytes, ShapeOffset));
    loaded.In = std::bit_cast<float>(GetWord(bytes, TorsionOffset));
    record = loaded;
    return true;
}

bool WriteSectionFile(const std::filesystem::path &path, const SectionRecord &record) {
    const SectionFileBytes bytes = EncodeSectionFile(record);
    std::filesystem::path temporary = path;
    temporary += ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool ReadSectionFile(const std::filesystem::path &path, SectionRecord &record) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    SectionFileBytes bytes{};
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    return DecodeSectionFile(std::span(bytes.data(), got), record);
}

} // namespace sections
