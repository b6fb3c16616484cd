#pragma once

#include <array>
#include <optional>
#include <string>

// The working class of a crane, A1 to A8, from how much it works (total cycles over its design
// life) and how heavy its loads are (the load spectrum factor of five representative loads).
namespace workclass {

struct Duty {
    double hoursPerDay = 0;
    double minutesPerCycle = 0;
    double designLifeYears = 0; // years of 270 working days
};

struct LoadSpectrum {
    double maximumLoad = 0;         // t
    std::array<double, 5> loads{};  // t
    std::array<double, 5> shares{}; // %
};

// Total working cycles over the design life, multiplied in the order of the hand calculation:
// ((hours × 270) × years) × 60, divided by the minutes per cycle last.
double TotalCycles(const Duty &duty);

// Kp = Σ (load i / maximum load)³ × (share i / 100), summed in double precision in the order
// of the loads, then kept as a single as the class table reads it.
float LoadSpectrumFactor(const LoadSpectrum &spectrum);

// The class text of the class matrix, such as "A5/2m". No class exists above Kp = 1.
std::optional<std::string> WorkingClass(double totalCycles, float loadSpectrumFactor);

} // namespace workclass
