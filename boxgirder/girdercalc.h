#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The calculation module of the box girder designer (计算公式): it keeps the crane data, works
// out the properties of the welded box section of the main girder and checks its static
// mid-span deflection against the allowance of the duty class. Plain C++ over plain values;
// the windows read texts, call it and show what it keeps.
//
// A step that cannot go on (a field that is not a number, a division by zero, a value beyond
// its integer type) raises runtime::RuntimeError with a Chinese text that names the cause, and
// leaves every value the module keeps as it was before the call.
namespace elsbrook {

class GirderCalculation {
public:
    // Crane data, kept from one 开始 to the next.
    std::int32_t DeflectionDivisor = 0; // k in the allowance L / k, from the duty class
    float LiftLoad = 0;                 // kg
    std::int32_t TrolleyLoad = 0;       // kg
    float SpanCm = 0;                   // cm, the span L
    std::int16_t GirderCount = 0;       // 1 single-girder crane, 2 double-girder crane

    // Section: the six plate dimensions in mm, then the properties in the units named.
    std::int32_t H = 0, B = 0, B1 = 0, T1 = 0, T2 = 0, T3 = 0;
    std::int32_t A = 0;   // cm²
    std::int32_t z = 0;   // mm from the left edge
    std::int32_t y = 0;   // mm from the bottom face
    std::int32_t Sz = 0;  // cm³, half section above the horizontal centroidal axis
    double Iz = 0;        // cm⁴
    double Iy = 0;        // cm⁴
    std::int32_t Wzs = 0; // cm³, top fibre
    std::int32_t Wzx = 0; // cm³, bottom fibre
    std::int32_t Wyz = 0; // cm³, left fibre
    std::int32_t Wyy = 0; // cm³, right fibre
    std::int32_t Q = 0;   // weight per metre

    // Deflection check.
    float Deflection = 0;         // f in cm, two decimals
    std::int16_t SpanRatio = 0;   // L / f
    bool SpanRatioBeyond = false; // L / f lies beyond what SpanRatio holds (a very stiff girder)
    float AllowedDeflection = 0;  // [f] = L / k in cm, two decimals

    // dutyText is "A2" … "A7"; the loads are in tonnes and the span in metres, each read as a
    // whole number (halves to even).
    void StoreCraneData(std::string_view dutyText, std::string_view liftText,
                        std::string_view trolleyText, std::string_view spanText, bool singleGirder);

    // The six plate dimensions in mm, read as whole numbers.
    void ComputeSection(std::string_view hText, std::string_view bText, std::string_view b1Text,
                        std::string_view t1Text, std::string_view t2Text, std::string_view t3Text);

    // Mid-span deflection of the stored crane data on the current section.
    void ComputeDeflection();

    // f ≤ [f], both in their two-decimal single-precision form.
    bool DeflectionPasses() const { return Deflection <= AllowedDeflection; }
};

// The allowance divisor k of a duty class, or 0 for a text that is none of "A2" to "A7".
std::int32_t DutyDivisor(std::string_view dutyText);

} // namespace elsbrook
