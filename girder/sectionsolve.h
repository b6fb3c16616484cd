#pragma once

#include <functional>
#include <string>

// The girder section selector: the properties, weight and verdicts of a crane's main girder,
// either a welded box of two flanges and two webs or a plate box built on a rolled I-beam,
// checked against the required moments of inertia and the allowable stress.
//
// Each solve writes its results one by one, in the order of the hand calculation, through a
// ResultWriter as soon as each is known. A step that cannot be computed (a zero divisor)
// stops the solve with a runtime::RuntimeError naming the cause; the results written before
// it stand.
namespace girder {

// What a solve or the estimate writes. Both girder kinds write the same quantities.
enum class Result {
    Weight,          // theoretical weight G per metre, kg/m
    Area,            // section area S, cm^2
    CentroidHeight,  // Yc (C on the I-beam girder) above the underside, cm
    MomentX,         // vertical moment of inertia Ix, cm^4
    ModulusX,        // section modulus Wx to the underside, cm^3
    MomentY,         // horizontal moment of inertia Iy, cm^4
    ModulusY,        // section modulus Wy to the outer edge, cm^3
    TotalWeight,     // girder weight over the span, kg
    Stiffness,       // "刚度合格" or "刚度不合格"
    Strength,        // "强度合格" or "强度不合格"
    RequiredMomentX, // Ix the girder must reach, cm^4
    RequiredMomentY, // Iy the girder must reach, cm^4
};

using ResultWriter = std::function<void(Result result, const std::string &text)>;

// A message for the engineer that does not stop the calculation: text, box kind, title.
using Notifier = std::function<void(const std::string &text, int kind, const std::string &title)>;

// The crane's basic parameters, shared by both girder kinds.
struct CraneParameters {
    double load = 0;            // P, load plus hoist weight, t
    double span = 0;            // L, m
    double requiredMomentX = 0; // cm^4
    double requiredMomentY = 0; // cm^4
};

// Welded box girder, all in mm: flanges B wide and t thick, two webs t3 thick and H high
// standing between the flanges, B3 apart in the clear.
struct BoxSection {
    double topFlangeThickness = 0;    // t1
    double bottomFlangeThickness = 0; // t2
    double webThickness = 0;          // t3
    double topFlangeWidth = 0;        // B1
    double bottomFlangeWidth = 0;     // B2
    double webSpacing = 0;            // B3
    double webHeight = 0;             // H
};

// Plate box on a rolled I-beam. Plates in mm; the I-beam's own table values in cm^2 and cm^4.
struct IBeamSection {
    double girderWidth = 0;               // L1
    double inclinedPlateLength = 0;       // L2
    double reinforcingPlateWidth = 0;     // L3
    double sidePlateHeight = 0;           // h1
    double beamHeight = 0;                // h2
    double beamExposedHeight = 0;         // h3, free above the reinforcing plate
    double sidePlateThickness = 0;        // t1, also the top plate
    double inclinedPlateThickness = 0;    // t2
    double reinforcingPlateThickness = 0; // t3
    double girderHeight = 0;              // H
    double beamWidth = 0;                 // B, shown on the sketch only
    double beamArea = 0;                  // Si, cm^2
    double beamMomentX = 0;               // Ixi, cm^4
    double beamMomentY = 0;               // Iyi, cm^4
};

// Welded box girder: S, G, Yc, Ix, Wx, Iy, Wy, total weight, stiffness, strength.
void SolveBoxGirder(const BoxSection &section, const CraneParameters &crane,
                    const ResultWriter &write);

// I-beam girder: S, G, total weight, C, Ix, Wx, Iy, Wy, stiffness, strength.
void SolveIBeamGirder(const IBeamSection &section, const CraneParameters &crane,
                      const ResultWriter &write);

// Proposes the required moments of inertia from load and span: Ix = 80·P·L², then
// Iy = 20·P·L² as a single. A zero proposal asks for the basic parameters and goes on.
void EstimateRequiredMoments(double load, double span, const ResultWriter &write,
                             const Notifier &notify);

// The girder fails in stiffness only when both moments of inertia fall short.
std::string StiffnessVerdict(double momentX, double momentY, double requiredMomentX,
                             double requiredMomentY);

// Working stress in kg/cm^2 from the dead load moment, the vertical load moment (with its
// factor 1.25) and the horizontal moment, kept as a single as the table of allowables reads it.
float WorkingStress(double weightPerMetre, double load, double span, double modulusX,
                    double modulusY);

// "强度不合格" from 1400 kg/cm^2 up, "强度合格" below.
std::string StrengthVerdict(float workingStress);

extern const char *const NoParametersMessage; // "请输入起重机基本参数！"
extern const char *const NoParametersTitle;   // "出错啦！"

} // namespace girder
