#pragma once

#include "runtimeerror.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Strength check of a welded plate lifting lug: a plate of thickness δ on a base of length L,
// rounded at the top with radius R round a pin hole of radius r, pulled by a force F at the
// angle θ above the base. Each section and the base weld get a verdict against the allowable
// stress [σ] of the plate.
namespace lug {

struct LugInputs {
    double force = 0;      // F, t
    double angle = 0;      // θ, degrees between the force and the base
    double baseLength = 0; // L, mm
    double holeRadius = 0; // r, mm
    double topRadius = 0;  // R, mm
    double thickness = 0;  // δ, mm
    double allowable = 0;  // [σ], N/mm²
};

// The hole radius from the typed hole diameter 2r: converted strictly, halved and taken
// through its shortest text as the hand calculation does. An empty or non-numeric diameter
// raises a runtime::RuntimeError naming the field.
double HoleRadius(std::string_view holeDiameterText);

// Forces in kN, stresses in N/mm².
struct LugStresses {
    double designForce = 0;     // Fd = 9.8 · 1.1 · F
    double vertical = 0;        // V, component square to the base
    double horizontal = 0;      // Hz, component along the base
    double base = 0;            // σ1, section A1–B1
    double besideHole = 0;      // σ2, section A2–B2
    double bearing = 0;         // σc, pin on the hole wall
    double holeEdge = 0;        // σL, hoop stress at the hole edge
    double weldNormalPlate = 0; // σfa, weld size δ
    double weldNormal = 0;      // σfb, weld size 1.5·√δ
    double weldShear = 0;       // τf
    double weldGoverning = 0;   // σf, the larger of σfa and σfb
    double weldCombined = 0;    // √(τf² + σf²)
};

inline const std::string SectionSafe = "此截面安全";
inline const std::string ClosingAdvice = "吊耳很重要,请慎重设计选用";

struct LugCheck {
    LugStresses stresses;
    // Verdicts of A1–B1, A2–B2, A3–B3 and the weld, as far as the check got.
    std::vector<std::string> verdicts;
    std::string conclusion; // empty when the check stopped
    // The cause the check stopped on: a zero divisor, a plate thickness that is not positive,
    // or an overflow. The verdicts before it stand; none is given after it.
    std::optional<runtime::RuntimeError> stop;
};

LugCheck CheckLug(const LugInputs &lug);

} // namespace lug
