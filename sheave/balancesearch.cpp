#include "balancesearch.h"

#include "numbers.h"
#include "runtimeerror.h"

#include <cmath>

namespace sheave {

using runtime::ErrorKind;
using runtime::RuntimeError;

double BalanceSearch(double l0, const std::function<double(double x)> &balanceValue) {
    double b = l0 - 1;
    double a = 1;
    double x1 = b - (b - 1) * SectionRatio;
    double x2 = (b - 1) * SectionRatio + 1;
    double f1 = balanceValue(x1);
    double f2 = balanceValue(x2);
    int evaluations = 2;
    for (;;) {
        if (b == 0)
            throw RuntimeError(ErrorKind::DivisionByZero,
                               "卷筒与定滑轮的水平距离l0过小，滑轮与卷筒的距离x的搜索区间"
                               "（1 至 l0-1）的上界为 0");
        if (std::fabs(1 - a / b) < StopTolerance)
            break;
        if (evaluations >= MaxSearchEvaluations)
            throw RuntimeError(ErrorKind::InvalidCall,
                               "滑轮与卷筒的距离x找不到平衡位置，请检查 l0 与各项尺寸");
        // Equal values move the lower bound.
        if (f1 >= f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = (b - a) * SectionRatio + a;
            f2 = balanceValue(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - (b - a) * SectionRatio;
            f1 = balanceValue(x1);
        }
        ++evaluations;
    }
    return runtime::Checked((a + b) / 2);
}

double BalanceDistance(const SheaveLayout &layout, int arrangement, double y) {
    return BalanceSearch(layout.l0, [&](double x) { return layout.SideForce(arrangement, y, x); });
}

std::string ReportLine(double height, double x) {
    // Whole millimetres; a distance under half a millimetre leaves no digit to read back.
    const std::string wholeMillimetres = runtime::FormatNumber(x, "######");
    if (wholeMillimetres.empty())
        throw RuntimeError(ErrorKind::TypeMismatch,
                           "滑轮与卷筒的距离x不足 0.5 mm，取整为 0，请检查 l0");
    return "\n  高度为：" + runtime::NumberTextLeadingBlank(height) +
           "mm 时, 滑轮与卷筒的距离x为：" + runtime::NumberTextLeadingBlank(wholeMillimetres) +
           " mm\r";
}

void WriteReport(const SheaveLayout &layout, double H, int arrangement,
                 const std::function<void(const std::string &line)> &appendLine) {
    if (arrangement < 1 || arrangement > ArrangementCount)
        return;
    const RuntimeError liftTooLong(ErrorKind::Overflow,
                                   "起升高度H过大：每 500 mm 一行，计算结果将超过 100000 行");
    if (H / HeightStep >= MaxReportLines)
        throw liftTooLong;

    // The end and the step are fixed when the descent starts.
    const double end = H + layout.h0;
    if (!std::isfinite(end))
        throw RuntimeError(ErrorKind::Overflow, "起升高度H与上极限h0之和超出计算范围（溢出）");
    int lines = 0;
    for (double y = layout.h0; y <= end; y += HeightStep) {
        if (++lines > MaxReportLines)
            throw liftTooLong;
        const double height = runtime::Checked(H + layout.h0 - y);
        std::string line;
        try {
            line = ReportLine(height, BalanceDistance(layout, arrangement, y));
        } catch (const RuntimeError &error) {
            throw RuntimeError(error.kind(),
                               "高度为 " + runtime::NumberText(height) + " mm 时，" + error.what());
        }
        appendLine(line);
        if (y + HeightStep == y)
            throw RuntimeError(ErrorKind::Overflow, "上极限h0过大，按 500 mm 的步长已无法降低吊钩");
    }
}

} // namespace sheave
