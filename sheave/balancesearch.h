#pragma once

#include "sheavelayout.h"

#include <functional>
#include <string>

// The balance position of the hook block at every 500 mm of the lift, and the report lines
// that list it.
namespace sheave {

// 0.618 rather than the golden ratio to full precision, so that results match the hand
// calculation digit for digit.
constexpr double SectionRatio = 0.618;
// The search ends when the bounds agree to this fraction of the upper bound.
constexpr double StopTolerance = 0.0001;
// The hook block is stepped down through the lift in steps of this many mm.
constexpr double HeightStep = 500;
// A lift longer than this many steps is refused before any line is written: such a report is
// no longer a hoist, and would only hold the window for minutes.
constexpr int MaxReportLines = 100000;
// A search over any interval that the window can hold settles in well under a hundred values;
// this bound only ends one that can never settle.
constexpr int MaxSearchEvaluations = 2000;

// Golden-section search for the x between 1 and l0 − 1 at which balanceValue is smallest,
// evaluating balanceValue once after each narrowing. Returns the middle of the final interval.
// Raises runtime::RuntimeError when l0 leaves no interval or the search cannot settle.
double BalanceSearch(double l0, const std::function<double(double x)> &balanceValue);

// The balance distance x of the hook block at depth y for arrangement 1 to 10.
double BalanceDistance(const SheaveLayout &layout, int arrangement, double y);

// One report line: a line feed, the height and the balance distance in whole mm, a carriage
// return. Raises runtime::RuntimeError when x rounds to 0 mm.
std::string ReportLine(double height, double x);

// Steps the block from the upper limit h0 down through the lifting height H in 500 mm steps
// and hands the report line of each height to appendLine, highest first. Arrangement 0 (none
// chosen) writes nothing. A step whose geometry is undefined stops the report with a
// runtime::RuntimeError naming the height and the cause; the lines handed over stay.
void WriteReport(const SheaveLayout &layout, double H, int arrangement,
                 const std::function<void(const std::string &line)> &appendLine);

} // namespace sheave
