#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ropesize {

class StringTable;

// A rope construction and the numbers of its standard diameters in the string table. The
// header text just before the first number names the block and is never loaded.
struct Construction {
    std::string_view name; // as the list shows it, with the multiplication sign
    int firstNumber;
    int lastNumber;
};

const std::array<Construction, 4> &Constructions();

// The strength grades of the wire in kgf/mm², as the list offers them.
const std::array<std::string_view, 8> &StrengthGrades();

// What the window keeps between clicks of the calculate button.
struct RopeValues {
    float force = 0;               // P, rope force in kgf
    std::int16_t safetyFactor = 0; // K
    std::int16_t grade = 0;        // σb, kgf/mm²
    float diameter = 0;            // d, first computed, then the standard size chosen
    bool noStandardSize = false;   // no size of the series exceeds the computed diameter
};

// The texts typed or chosen in the window.
struct RopeInputs {
    std::string force; // tonne-force
    std::string safetyFactor;
    std::string grade;
    std::string construction;
};

// The texts for the diameter and margin fields.
struct RopeResults {
    std::string diameter; // mm, one decimal
    std::string margin;   // whole per cent; empty when the rope is beyond the series
};

// Sizes the rope: the diameter needed for a breaking force of 0.3·σb·d² (kgf) at K times the
// rope force, raised to the next larger standard size of the construction, and the margin of
// that rope's allowed force over the rope force. A step meeting undefined arithmetic (zero
// divisor, root of a negative force, overflow) raises runtime::RuntimeError; values holds the
// state reached by then.
RopeResults SizeRope(RopeValues &values, const RopeInputs &inputs, const StringTable &table);

} // namespace ropesize
