#include "girdercalc.h"

#include "numbers.h"
#include "runtimeerror.h"

#include <cstdint>
#include <limits>

namespace elsbrook {
namespace {

using runtime::Divide;
using runtime::ErrorKind;
using runtime::Power;
using runtime::RuntimeError;

const char *const SectionTooLarge = "截面尺寸过大，超出整数运算范围";

// Whole numbers of the section are worked in 32-bit integers, as the hand calculation does;
// a product or sum beyond that range stops the check instead of wrapping round.
std::int32_t wholeResult(std::int64_t value, const std::string &cause) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw RuntimeError(ErrorKind::Overflow, cause);
    return static_cast<std::int32_t>(value);
}

std::int32_t product(std::int32_t a, std::int32_t b, const std::string &cause = SectionTooLarge) {
    return wholeResult(static_cast<std::int64_t>(a) * b, cause);
}

std::int32_t sum(std::int32_t a, std::int32_t b) {
    return wholeResult(static_cast<std::int64_t>(a) + b, SectionTooLarge);
}

std::int32_t difference(std::int32_t a, std::int32_t b) {
    return wholeResult(static_cast<std::int64_t>(a) - b, SectionTooLarge);
}

// r(x): rounding halves to even into a 32-bit integer.
std::int32_t r(double value) {
    return runtime::RoundToInt32(value);
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// A field read as a whole number (7.5 counts as 8, 6.5 as 6). Plate sizes, loads and spans
// are never negative; a field that is empty, not a number, negative or too large stops the
// calculation with a message that names it.
std::int32_t readWholeNumber(std::string_view text, const std::string &name) {
    if (trimmed(text).empty())
        throw RuntimeError(ErrorKind::TypeMismatch, "请输入" + name);
    double value = 0;
    try {
        value = runtime::TextToNumber(text);
    } catch (const RuntimeError &error) {
        if (error.kind() == ErrorKind::Overflow)
            throw RuntimeError(ErrorKind::Overflow, name + "数值过大");
        throw RuntimeError(ErrorKind::TypeMismatch, name + "应为数字");
    }
    std::int32_t whole = 0;
    try {
        whole = r(value);
    } catch (const RuntimeError &) {
        throw RuntimeError(ErrorKind::Overflow, name + "数值过大");
    }
    if (whole < 0)
        throw RuntimeError(ErrorKind::InvalidCall, name + "不能为负数");
    return whole;
}

} // namespace

std::int32_t DutyDivisor(std::string_view dutyText) {
    if (dutyText == "A2")
        return 700;
    if (dutyText == "A3")
        return 750;
    if (dutyText == "A4")
        return 800;
    if (dutyText == "A5")
        return 900;
    if (dutyText == "A6")
        return 1000;
    if (dutyText == "A7")
        return 1200;
    return 0;
}

void GirderCalculation::StoreCraneData(std::string_view dutyText, std::string_view liftText,
                                       std::string_view trolleyText, std::string_view spanText,
                                       bool singleGirder) {
    // A duty text that names no class keeps the allowance of the class given before; before
    // any class there is no allowance to keep.
    std::int32_t divisor = DutyDivisor(dutyText);
    if (divisor == 0)
        divisor = DeflectionDivisor;
    if (divisor == 0)
        throw RuntimeError(ErrorKind::InvalidCall, "工作制应为A2至A7之一");

    const std::int32_t lift = readWholeNumber(liftText, "起重量");
    const std::int32_t trolley = readWholeNumber(trolleyText, "小车重");
    // A span of 0 m is kept: it leaves the deflection at zero, which the check then reports.
    const std::int32_t span = readWholeNumber(spanText, "跨度");

    const float liftLoad = runtime::ToSingle(static_cast<double>(lift) * 1000);
    const std::int32_t trolleyLoad = product(trolley, 1000, "小车重数值过大");
    const float spanCm = runtime::ToSingle(static_cast<double>(span) * 100);

    DeflectionDivisor = divisor;
    LiftLoad = liftLoad;
    TrolleyLoad = trolleyLoad;
    SpanCm = spanCm;
    GirderCount = singleGirder ? 1 : 2;
}

void GirderCalculation::ComputeSection(std::string_view hText, std::string_view bText,
                                       std::string_view b1Text, std::string_view t1Text,
                                       std::string_view t2Text, std::string_view t3Text) {
    const std::int32_t h = readWholeNumber(hText, "截面高度H");
    const std::int32_t b = readWholeNumber(bText, "翼缘宽度B");
    const std::int32_t b1 = readWholeNumber(b1Text, "腹板间距B1");
    const std::int32_t t1 = readWholeNumber(t1Text, "上翼缘厚度T1");
    const std::int32_t t2 = readWholeNumber(t2Text, "下翼缘厚度T2");
    const std::int32_t t3 = readWholeNumber(t3Text, "腹板厚度T3");

    GirderCalculation section = *this;
    try {
        const std::int32_t hw = difference(h, sum(t1, t2)); // web height
        if (hw < 0)
            throw RuntimeError(ErrorKind::InvalidCall, "截面高度H小于上下翼缘厚度之和");

        // Area in mm².
        const std::int32_t area = sum(product(sum(t1, t2), b), product(product(hw, 2), t3));
        if (area == 0)
            throw RuntimeError(ErrorKind::DivisionByZero, "截面积A为零，请检查截面尺寸");

        // Centroid: z on the axis of symmetry, y from the bottom face, both in whole mm.
        const std::int32_t zc = r(b / 2.0);
        const std::int32_t webs = product(product(2, t3), hw); // both webs, mm²
        const std::int32_t topFlange = product(b, t1);
        const std::int32_t bottomFlange = product(b, t2);
        const std::int32_t yc = r(Divide((hw / 2.0 + t2) * webs + (h - t1 / 2.0) * topFlange +
                                             product(bottomFlange, t2) / 2.0,
                                         area));

        // Static moment of the half section above the centroidal axis, mm³.
        const std::int32_t sz = r(Power(difference(difference(h, t1), yc), 2) * product(2, t3) / 2 +
                                  (h - t1 / 2.0 - yc) * topFlange);

        // Second moments in mm⁴ about the centroidal axes, from the rounded centroid.
        const double iz = runtime::Checked(
            topFlange * Power(h - t1 / 2.0 - yc, 2) + bottomFlange * Power(yc - t2 / 2.0, 2) +
            webs * Power(yc - t2 - hw / 2.0, 2) + Power(hw, 3) * 2 * t3 / 12 +
            (Power(t1, 3) + Power(t2, 3)) * b / 12);
        // The webs' centre lines lie (B1 + T3) / 2 either side of the vertical axis.
        const double iy =
            runtime::Checked(webs * Power(sum(b1, t3) / 2.0, 2) + Power(t3, 3) * 2 * hw / 12 +
                             Power(b, 3) * sum(t1, t2) / 12);

        // Section moduli in whole mm³.
        if (h - yc == 0)
            throw RuntimeError(ErrorKind::DivisionByZero,
                               "形心至上翼缘顶面距离H-y为零，请检查截面尺寸");
        if (yc == 0)
            throw RuntimeError(ErrorKind::DivisionByZero, "形心高度y为零，请检查截面尺寸");
        if (b == 0)
            throw RuntimeError(ErrorKind::DivisionByZero, "翼缘宽度B为零，请检查截面尺寸");
        const std::int32_t wzs = r(Divide(iz, difference(h, yc)));
        const std::int32_t wzx = r(Divide(iz, yc));
        const std::int32_t wy = r(Divide(iy, b / 2.0));

        // Weight per metre of steel, from the area in mm².
        const std::int32_t weight = r(area * 77.0085);

        // Into the units shown: the moduli and Sz are rounded a second time, to whole cm³.
        section.H = h;
        section.B = b;
        section.B1 = b1;
        section.T1 = t1;
        section.T2 = t2;
        section.T3 = t3;
        section.z = zc;
        section.y = yc;
        section.A = r(area / 100.0);
        section.Sz = r(sz / 1000.0);
        section.Iz = iz / 10000;
        section.Iy = iy / 10000;
        section.Wzs = r(wzs / 1000.0);
        section.Wzx = r(wzx / 1000.0);
        section.Wyz = r(wy / 1000.0);
        section.Wyy = r(wy / 1000.0);
        section.Q = r(weight / 10000.0);
    } catch (const RuntimeError &error) {
        // Any value of the section beyond its type comes from plate sizes too large to work.
        if (error.kind() == ErrorKind::Overflow)
            throw RuntimeError(ErrorKind::Overflow, SectionTooLarge);
        throw;
    }
    *this = section;
}

void GirderCalculation::ComputeDeflection() {
    if (DeflectionDivisor == 0 || GirderCount == 0)
        throw RuntimeError(ErrorKind::InvalidCall, "请先输入起重机条件");
    if (Iz == 0)
        throw RuntimeError(ErrorKind::DivisionByZero, "惯性矩Iz为零，无法计算挠度");

    const double span = SpanCm;
    float deflection = 0;
    float allowed = 0;
    try {
        const double load = (static_cast<double>(LiftLoad) + TrolleyLoad) / GirderCount; // kg
        // 10⁶ · 100.8 is 48 · E with E = 2.1 · 10⁶ kg/cm².
        deflection = runtime::ToSingle(Power(span, 3) * load / (1e6 * 100.8 * Iz));
        deflection = runtime::ToSingle(r(static_cast<double>(deflection) * 100) / 100.0);
        allowed = runtime::ToSingle(span / DeflectionDivisor);
        allowed = runtime::ToSingle(r(static_cast<double>(allowed) * 100) / 100.0);
    } catch (const RuntimeError &error) {
        if (error.kind() == ErrorKind::Overflow)
            throw RuntimeError(ErrorKind::Overflow, "挠度过大，超出计算范围");
        throw;
    }
    if (deflection == 0) {
        if (SpanCm == 0)
            throw RuntimeError(ErrorKind::DivisionByZero, "跨度为零，无法求跨度比");
        throw RuntimeError(ErrorKind::DivisionByZero, "挠度不足0.005厘米，无法求跨度比");
    }

    // A very stiff girder or a short span deflects less than the span over the largest ratio
    // that can be kept; that is a result, not a fault.
    // The ratio of the two stored singles, worked in double and rounded straight to the whole
    // ratio (halves to even), like every quotient of the check.
    const double ratio = span / deflection;
    std::int16_t spanRatio = 0;
    bool beyond = false;
    try {
        spanRatio = runtime::RoundToInt16(ratio);
    } catch (const RuntimeError &) {
        spanRatio = ratio > 0 ? std::numeric_limits<std::int16_t>::max()
                              : std::numeric_limits<std::int16_t>::min();
        beyond = true;
    }

    Deflection = deflection;
    SpanRatio = spanRatio;
    SpanRatioBeyond = beyond;
    AllowedDeflection = allowed;
}

} // namespace elsbrook
