#pragma once

#include <optional>
#include <string>
#include <vector>

// Wire rope slings and shackle for a load lifted on two or four slings from one hook. The
// rope diameter follows the minimum-diameter rule d = C·√F of GB3811 for running ropes of
// class M6, with the coefficient C by rope core and nominal tensile strength.
namespace hoistrope {

// List positions as the window offers them; -1 is "nothing chosen".
inline constexpr int NotChosen = -1;
inline constexpr int StrengthCount = 7; // 1470, 1570, 1670, 1770, 1870, 1960, 2160 N/mm²
inline constexpr int FibreCore = 0;
inline constexpr int SteelCore = 1;
inline constexpr int TwoSlings = 0;
inline constexpr int FourSlings = 1;

struct SlingLift {
    double hookHeight = 0; // H, m, hook above the lifting points
    double spread = 0;     // L, m, between lifting points (two slings) or load length (four)
    double width = 0;      // B, m, load width, four slings only
    double load = 0;       // Q, t
    int strength = NotChosen;
    int core = NotChosen;
    int arrangement = NotChosen;
};

// The advice boxes shown before the calculation, in their order: at most one about the width
// B and at most one about the first missing input. They do not stop the calculation.
std::vector<std::string> Advice(const SlingLift &lift);

// Coefficient C of the minimum-diameter rule, or none when the core or the strength is not
// chosen.
std::optional<double> RopeCoefficient(int strength, int core);

// The shackle series for a sling force F (N): the first whose rating (t · 9800 N) F does not
// exceed, or none above 980000 N.
std::optional<std::string> ShackleSeries(double slingForce);

inline const std::string ShackleTooLargeMessage = "没有这么大的卸扣了，自己想办法吧！";
inline const std::string ShackleTooLargeText = "抱歉！帮不上你的忙！";

// What the window keeps between clicks. The coefficient is only written when a core and a
// strength are chosen, so a later calculation without them uses the previous one.
struct RopeSelection {
    double slingForce = 0; // F, N, in one sling
    double diagonal = 0;   // plan diagonal of the load, four slings, m
    std::optional<double> coefficient;
    double minimumDiameter = 0;         // d, mm
    std::optional<double> ropeDiameter; // D, mm; none while no coefficient was ever chosen
    std::string shackle; // designation, or the apology when no shackle is large enough
    bool shackleTooLarge = false;
};

// Sling force, coefficient, diameter and shackle, written step by step into the kept
// selection, whose coefficient carries over from the previous click. A hook height of 0 or a
// negative sling force stops with a runtime::RuntimeError naming the cause, as does any
// overflow; the steps before it stay written, those after it keep nothing of this click.
void SelectRope(const SlingLift &lift, RopeSelection &kept);

} // namespace hoistrope
