#include "travelmotor.h"

#include "numbers.h"

#include <array>
#include <utility>

namespace travelmotor {
namespace {

// π as the hand calculation takes it, to seven decimals, so that the speeds agree digit for digit.
constexpr double pi = 3.1415926;

// Loads in kg become forces in N by × 10; force in N × speed in m/min becomes kW by ÷ 60000;
// the torque is force in N × wheel diameter in mm ÷ 4000, as the selection method takes it.
constexpr double forcePerKilogram = 10;
constexpr double powerDivisor = 60000;
constexpr double torqueDivisor = 4000;
constexpr double millimetresPerMetre = 1000;

using runtime::ErrorKind;
using runtime::RuntimeError;

// Runs one step and names the quantity when its value runs out of range, so that the engineer
// sees which result could not be formed.
template <typename Step> auto quantityStep(const char *quantity, Step step) {
    try {
        return step();
    } catch (const RuntimeError &error) {
        if (error.kind() != ErrorKind::Overflow)
            throw;
        throw RuntimeError(ErrorKind::Overflow,
                           std::string(quantity) + "计算溢出，请检查输入的数值");
    }
}

void requireNonZero(double divisor, const char *cause) {
    if (divisor == 0)
        throw RuntimeError(ErrorKind::DivisionByZero, cause);
}

} // namespace

WheelCoefficient WheelCoefficientFor(double wheelDiameter) {
    if (wheelDiameter <= 200)
        return {0.025, true};
    if (wheelDiameter <= 400)
        return {0.02, true};
    if (wheelDiameter <= 600)
        return {0.015, true};
    if (wheelDiameter <= 800)
        return {0.011, true};
    return {0, false};
}

double CraneTypeCoefficient(std::string_view craneType) {
    static const std::array<std::pair<std::string_view, double>, 5> coefficients{{
        {"桥式起重机", 0.001},
        {"门式和门座式起重机", 0.003},
        {"铁路起重机", 0.004},
        {"建筑塔式起重机", 0.005},
        {"桥架上的小车", 0.002},
    }};
    for (const auto &[type, coefficient] : coefficients)
        if (type == craneType)
            return coefficient;
    return 0;
}

Result Calculate(const Inputs &in) {
    using runtime::Checked;
    using runtime::Divide;

    Result result;
    result.wheel = WheelCoefficientFor(in.wheelDiameter);
    result.craneType = CraneTypeCoefficient(in.craneType);
    try {
        const double resistance = quantityStep("运行阻力", [&] {
            const double friction =
                Checked(Checked(Checked(in.hoistLoad + in.deadWeight) * forcePerKilogram) *
                        (result.wheel.value + result.craneType));
            return Checked(friction + Checked(in.windResistance * forcePerKilogram));
        });
        result.travelResistance = resistance;

        result.power = quantityStep("功率", [&] {
            double power = Checked(Checked(resistance * in.travelSpeed) * in.powerFactor);
            power = Divide(power, powerDivisor);
            requireNonZero(in.efficiency, "传动效率为零，无法计算功率");
            power = Divide(power, in.efficiency);
            requireNonZero(in.motorCount, "电机数量为零，无法计算功率");
            return Divide(power, in.motorCount);
        });

        result.torque = quantityStep(
            "扭矩", [&] { return Divide(Checked(resistance * in.wheelDiameter), torqueDivisor); });

        result.wheelSpeed = quantityStep("转速", [&] {
            requireNonZero(in.wheelDiameter, "车轮直径为零，无法计算转速");
            const double turnsPerMinute =
                Divide(Divide(Checked(in.travelSpeed * millimetresPerMetre), in.wheelDiameter), pi);
            return runtime::ToSingle(turnsPerMinute);
        });
    } catch (const RuntimeError &error) {
        result.stop = error;
    }
    return result;
}

} // namespace travelmotor
