#pragma once

#include "runtimeerror.h"

#include <optional>
#include <string>
#include <string_view>

// Sizing of the motors of a crane travel drive built from three-in-one drive units (motor,
// reducer and brake in one housing on the wheel axle): from the loads, the wind, the wheel and
// the duty it gives the power per motor, the torque at the wheel and the wheel speed.
namespace travelmotor {

// What the engineer enters; loads in kg, wheel diameter in mm, travel speed in m/min.
struct Inputs {
    std::string craneType;     // the crane type as its text reads
    double hoistLoad = 0;      // Q
    double deadWeight = 0;     // G
    double windResistance = 0; // W, for cranes working outdoors
    double wheelDiameter = 0;  // D
    double travelSpeed = 0;    // v
    double motorCount = 0;     // n
    double efficiency = 0;     // η of the transmission, usually 0.85 to 0.95
    double powerFactor = 0;    // k, the power increase factor, usually 1.2
};

// The rolling friction coefficient of the wheel. Wheels over 800 mm are outside the table:
// the coefficient then counts as 0 and the engineer is told, but the sizing goes on.
struct WheelCoefficient {
    double value = 0;
    bool inRange = true;
};

WheelCoefficient WheelCoefficientFor(double wheelDiameter);

// The friction coefficient of the crane type, chosen by the exact text of the type; any other
// text (the prompt of the list, or a type typed in) gives 0.
double CraneTypeCoefficient(std::string_view craneType);

// The sizing, step by step as the hand calculation goes. A step that meets undefined
// arithmetic (a zero divisor, an overflow) stops the sizing there: the results of the earlier
// steps are kept and `stop` tells the cause in the engineer's words.
struct Result {
    WheelCoefficient wheel;
    double craneType = 0;
    std::optional<double> travelResistance; // F, in N (kg × 10)
    std::optional<double> power;            // per motor, kW
    std::optional<double> torque;           // Nm
    std::optional<float> wheelSpeed;        // r/min, kept in single precision
    std::optional<runtime::RuntimeError> stop;
};

Result Calculate(const Inputs &inputs);

} // namespace travelmotor
