#include "workclass.h"

#include "numbers.h"

namespace workclass {
namespace {

using runtime::Checked;
using runtime::Divide;
using runtime::Power;

// Row bounds of total cycles; each band includes its upper bound. Cycles above the last bound
// fall in the last row.
constexpr std::array<double, 9> cycleBounds = {16000,  32000,   63000,   125000, 250000,
                                               500000, 1000000, 2000000, 4000000};

// Column bounds of the load spectrum factor, compared as singles; each includes its upper bound.
constexpr std::array<float, 4> spectrumBounds = {0.125f, 0.25f, 0.5f, 1.0f};

constexpr const char *A1 = "A1/1Bm";
constexpr const char *A2 = "A2/1Bm";
constexpr const char *A3 = "A3/1Bm";
constexpr const char *A4 = "A4/1Am";
constexpr const char *A5 = "A5/2m";
constexpr const char *A6 = "A6/3m";
constexpr const char *A7 = "A7/4m";
constexpr const char *A8 = "A8/5m";

constexpr std::array<std::array<const char *, 4>, 10> classMatrix = {{
    {A1, A1, A1, A2},
    {A1, A1, A2, A3},
    {A1, A2, A3, A4},
    {A2, A3, A4, A5},
    {A3, A4, A5, A6},
    {A4, A5, A6, A7},
    {A5, A6, A7, A8},
    {A6, A7, A8, A8},
    {A7, A8, A8, A8},
    {A8, A8, A8, A8},
}};

std::size_t cycleRow(double totalCycles) {
    std::size_t row = 0;
    while (row < cycleBounds.size() && totalCycles > cycleBounds[row])
        ++row;
    return row;
}

std::optional<std::size_t> spectrumColumn(float factor) {
    for (std::size_t column = 0; column < spectrumBounds.size(); ++column)
        if (factor <= spectrumBounds[column])
            return column;
    return std::nullopt;
}

} // namespace

double TotalCycles(const Duty &duty) {
    const double hours = Checked(Checked(duty.hoursPerDay * 270) * duty.designLifeYears);
    return Divide(Checked(hours * 60), duty.minutesPerCycle);
}

float LoadSpectrumFactor(const LoadSpectrum &spectrum) {
    double sum = 0;
    for (std::size_t i = 0; i < spectrum.loads.size(); ++i) {
        const double ratio = Divide(spectrum.loads[i], spectrum.maximumLoad);
        // The cube is the power operator of the hand formula, (load / maximum load) ^ 3.
        sum = Checked(sum + Checked(Power(ratio, 3) * Divide(spectrum.shares[i], 100)));
    }
    return runtime::ToSingle(sum);
}

std::optional<std::string> WorkingClass(double totalCycles, float loadSpectrumFactor) {
    const auto column = spectrumColumn(loadSpectrumFactor);
    if (!column)
        return std::nullopt;
    return classMatrix[cycleRow(totalCycles)][*column];
}

} // namespace workclass
