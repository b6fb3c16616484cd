#pragma once

#include "sheavelayout.h"

// The dimensions the window opens with: drum R0 800, moving and fixed sheaves 450, small
// sheave 300, large sheaves 560, reeving ratio 6, upper limit 2884 mm below the drum axis.
inline sheave::SheaveLayout initialLayout() {
    sheave::SheaveLayout layout;
    layout.h0 = 2884;
    layout.l0 = 1565;
    layout.h = 0;
    layout.R0 = 800;
    layout.R1 = 450;
    layout.R2 = 450;
    layout.R3 = 300;
    layout.R4 = 560;
    layout.n = 6;
    layout.h1 = 625;
    layout.l1 = 2068;
    return layout;
}
