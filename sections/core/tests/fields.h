#pragma once

#include <QString>

#include "sectionrecord.h"

#include <array>
#include <utility>

// The record's float slots by the names the engineer knows them by, for table-driven tests.
inline constexpr std::array<std::pair<const char *, float sections::SectionRecord::*>, 30>
    RecordSlots{{
        {"B", &sections::SectionRecord::B},     {"B1", &sections::SectionRecord::B1},
        {"b1", &sections::SectionRecord::b1},   {"B2", &sections::SectionRecord::B2},
        {"d1", &sections::SectionRecord::d1},   {"d2", &sections::SectionRecord::d2},
        {"H", &sections::SectionRecord::H},     {"h1", &sections::SectionRecord::h1},
        {"t1", &sections::SectionRecord::t1},   {"t2", &sections::SectionRecord::t2},
        {"t3", &sections::SectionRecord::t3},   {"t4", &sections::SectionRecord::t4},
        {"t5", &sections::SectionRecord::t5},   {"t6", &sections::SectionRecord::t6},
        {"l", &sections::SectionRecord::l},     {"d3", &sections::SectionRecord::d3},
        {"d4", &sections::SectionRecord::d4},   {"A", &sections::SectionRecord::A},
        {"x", &sections::SectionRecord::x},     {"y", &sections::SectionRecord::y},
        {"ex", &sections::SectionRecord::ex},   {"ey", &sections::SectionRecord::ey},
        {"Ix", &sections::SectionRecord::Ix},   {"Iy", &sections::SectionRecord::Iy},
        {"Wx1", &sections::SectionRecord::Wx1}, {"Wy1", &sections::SectionRecord::Wy1},
        {"Wx2", &sections::SectionRecord::Wx2}, {"Wy2", &sections::SectionRecord::Wy2},
        {"Sx", &sections::SectionRecord::Sx},   {"In", &sections::SectionRecord::In},
    }};

// The slot of that name; a misspelt name in a test table is a fault of the test.
inline float &Slot(sections::SectionRecord &record, const QString &name) {
    for (const auto &[slotName, member] : RecordSlots)
        if (name == QLatin1String(slotName))
            return record.*member;
    qFatal("no record slot %s", qPrintable(name));
}
