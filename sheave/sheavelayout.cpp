#include "sheavelayout.h"

#include "numbers.h"
#include "runtimeerror.h"

#include <cmath>
#include <string>

namespace sheave {
namespace {

using runtime::ErrorKind;
using runtime::RuntimeError;

// Direction φ = atan(rise / run) and squared length of the centre line from the block axis to
// the drum, the fixed sheave or the balance arm point.
struct CentreLine {
    double phi;
    double squaredLength;
};

// A dimension so large (or a centre line so steep) that its square or slope leaves the range
// of the calculation: the engineer is told which inputs to look at rather than a bare overflow.
double withinRange(double value) {
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow, "尺寸数值过大，超出计算范围（溢出）");
    return value;
}

CentreLine centreLine(double rise, double run, const char *sameVerticalCause) {
    if (run == 0)
        throw RuntimeError(ErrorKind::DivisionByZero,
                           std::string(sameVerticalCause) + "，钢丝绳的方向无法确定");
    return {std::atan(withinRange(rise / run)),
            withinRange(withinRange(rise * rise) + withinRange(run * run))};
}

CentreLine toDrum(double y, double x) {
    return centreLine(y, x, "动滑轮轴线与卷筒轴线在同一铅垂线上（x = 0）");
}

CentreLine toFixedSheave(const SheaveLayout &layout, double y, double x) {
    return centreLine(y - layout.h, layout.l0 - x,
                      "动滑轮轴线与定滑轮轴线在同一铅垂线上（x = l0）");
}

CentreLine toBalanceArmPoint(const SheaveLayout &layout, double y, double x) {
    return centreLine(y - layout.h1, layout.l1 - x, "动滑轮轴线与平衡臂点在同一铅垂线上（x = l1）");
}

// T(r, d²): the angle between a centre line of squared length d² and the common tangent of two
// circles whose radii add up (crossed tangent) or differ (open tangent) to r. Odd in r. When
// the centre distance is not longer than |r| the rope cannot touch both circles.
double tangentAngle(double r, const CentreLine &line, const char *tooCloseCause) {
    const double clearance = withinRange(line.squaredLength - withinRange(r * r));
    if (clearance <= 0)
        throw RuntimeError(clearance == 0 ? ErrorKind::DivisionByZero : ErrorKind::InvalidCall,
                           std::string(tooCloseCause) + "，钢丝绳无法与两者相切");
    return std::atan(r / runtime::SquareRoot(clearance));
}

// Angle A of the two falls between drum and block, which run on the block sheave R1, or on
// R4 where the drum falls reach one of the two large sheaves.
double drumFallAngle(const SheaveLayout &layout, int arrangement, const CentreLine &drum) {
    const bool large = DrumFallsOnLargeSheave(arrangement);
    const double rb = large ? layout.R4 : layout.R1;
    if (SameSideLeadOff(arrangement))
        return layout.pi - drum.phi -
               tangentAngle(layout.R0 + rb, drum,
                            large ? "卷筒与大滑轮的中心距不大于 R0+R4"
                                  : "卷筒与动滑轮的中心距不大于 R0+R1");
    return layout.pi - drum.phi +
           tangentAngle(layout.R0 - rb, drum,
                        large ? "卷筒与大滑轮的中心距不大于 |R0-R4|"
                              : "卷筒与动滑轮的中心距不大于 |R0-R1|");
}

// The net horizontal pull from the weighted sum of direction cosines. Each cosine is at most 1,
// so only a reeving ratio beyond all measure can carry the sum out of range.
double horizontalPull(double directionCosineSum) {
    const double pull = 100 * directionCosineSum;
    if (!std::isfinite(pull))
        throw RuntimeError(ErrorKind::Overflow, "滑轮倍率n过大，超出计算范围（溢出）");
    return std::fabs(pull);
}

constexpr const char *movingToFixedOpen = "动滑轮与定滑轮的中心距不大于 |R1-R2|";
constexpr const char *movingToFixedCrossed = "动滑轮与定滑轮的中心距不大于 R1+R2";

// Arrangements 1 and 4: all moving sheaves equal.
double equalSheaves(const SheaveLayout &s, int arrangement, double y, double x) {
    const CentreLine drum = toDrum(y, x);
    const double A = drumFallAngle(s, arrangement, drum);
    const CentreLine fixed = toFixedSheave(s, y, x);
    const double B = fixed.phi - tangentAngle(s.R1 - s.R2, fixed, movingToFixedOpen);
    const double D = fixed.phi + tangentAngle(s.R1 + s.R2, fixed, movingToFixedCrossed);
    const double E = fixed.phi - tangentAngle(s.R1 - s.R2, fixed, movingToFixedOpen);
    return horizontalPull((s.n - 2) * std::cos(B) + 2 * std::cos(A) + 1 * std::cos(D) +
                          (s.n - 1) * std::cos(E));
}

// Arrangements 2 and 5: one small sheave R3 in the middle of the block.
double smallMiddleSheave(const SheaveLayout &s, int arrangement, double y, double x) {
    const CentreLine drum = toDrum(y, x);
    const double A = drumFallAngle(s, arrangement, drum);
    const CentreLine fixed = toFixedSheave(s, y, x);
    const double B = fixed.phi - tangentAngle(s.R1 - s.R2, fixed, movingToFixedOpen);
    const double C =
        fixed.phi - tangentAngle(s.R3 - s.R2, fixed, "小滑轮与定滑轮的中心距不大于 |R3-R2|");
    const double D =
        fixed.phi + tangentAngle(s.R3 + s.R2, fixed, "小滑轮与定滑轮的中心距不大于 R3+R2");
    const double E = fixed.phi - tangentAngle(s.R1 - s.R2, fixed, movingToFixedOpen);
    return horizontalPull((s.n - 3) * std::cos(B) + 2 * std::cos(A) + 1 * std::cos(C) +
                          1 * std::cos(D) + (s.n - 1) * std::cos(E));
}

// Arrangements 3 and 6: two large sheaves R4 in the middle of the block.
double largeMiddleSheaves(const SheaveLayout &s, int arrangement, double y, double x) {
    const CentreLine drum = toDrum(y, x);
    const double A = drumFallAngle(s, arrangement, drum);
    const CentreLine fixed = toFixedSheave(s, y, x);
    const double B = fixed.phi - tangentAngle(s.R1 - s.R2, fixed, movingToFixedOpen);
    const double D = fixed.phi + tangentAngle(s.R1 + s.R2, fixed, movingToFixedCrossed);
    const double E =
        fixed.phi - tangentAngle(s.R4 - s.R2, fixed, "大滑轮与定滑轮的中心距不大于 |R4-R2|");
    return horizontalPull((s.n - 2) * std::cos(B) + 2 * std::cos(A) + (s.n - 2) * std::cos(D) +
                          2 * std::cos(E));
}

constexpr const char *balanceArmTooClose = "平衡臂点与动滑轮轴线的距离不大于 R1";

// Arrangements 7 and 9: balance arm, all moving sheaves equal.
double balanceArmEqualSheaves(const SheaveLayout &s, int arrangement, double y, double x) {
    const CentreLine drum = toDrum(y, x);
    const double A = drumFallAngle(s, arrangement, drum);
    const CentreLine fixed = toFixedSheave(s, y, x);
    const double B = fixed.phi + tangentAngle(s.R2 - s.R1, fixed, movingToFixedOpen);
    const double D = fixed.phi - tangentAngle(s.R2 - s.R1, fixed, movingToFixedOpen);
    const CentreLine arm = toBalanceArmPoint(s, y, x);
    const double E = arm.phi + tangentAngle(s.R1, arm, balanceArmTooClose);
    return horizontalPull((s.n - 2) * std::cos(B) + 2 * std::cos(A) + (s.n - 2) * std::cos(D) +
                          2 * std::cos(E));
}

// Arrangements 8 and 10: balance arm, two large sheaves R4 in the block.
double balanceArmLargeSheaves(const SheaveLayout &s, int arrangement, double y, double x) {
    const CentreLine drum = toDrum(y, x);
    const double A = drumFallAngle(s, arrangement, drum);
    const CentreLine fixed = toFixedSheave(s, y, x);
    const double B = fixed.phi + tangentAngle(s.R2 - s.R1, fixed, movingToFixedOpen);
    const double D = fixed.phi - tangentAngle(s.R2 - s.R1, fixed, movingToFixedOpen);
    const double E =
        fixed.phi - tangentAngle(s.R2 - s.R4, fixed, "大滑轮与定滑轮的中心距不大于 |R2-R4|");
    const CentreLine arm = toBalanceArmPoint(s, y, x);
    const double F = arm.phi + tangentAngle(s.R1, arm, balanceArmTooClose);
    return horizontalPull((s.n - 2) * std::cos(B) + 2 * std::cos(A) + (s.n - 4) * std::cos(D) +
                          2 * std::cos(E) + 2 * std::cos(F));
}

} // namespace

bool SameSideLeadOff(int arrangement) {
    return arrangement == 1 || arrangement == 2 || arrangement == 3 || arrangement == 7 ||
           arrangement == 8;
}

bool DrumFallsOnLargeSheave(int arrangement) {
    return arrangement == 8 || arrangement == 10;
}

bool UsesSmallSheave(int arrangement) {
    return arrangement == 2 || arrangement == 5;
}

bool UsesLargeSheave(int arrangement) {
    return arrangement == 3 || arrangement == 6 || arrangement == 8 || arrangement == 10;
}

bool UsesBalanceArm(int arrangement) {
    return arrangement >= 7 && arrangement <= 10;
}

double SheaveLayout::SideForce1(double y, double x) const {
    return equalSheaves(*this, 1, y, x);
}
double SheaveLayout::SideForce2(double y, double x) const {
    return smallMiddleSheave(*this, 2, y, x);
}
double SheaveLayout::SideForce3(double y, double x) const {
    return largeMiddleSheaves(*this, 3, y, x);
}
double SheaveLayout::SideForce4(double y, double x) const {
    return equalSheaves(*this, 4, y, x);
}
double SheaveLayout::SideForce5(double y, double x) const {
    return smallMiddleSheave(*this, 5, y, x);
}
double SheaveLayout::SideForce6(double y, double x) const {
    return largeMiddleSheaves(*this, 6, y, x);
}
double SheaveLayout::SideForce7(double y, double x) const {
    return balanceArmEqualSheaves(*this, 7, y, x);
}
double SheaveLayout::SideForce8(double y, double x) const {
    return balanceArmLargeSheaves(*this, 8, y, x);
}
double SheaveLayout::SideForce9(double y, double x) const {
    return balanceArmEqualSheaves(*this, 9, y, x);
}
double SheaveLayout::SideForce10(double y, double x) const {
    return balanceArmLargeSheaves(*this, 10, y, x);
}

double SheaveLayout::SideForce(int arrangement, double y, double x) const {
    switch (arrangement) {
    case 1:
        return SideForce1(y, x);
    case 2:
        return SideForce2(y, x);
    case 3:
        return SideForce3(y, x);
    case 4:
        return SideForce4(y, x);
    case 5:
        return SideForce5(y, x);
    case 6:
        return SideForce6(y, x);
    case 7:
        return SideForce7(y, x);
    case 8:
        return SideForce8(y, x);
    case 9:
        return SideForce9(y, x);
    case 10:
        return SideForce10(y, x);
    default:
        throw RuntimeError(ErrorKind::InvalidCall, "未选择钢丝绳缠绕方式");
    }
}

} // namespace sheave
