#include "ropesizing.h"

#include "numbers.h"
#include "stringtable.h"

#include <cmath>

namespace ropesize {

const std::array<Construction, 4> &Constructions() {
    static const std::array<Construction, 4> constructions = {{
        {"6×19", 101, 129},
        {"6×37", 131, 158},
        {"8×19", 161, 176},
        {"8×37", 181, 193},
    }};
    return constructions;
}

const std::array<std::string_view, 8> &StrengthGrades() {
    static const std::array<std::string_view, 8> grades = {"130", "140", "150", "160",
                                                           "170", "180", "190", "200"};
    return grades;
}

namespace {

// The first standard size of the series strictly larger than the computed diameter. A size
// equal to it has no strength to spare and is passed over. Sizes are compared as singles,
// as the diameter is kept.
void raiseToStandardSize(RopeValues &values, const Construction &construction,
                         const StringTable &table) {
    for (int number = construction.firstNumber; number <= construction.lastNumber; ++number) {
        const float size = runtime::ToSingle(runtime::ReadNumber(table.Load(number)));
        if (size > values.diameter) {
            values.diameter = size;
            values.noStandardSize = false;
            return;
        }
        values.noStandardSize = true;
    }
}

} // namespace

RopeResults SizeRope(RopeValues &values, const RopeInputs &inputs, const StringTable &table) {
    values.force = runtime::ToSingle(1000 * runtime::ReadNumber(inputs.force));
    values.safetyFactor = runtime::RoundToInt16(runtime::ReadNumber(inputs.safetyFactor));
    values.grade = runtime::RoundToInt16(runtime::ReadNumber(inputs.grade));

    // The breaking force needed, K·P, over 0.3·σb is worked in double from the kept force;
    // only the diameter is stored as a single again.
    const double factoredForce = values.safetyFactor * static_cast<double>(values.force);
    const double breakingArea = runtime::Divide(factoredForce, 0.3 * values.grade);
    values.diameter = runtime::ToSingle(runtime::SquareRoot(breakingArea));

    for (const Construction &construction : Constructions())
        if (inputs.construction == construction.name) {
            raiseToStandardSize(values, construction, table);
            break;
        }

    RopeResults results;
    results.diameter = runtime::FormatNumber(values.diameter, "###0.0");

    if (!values.noStandardSize) {
        const double d = values.diameter;
        const double allowedForce =
            runtime::Divide(runtime::Checked(0.3 * d * d * values.grade), values.safetyFactor);
        const double used = runtime::Divide(values.force, allowedForce);
        // Whole per cent, halves rounded up.
        results.margin = runtime::NumberText(std::floor(runtime::Checked(0.5 + 100 * (1 - used))));
    }

    values.noStandardSize = false;
    return results;
}

} // namespace ropesize
