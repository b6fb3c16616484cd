#pragma once

// The reeving of a crane hoist in its vertical plane: a rope drum, the fixed sheaves beside it
// and the hook block with its moving sheaves hanging below both. With reeving ratio n the block
// hangs in 2n falls of equal tension; in the arrangements with a balance arm one rope end is held
// at a fixed balance arm point.
//
// Coordinates: origin at the drum axis, horizontal from the drum toward the fixed sheaves,
// vertical downward (the direction in which the hook descends). Lengths in mm, angles in radians.
namespace sheave {

// The ten reeving arrangements, numbered as the window's option buttons and pictures.
constexpr int ArrangementCount = 10;

// Arrangements 1, 2, 3, 7 and 8 lead the rope off the drum on the same side as the block
// sheave (crossed tangent between drum and block); 4, 5, 6, 9 and 10 on the opposite side.
bool SameSideLeadOff(int arrangement);

// The sheave of the block that the two drum falls run on: R4 in arrangements 8 and 10,
// otherwise R1.
bool DrumFallsOnLargeSheave(int arrangement);

// Which of the optional inputs an arrangement reads.
bool UsesSmallSheave(int arrangement); // R3: 2 and 5
bool UsesLargeSheave(int arrangement); // R4: 3, 6, 8 and 10
bool UsesBalanceArm(int arrangement);  // h1 and l1: 7 to 10

// The hoist's dimensions, kept by the window between calculations. The balance procedures
// read them and change nothing.
struct SheaveLayout {
    // 3.1415926 exactly: the value the hand calculation used, so that results agree with it.
    double pi = 3.1415926;

    double h0 = 0; // depth of the hook block axis below the drum axis at the upper limit
    double l0 = 0; // horizontal distance from the drum axis to the fixed sheave axis
    double h = 0;  // drop of the fixed sheave axis below the drum axis
    double R0 = 0; // drum radius
    double R1 = 0; // moving sheave radius
    double R2 = 0; // fixed sheave radius
    double R3 = 0; // small moving sheave radius
    double R4 = 0; // large moving sheave radius
    double n = 0;  // reeving ratio, used as typed (a fraction is not rounded)
    double h1 = 0; // drop of the balance arm point below the drum axis
    double l1 = 0; // horizontal distance from the drum axis to the balance arm point

    // Net horizontal pull on the hook block at depth y and horizontal distance x from the drum
    // axis, in hundredths of one fall's tension: 100 times the magnitude of the sum of the
    // horizontal direction cosines of all falls leaving the block, each weighted by the number
    // of falls in that direction. Never negative. A geometry without a defined rope direction
    // (a centre distance not longer than the effective radius of its tangent, the block right
    // below the drum, the fixed sheave or the balance arm point) raises runtime::RuntimeError
    // with the cause in the engineer's words.
    double SideForce1(double y, double x) const;  // same side, all moving sheaves equal
    double SideForce2(double y, double x) const;  // same side, one small sheave in the middle
    double SideForce3(double y, double x) const;  // same side, two large sheaves in the middle
    double SideForce4(double y, double x) const;  // opposite side, all moving sheaves equal
    double SideForce5(double y, double x) const;  // opposite side, one small sheave
    double SideForce6(double y, double x) const;  // opposite side, two large sheaves
    double SideForce7(double y, double x) const;  // same side, balance arm, equal sheaves
    double SideForce8(double y, double x) const;  // same side, balance arm, two large sheaves
    double SideForce9(double y, double x) const;  // opposite side, balance arm, equal sheaves
    double SideForce10(double y, double x) const; // opposite side, balance arm, two large

    // The procedure of arrangement 1 to 10.
    double SideForce(int arrangement, double y, double x) const;
};

} // namespace sheave
