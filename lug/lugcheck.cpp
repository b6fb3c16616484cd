#include "lugcheck.h"

#include "numbers.h"

#include <cmath>

namespace lug {
namespace {

using runtime::Checked;
using runtime::Divide;
using runtime::ErrorKind;
using runtime::Power;
using runtime::RuntimeError;
using runtime::SquareRoot;

// π as the hand calculation takes it; with it a force at 90° keeps a small component Hz.
constexpr double Pi = 3.14;

void Require(bool condition, ErrorKind kind, const char *cause) {
    if (!condition)
        throw RuntimeError(kind, cause);
}

void CheckSections(const LugInputs &lug, LugCheck &check) {
    LugStresses &s = check.stresses;
    const double delta = lug.thickness;
    const double sigma = lug.allowable;
    const double r = lug.holeRadius;
    const double bigR = lug.topRadius;

    s.designForce = Checked(9.8 * (1.1 * lug.force));
    const double angle = Checked(lug.angle * Pi / 180);
    s.vertical = Checked(s.designForce * std::sin(angle));
    s.horizontal = Checked(s.designForce * std::cos(angle));

    // The plate thickness enters every section, and its root the weld size.
    Require(delta != 0, ErrorKind::DivisionByZero, "吊耳板厚度δ为0，无法验算！");
    Require(delta > 0, ErrorKind::InvalidCall, "吊耳板厚度δ为负值，无法验算！");
    Require(lug.baseLength != 0, ErrorKind::DivisionByZero, "吊耳底部L为0，无法验算！");
    s.base = Divide(1000 * s.vertical, Checked(delta * lug.baseLength));
    check.verdicts.push_back(s.base <= sigma ? SectionSafe : "此截面强度不足!!!");

    Require(bigR - r != 0, ErrorKind::DivisionByZero,
            "上端圆角半径R等于开孔半径r，断面A2－B2无材料，无法验算！");
    s.besideHole = Divide(1000 * s.vertical, Checked(delta * 2 * (bigR - r)));
    check.verdicts.push_back(s.besideHole <= sigma ? SectionSafe
                                                   : "此截面强度不足!!!,可考虑加垫板");

    Require(r != 0, ErrorKind::DivisionByZero, "开孔直径(2r)为0，无法计算孔壁承压应力！");
    s.bearing = Divide(1000 * s.designForce, Checked(delta * 2 * r));
    const double radiiDifference = Checked(Power(bigR, 2) - Power(r, 2));
    Require(radiiDifference != 0, ErrorKind::DivisionByZero, "R²－r²为0，无法计算孔边应力！");
    s.holeEdge = Divide(Checked(s.bearing * (Power(r, 2) + Power(bigR, 2))), radiiDifference);
    check.verdicts.push_back(s.holeEdge <= sigma && s.bearing <= sigma
                                 ? SectionSafe
                                 : "此截面强度不足!!!,可考虑两侧加垫板重新验算");

    // Two fillet welds of length L − 10 along the base, throat 0.7 times the weld size.
    const double weldLength = lug.baseLength - 10;
    Require(weldLength != 0, ErrorKind::DivisionByZero,
            "吊耳底部L为10mm，焊缝计算长度L－10为0，无法验算焊缝！");
    s.weldNormalPlate = Divide(1000 * s.vertical, Checked(0.7 * delta * 2 * weldLength));
    const double smallWeld = Checked(0.7 * 1.5 * SquareRoot(delta) * 2 * weldLength);
    s.weldNormal = Divide(1000 * s.vertical, smallWeld);
    s.weldShear = Divide(1000 * s.horizontal, smallWeld);
    // The shear that goes with σfb was kept in single precision by the hand calculation.
    double shear = s.weldShear;
    if (s.weldNormalPlate - s.weldNormal >= 0) {
        s.weldGoverning = s.weldNormalPlate;
    } else {
        s.weldGoverning = s.weldNormal;
        shear = runtime::ToSingle(s.weldShear);
    }
    s.weldCombined = SquareRoot(Checked(Power(shear, 2) + Power(s.weldGoverning, 2)));
    check.verdicts.push_back(s.weldCombined <= sigma ? "经校核,焊缝安全可靠."
                                                     : "焊缝强度不足!!!,请重新设计");

    // The conclusion is strict and takes σf alone, so a stress equal to [σ] passes its
    // section but not the lug.
    const bool safe = sigma - s.base > 0 && sigma - s.besideHole > 0 && sigma - s.bearing > 0 &&
                      sigma - s.holeEdge > 0 && sigma - s.weldGoverning > 0;
    check.conclusion = safe ? "经校核,安全可靠." : "不安全!!!,请重新设计";
}

} // namespace

double HoleRadius(std::string_view holeDiameterText) {
    if (holeDiameterText.find_first_not_of(" \t") == std::string_view::npos)
        throw RuntimeError(ErrorKind::TypeMismatch, "请输入开孔直径(2r)！");
    double diameter = 0;
    try {
        diameter = runtime::TextToNumber(holeDiameterText);
    } catch (const RuntimeError &error) {
        if (error.kind() != ErrorKind::TypeMismatch)
            throw;
        throw RuntimeError(ErrorKind::TypeMismatch, "开孔直径(2r)须为数字！");
    }
    return runtime::ReadNumber(runtime::NumberText(diameter / 2));
}

LugCheck CheckLug(const LugInputs &lug) {
    LugCheck check;
    try {
        CheckSections(lug, check);
    } catch (const RuntimeError &error) {
        check.conclusion.clear();
        check.stop = error;
    }
    return check;
}

} // namespace lug
