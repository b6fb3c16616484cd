#include "ropeselection.h"

#include "numbers.h"

#include <array>
#include <utility>

namespace hoistrope {
namespace {

using runtime::Checked;
using runtime::Divide;
using runtime::ErrorKind;
using runtime::Power;
using runtime::RuntimeError;
using runtime::SquareRoot;

// Coefficient C by nominal tensile strength (rows) for a fibre core and a steel core.
constexpr std::array<std::array<double, 2>, StrengthCount> Coefficients{{
    {0.107, 0.103}, // 1470
    {0.104, 0.100}, // 1570
    {0.101, 0.097}, // 1670
    {0.098, 0.094}, // 1770
    {0.095, 0.092}, // 1870
    {0.093, 0.090}, // 1960
    {0.089, 0.085}, // 2160
}};

// Each limit is the shackle's rating in tonnes times 9800 N.
const std::array<std::pair<double, const char *>, 10> Shackles{{
    {49000, "DW5"},
    {98000, "DW10"},
    {156800, "DW16"},
    {196000, "DW20"},
    {313600, "DW32"},
    {392000, "DW40"},
    {490000, "DW50"},
    {617400, "DW63"},
    {784000, "DW80"},
    {980000, "DW100"},
}};

// Rope load of one sling: the weight Q · 9800 N shared by the slings, times leg / H.
double SlingForce(const SlingLift &lift, RopeSelection &kept) {
    const double h = lift.hookHeight;
    double share = 0.25;
    double halfSpan = 0;
    if (lift.arrangement == TwoSlings) {
        share = 0.5;
        halfSpan = lift.spread * 0.5;
    } else {
        kept.diagonal = SquareRoot(Checked(Power(lift.spread, 2) + Power(lift.width, 2)));
        halfSpan = kept.diagonal * 0.5;
    }
    const double leg = SquareRoot(Checked(Power(h, 2) + Power(halfSpan, 2)));
    if (h == 0)
        throw RuntimeError(ErrorKind::DivisionByZero, "吊钩高度H为0，无法计算吊索拉力，请输入H！");
    return Divide(Checked(1000 * (leg * 9.8) * share * lift.load), h);
}

} // namespace

std::vector<std::string> Advice(const SlingLift &lift) {
    std::vector<std::string> advice;
    if (lift.width == 0 && lift.arrangement == FourSlings)
        advice.emplace_back("您还未输入宽度B呢!");
    else if (lift.width != 0 && lift.arrangement == TwoSlings)
        advice.emplace_back("两点起吊，您输入宽度B也没用啊!");

    if (lift.load == 0)
        advice.emplace_back("您想吊多重的载荷呢？");
    else if (lift.strength == NotChosen)
        advice.emplace_back("您用的钢丝绳的抗拉强度是多少？提示一下：平时用的最多的是1770的。");
    else if (lift.core == NotChosen)
        advice.emplace_back("您用的钢丝绳的绳芯是什么材质的？");
    else if (lift.arrangement == NotChosen)
        advice.emplace_back("您用几根绳吊的？");
    return advice;
}

std::optional<double> RopeCoefficient(int strength, int core) {
    if (strength < 0 || strength >= StrengthCount || (core != FibreCore && core != SteelCore))
        return std::nullopt;
    return Coefficients[static_cast<std::size_t>(strength)][static_cast<std::size_t>(core)];
}

std::optional<std::string> ShackleSeries(double slingForce) {
    for (const auto &[limit, series] : Shackles)
        if (slingForce <= limit)
            return std::string(series);
    return std::nullopt;
}

void SelectRope(const SlingLift &lift, RopeSelection &kept) {
    kept.slingForce = SlingForce(lift, kept);

    if (const auto coefficient = RopeCoefficient(lift.strength, lift.core))
        kept.coefficient = coefficient;

    // A negative force comes from a negative hook height or load; its root is undefined, and
    // no shackle can be chosen for it either.
    if (kept.slingForce < 0)
        throw RuntimeError(ErrorKind::InvalidCall,
                           "吊索拉力为负值（H或载荷重为负），无法开方计算钢丝绳直径！");
    // Before any coefficient was ever chosen there is no diameter to give; the shackle still
    // follows from the force.
    kept.ropeDiameter.reset();
    if (kept.coefficient) {
        kept.minimumDiameter = Checked(SquareRoot(kept.slingForce) * *kept.coefficient);
        // The smallest even whole number above d: a d that is already even goes up by 2.
        kept.ropeDiameter = Checked(2 * (runtime::TruncToInt(kept.minimumDiameter * 0.5) + 1));
    }

    const auto series = ShackleSeries(kept.slingForce);
    kept.shackleTooLarge = !series;
    kept.shackle = series ? "M-" + *series : ShackleTooLargeText;
}

} // namespace hoistrope
