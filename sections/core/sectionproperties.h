#pragma once

#include <cstdint>

#include "sectionrecord.h"

namespace sections {

// The dimensions typed into a shape's input dialog, as single-precision values. A shape reads
// only the members it takes (see ComputeSectionProperties); the others are ignored. The ring
// takes its inner radius R and wall thickness t.
struct SectionDimensions {
    float B = 0, B1 = 0, b1 = 0, B2 = 0, d1 = 0, d2 = 0, H = 0, h1 = 0;
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0, t5 = 0, t6 = 0;
    float l = 0, d3 = 0, d4 = 0;
    float R = 0, t = 0;
};

// Computes the section of the given shape code into the record: stores the dimensions the
// shape takes, the results the shape yields and the code, and leaves every other slot as it
// was. Each formula is evaluated in double precision and each result rounded to single
// precision when stored. Nothing is validated: zero or impossible dimensions store infinite or
// not-a-number quotients. A code outside 1 to 8 leaves the record untouched.
//
//   code  dimensions taken                                  results written
//   1     B B1 b1 B2 d1 d2 H h1 t1 t2 t3 t4 t5 t6           A x y ex ey Ix Iy Wx1 Wy1 Wx2 Wy2 Sx In
//   2     B B1 B2 d1 d2 H t3 t4 t5 t6 (b1 h1 t1 t2 := 0)    as code 1
//   3     B1 B2 H t1 t2 t3                                  A y Ix Iy Wx1 Wy1 Wx2 Wy2 Sx In
//   4     B1 B2 H t1 t2 t3                                  A x y Ix Iy Wx1 Wy1 Wx2 Wy2 In
//   5     B H t1 t2                                         A x y Ix Iy Wx1 Wy1 Wx2 Wy2 In
//   6     B H t1 t2                                         A y Ix Iy Wx1 Wy1 Wx2 Wy2 In
//   7     R t (kept in B and t1)                            A Ix Iy Wx1 Wy1 In
//   8     B1 B2 d1 d2 d3 d4 H l t3 t4 t5 t6                 A x y Ix Iy Wx1 Wy1 Wx2 Wy2 In
void ComputeSectionProperties(SectionRecord &record, std::int32_t shapeCode,
                              const SectionDimensions &dimensions);

} // namespace sections
