#pragma once

#include <cstdint>

namespace sections {

// Shape codes kept in SectionRecord::shape. 0 means no section has been computed yet; a
// document file may also bring any other value, which the report shows as a heading alone.
namespace shapes {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t SteppedBox = 1;     // box with a split top flange and stepped web
inline constexpr std::int32_t Box = 2;            // welded box girder
inline constexpr std::int32_t IBeam = 3;          // 工字钢
inline constexpr std::int32_t Channel = 4;        // 槽钢
inline constexpr std::int32_t Angle = 5;          // 角钢
inline constexpr std::int32_t Tee = 6;            // T型钢
inline constexpr std::int32_t Ring = 7;           // 圆环 (tube)
inline constexpr std::int32_t TrapezoidalBox = 8; // 梯形 box with inclined webs
} // namespace shapes

// The one current section of a running calculator: the dimensions entered for it and the
// properties computed from them, all in single precision as the document file keeps them.
// Every slot starts at zero. A ring keeps its inner radius R in B and its wall t in t1.
struct SectionRecord {
    std::int32_t shape = shapes::None;

    // Dimension slots carried by the document file.
    float B = 0, B1 = 0, b1 = 0, B2 = 0, d1 = 0, d2 = 0, H = 0, h1 = 0;
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0, t5 = 0, t6 = 0;

    // Further slots of the trapezoidal box only; the document file does not carry them.
    float l = 0, d3 = 0, d4 = 0;

    float A = 0;            // area
    float x = 0, y = 0;     // centroid from the shape's reference lines
    float ex = 0, ey = 0;   // shear centre from the same reference lines
    float Ix = 0, Iy = 0;   // second moments about the centroidal axes
    float Wx1 = 0, Wy1 = 0; // section moduli to the upper (upper right) extreme point
    float Wx2 = 0, Wy2 = 0; // section moduli to the lower (lower right) extreme point
    float Sx = 0;           // first moment of the part above the horizontal centroidal axis
    float In = 0;           // free (St Venant) torsion constant

    friend bool operator==(const SectionRecord &, const SectionRecord &) = default;
};

} // namespace sections
