#include "sectionsolve.h"

#include "numbers.h"
#include "runtimeerror.h"

#include <cmath>

namespace girder {

const char *const NoParametersMessage = "请输入起重机基本参数！";
const char *const NoParametersTitle = "出错啦！";

namespace {

// kg per metre of girder for each cm^2 of steel section.
constexpr double steelWeightPerArea = 0.785;
// Weld metal on top of the plates: fillet welds of the box, and the heavier welds that join
// the plate box to the rolled beam.
constexpr double boxWeldFactor = 1.015;
constexpr double beamWeldFactor = 1.02;
constexpr float allowableStress = 1400; // kg/cm^2

double power(double base, double exponent) {
    return std::pow(base, exponent);
}

void writeNumber(const ResultWriter &write, Result result, double value) {
    write(result, runtime::NumberText(value));
}

// A divisor of zero stops the solve with the engineer's reason rather than a bare
// "division by zero": which quantity vanished and which inputs make it.
void requireNonZero(double divisor, const char *reason) {
    if (divisor == 0)
        throw runtime::RuntimeError(runtime::ErrorKind::DivisionByZero, reason);
}

// The two verdicts that both girder kinds end with.
void writeVerdicts(double weightPerMetre, double momentX, double modulusX, double momentY,
                   double modulusY, const CraneParameters &crane, const ResultWriter &write) {
    write(Result::Stiffness,
          StiffnessVerdict(momentX, momentY, crane.requiredMomentX, crane.requiredMomentY));
    requireNonZero(modulusX, "截面模数Wx为零，无法校核强度：请检查截面尺寸！");
    requireNonZero(modulusY, "截面模数Wy为零，无法校核强度：请检查截面尺寸！");
    write(Result::Strength, StrengthVerdict(WorkingStress(weightPerMetre, crane.load, crane.span,
                                                          modulusX, modulusY)));
}

} // namespace

void SolveBoxGirder(const BoxSection &section, const CraneParameters &crane,
                    const ResultWriter &write) {
    const double t1 = section.topFlangeThickness;
    const double t2 = section.bottomFlangeThickness;
    const double t3 = section.webThickness;
    const double B1 = section.topFlangeWidth;
    const double B2 = section.bottomFlangeWidth;
    const double B3 = section.webSpacing;
    const double H = section.webHeight;

    const double area = (t1 * B1 + t2 * B2 + 2 * t3 * H) / 100;
    writeNumber(write, Result::Area, area);

    const double weight = area * steelWeightPerArea * boxWeldFactor;
    writeNumber(write, Result::Weight, weight);

    requireNonZero(area, "截面面积S为零，无法求中心位置Yc：请输入翼缘厚度t1、t2，腹板厚度t3，"
                         "翼缘宽度B1、B2和腹板高度H！");
    // First moments of bottom flange, webs and top flange about the underside, in cm^3.
    const double centroid = (B2 * t2 * t2 / 2000 + 2 * t3 * H * (t2 + H / 2) / 1000 +
                             t1 * B1 * (t2 + H + t1 / 2) / 1000) /
                            area;
    writeNumber(write, Result::CentroidHeight, centroid);

    const double y = 10 * centroid; // mm
    const double momentX = B1 * power(t1, 3) / 120000 +
                           B1 * t1 * power((H + t2 - y) + t1 / 2, 2) / 10000 +
                           B2 * power(t2, 3) / 120000 + B2 * t2 * power(y - t2 / 2, 2) / 10000 +
                           t3 * power(H, 3) / 60000 + t3 * H * power((y - t2) - H / 2, 2) / 5000;
    writeNumber(write, Result::MomentX, momentX);

    requireNonZero(centroid, "中心位置Yc为零，无法求截面模数Wx：请检查翼缘和腹板尺寸！");
    const double modulusX = momentX / centroid;
    writeNumber(write, Result::ModulusX, modulusX);

    // The webs' own term is taken once, as the hand calculation has it; their offset term
    // counts both webs.
    const double momentY = t1 * power(B1, 3) / 120000 + t2 * power(B2, 3) / 120000 +
                           H * power(t3, 3) / 120000 + H * t3 * power(B3 / 2 + t3 / 2, 2) / 5000;
    writeNumber(write, Result::MomentY, momentY);

    const double widestFlange = B1 >= B2 ? B1 : B2;
    requireNonZero(widestFlange,
                   "上翼缘宽度B1和下翼缘宽度B2均为零，无法求截面模数Wy：请输入翼缘宽度！");
    const double modulusY = 20 * momentY / widestFlange;
    writeNumber(write, Result::ModulusY, modulusY);

    writeNumber(write, Result::TotalWeight, weight * crane.span);

    writeVerdicts(weight, momentX, modulusX, momentY, modulusY, crane, write);
}

void SolveIBeamGirder(const IBeamSection &section, const CraneParameters &crane,
                      const ResultWriter &write) {
    const double L1 = section.girderWidth;
    const double L2 = section.inclinedPlateLength;
    const double L3 = section.reinforcingPlateWidth;
    const double h1 = section.sidePlateHeight;
    const double h2 = section.beamHeight;
    const double h3 = section.beamExposedHeight;
    const double t1 = section.sidePlateThickness;
    const double t2 = section.inclinedPlateThickness;
    const double t3 = section.reinforcingPlateThickness;
    const double H = section.girderHeight;
    const double Si = section.beamArea;

    // Vertical run of the inclined plates, from the side plates down to the I-beam.
    const double d = H - h1 - t3 - h3;
    const double topPlateWidth = L1 - 2 * t1; // between the side plates

    const double area = (t1 * topPlateWidth + 2 * t1 * h1 + 2 * t2 * L2 + t3 * L3) / 100 + Si;
    writeNumber(write, Result::Area, area);

    const double weight = area * steelWeightPerArea * beamWeldFactor;
    writeNumber(write, Result::Weight, weight);

    writeNumber(write, Result::TotalWeight, weight * crane.span);

    requireNonZero(area, "截面面积S为零，无法求中心位置C：请输入各板的宽度、高度、厚度和"
                         "工字钢截面面积S！");
    const double centroid = ((t1 * topPlateWidth * (H - t1 / 2) + 2 * t1 * h1 * (H - h1 / 2) +
                              2 * t2 * L2 * ((t3 + h3) + d / 2) + t3 * L3 * t3 / 2) /
                                 1000 +
                             Si * (t3 + h2 / 2) / 10) /
                            area;
    writeNumber(write, Result::CentroidHeight, centroid);

    const double y = 10 * centroid; // mm
    const double momentX = topPlateWidth * power(t1, 3) / 120000 +
                           topPlateWidth * t1 * power((H - y) - t1 / 2, 2) / 10000 +
                           t1 * power(h1, 3) / 60000 + t1 * h1 * power((H - y) - h1 / 2, 2) / 5000 +
                           t2 * power(d, 2) * L2 / 60000 +
                           t2 * L2 * power((y - t3 - h3) - d / 2, 2) / 5000 + section.beamMomentX +
                           Si * power((y - t3) - h2 / 2, 2) / 100 + L3 * power(t3, 3) / 120000 +
                           L3 * t3 * power(y - t3 / 2, 2) / 10000;
    writeNumber(write, Result::MomentX, momentX);

    requireNonZero(centroid, "中心位置C为零，无法求截面模数Wx：请检查主梁总高度H和各板尺寸！");
    const double modulusX = momentX / centroid;
    writeNumber(write, Result::ModulusX, modulusX);

    // The side plates' own term is taken once, their offset term for both plates; the inclined
    // plates' run is formed afresh, in the order of the hand calculation.
    const double run = H - h1 - h3 - t3;
    const double momentY = t1 * power(topPlateWidth, 3) / 120000 + h1 * power(t1, 3) / 120000 +
                           h1 * t1 * power(L1 / 2 - t1 / 2, 2) / 5000 +
                           t2 * (power(L2, 2) - power(run, 2)) * L2 / 60000 +
                           t2 * L2 * power(L1 / 4, 2) / 5000 + section.beamMomentY +
                           t3 * power(L3, 3) / 120000;
    writeNumber(write, Result::MomentY, momentY);

    requireNonZero(L1, "梁宽度L1为零，无法求截面模数Wy：请输入梁宽度L1！");
    const double modulusY = 20 * momentY / L1;
    writeNumber(write, Result::ModulusY, modulusY);

    writeVerdicts(weight, momentX, modulusX, momentY, modulusY, crane, write);
}

void EstimateRequiredMoments(double load, double span, const ResultWriter &write,
                             const Notifier &notify) {
    const double requiredMomentX = 80 * load * power(span, 2);
    writeNumber(write, Result::RequiredMomentX, requiredMomentX);
    if (requiredMomentX == 0)
        notify(NoParametersMessage, 64, NoParametersTitle);
    const float requiredMomentY = runtime::ToSingle(20 * load * power(span, 2));
    write(Result::RequiredMomentY, runtime::NumberText(requiredMomentY));
}

std::string StiffnessVerdict(double momentX, double momentY, double requiredMomentX,
                             double requiredMomentY) {
    return momentX < requiredMomentX && momentY < requiredMomentY ? "刚度不合格" : "刚度合格";
}

float WorkingStress(double weightPerMetre, double load, double span, double modulusX,
                    double modulusY) {
    // Moments in kg·cm: the girder's own weight as a uniform load, the crab load at mid-span.
    const double deadLoadMoment = weightPerMetre * power(100 * span, 2) / 800;
    const double verticalMoment = 1.25 * load * 1000 * span * 100 / 4;
    const double horizontalMoment = load * 1000 * span * 100 / 4;
    const double stress = runtime::Divide(1.05 * (deadLoadMoment + verticalMoment), modulusX) +
                          runtime::Divide(0.15 * (deadLoadMoment + horizontalMoment), modulusY);
    return runtime::ToSingle(stress);
}

std::string StrengthVerdict(float workingStress) {
    return workingStress >= allowableStress ? "强度不合格" : "强度合格";
}

} // namespace girder
