#include "balancesearch.h"
#include "initiallayout.h"
#include "runtimeerror.h"

#include <QTest>

#include <limits>

using sheave::SheaveLayout;

namespace {

constexpr double initialLift = 34000;

QStringList reportLines(const SheaveLayout &layout, double H, int arrangement) {
    QStringList lines;
    sheave::WriteReport(layout, H, arrangement,
                        [&](const std::string &line) { lines << QString::fromStdString(line); });
    return lines;
}

// The line as the engineer reads it: height and distance as written, the line feed in front
// and the carriage return behind.
QString expectedLine(const QString &height, const QString &x) {
    return QStringLiteral("\n  高度为：%1mm 时, 滑轮与卷筒的距离x为：%2 mm\r").arg(height, x);
}

QString heightOf(const QString &line) {
    return line.section(QStringLiteral("高度为："), 1).section(QStringLiteral("mm"), 0, 0);
}

QString distanceOf(const QString &line) {
    return line.section(QStringLiteral("距离x为："), 1).section(QStringLiteral(" mm"), 0, 0);
}

} // namespace

class BalanceSearchTest : public QObject {
    Q_OBJECT
private slots:
    void initialArrangementOneReportsEveryHeight();
    void firstAndLastDistanceOfEveryArrangement_data();
    void firstAndLastDistanceOfEveryArrangement();
    void liftingHeightSetsTheLines_data();
    void liftingHeightSetsTheLines();
    void shortestSpanSettlesAtOnce();
    void noArrangementWritesNothing();
    void searchAlwaysEnds();
    void undefinedStepStopsTheReport_data();
    void undefinedStepStopsTheReport();
};

void BalanceSearchTest::initialArrangementOneReportsEveryHeight() {
    const QStringList lines = reportLines(initialLayout(), initialLift, 1);
    QCOMPARE(lines.size(), 69);
    QCOMPARE(lines.first(), expectedLine(" 34000", " 1437"));
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(heightOf(lines[i]), QStringLiteral(" %1").arg(34000 - 500 * i));
        QCOMPARE(distanceOf(lines[i]), QStringLiteral(" 1437"));
    }
}

void BalanceSearchTest::firstAndLastDistanceOfEveryArrangement_data() {
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QString>("atTop");
    QTest::addColumn<QString>("atBottom");
    const int top[] = {1437, 1438, 1227, 1193, 1193, 972, 1527, 1526, 1297, 1293};
    const int bottom[] = {1437, 1437, 1231, 1171, 1171, 964, 1522, 1522, 1256, 1256};
    for (int k = 1; k <= sheave::ArrangementCount; ++k)
        QTest::addRow("arrangement %d", k) << k << QStringLiteral(" %1").arg(top[k - 1])
                                           << QStringLiteral(" %1").arg(bottom[k - 1]);
}

void BalanceSearchTest::firstAndLastDistanceOfEveryArrangement() {
    QFETCH(int, arrangement);
    QFETCH(QString, atTop);
    QFETCH(QString, atBottom);
    const QStringList lines = reportLines(initialLayout(), initialLift, arrangement);
    QCOMPARE(lines.size(), 69);
    QCOMPARE(lines.first(), expectedLine(" 34000", atTop));
    QCOMPARE(lines.last(), expectedLine(" 0", atBottom));
}

void BalanceSearchTest::liftingHeightSetsTheLines_data() {
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("h0");
    QTest::addColumn<QStringList>("heights");
    QTest::newRow("no lift") << 0.0 << 2884.0 << QStringList{" 0"};
    QTest::newRow("negative lift") << -1.0 << 2884.0 << QStringList{};
    QTest::newRow("not a whole step") << 1200.0 << 2884.0 << QStringList{" 1200", " 700", " 200"};
    QTest::newRow("half a millimetre")
        << 1000.5 << 2884.0 << QStringList{" 1000.5", " 500.5", " .5"};
    QTest::newRow("fractional upper limit") << 500.0 << 2884.25 << QStringList{" 500", " 0"};
}

void BalanceSearchTest::liftingHeightSetsTheLines() {
    QFETCH(double, H);
    QFETCH(double, h0);
    QFETCH(QStringList, heights);
    SheaveLayout layout = initialLayout();
    layout.h0 = h0;
    const QStringList lines = reportLines(layout, H, 1);
    QStringList written;
    for (const QString &line : lines) {
        written << heightOf(line);
        QCOMPARE(distanceOf(line), QStringLiteral(" 1437"));
    }
    QCOMPARE(written, heights);
}

// l0 = 2 leaves a = b = 1: two evaluations, then x = 1 on every line.
void BalanceSearchTest::shortestSpanSettlesAtOnce() {
    int evaluations = 0;
    const double x = sheave::BalanceSearch(2, [&](double) {
        ++evaluations;
        return 1.0;
    });
    QCOMPARE(x, 1.0);
    QCOMPARE(evaluations, 2);

    SheaveLayout layout = initialLayout();
    layout.l0 = 2;
    const QStringList lines = reportLines(layout, 1000, 1);
    QCOMPARE(lines.size(), 3);
    for (const QString &line : lines)
        QCOMPARE(distanceOf(line), QStringLiteral(" 1"));
}

void BalanceSearchTest::noArrangementWritesNothing() {
    QVERIFY(reportLines(initialLayout(), initialLift, 0).isEmpty());
}

// Whatever the balance procedure returns, even nothing defined, the interval narrows by the
// section ratio at every value and the search ends.
void BalanceSearchTest::searchAlwaysEnds() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    int evaluations = 0;
    const double x = sheave::BalanceSearch(1565, [&](double) {
        ++evaluations;
        return nan;
    });
    QVERIFY(x >= 1 && x < 1.2);
    QVERIFY(evaluations < 40);

    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError,
                             sheave::BalanceSearch(nan, [](double x) { return x; }));
}

void BalanceSearchTest::undefinedStepStopsTheReport_data() {
    QTest::addColumn<double>("l0");
    QTest::addColumn<double>("fixedSheaveDrop");
    QTest::addColumn<double>("upperLimit");
    QTest::addColumn<double>("H");
    QTest::addColumn<int>("linesBefore");
    QTest::addColumn<QString>("cause");
    QTest::newRow("l0 = 1") << 1.0 << 0.0 << 2884.0 << initialLift << 0
                            << "高度为 34000 mm 时，卷筒与定滑轮的水平距离l0过小";
    QTest::newRow("distance rounds to nothing")
        << 0.5 << 0.0 << 2884.0 << initialLift << 0
        << "高度为 34000 mm 时，滑轮与卷筒的距离x不足 0.5 mm";
    // The block passes the level of a fixed sheave hung 20 m below the drum, and runs into it.
    QTest::newRow("block meets the fixed sheave") << 1565.0 << 20000.0 << 2884.0 << initialLift
                                                  << 33 << "mm 时，动滑轮与定滑轮的中心距不大于";
    QTest::newRow("lift of more than 100000 lines")
        << 1565.0 << 0.0 << 2884.0 << 5.0e7 << 0 << "起升高度H过大";
    // Squares of such dimensions leave the range of a double.
    QTest::newRow("fixed sheave drop out of range")
        << 1565.0 << 1.0e200 << 2884.0 << initialLift << 0
        << "高度为 34000 mm 时，尺寸数值过大，超出计算范围（溢出）";
    QTest::newRow("upper limit out of range")
        << 1565.0 << 0.0 << 1.0e200 << initialLift << 0 << "尺寸数值过大，超出计算范围（溢出）";
    QTest::newRow("lowest depth out of range")
        << 1565.0 << 0.0 << -1.7e308 << -1.0e308 << 0 << "起升高度H与上极限h0之和超出计算范围";
}

void BalanceSearchTest::undefinedStepStopsTheReport() {
    QFETCH(double, l0);
    QFETCH(double, fixedSheaveDrop);
    QFETCH(double, upperLimit);
    QFETCH(double, H);
    QFETCH(int, linesBefore);
    QFETCH(QString, cause);
    SheaveLayout layout = initialLayout();
    layout.l0 = l0;
    layout.h = fixedSheaveDrop;
    layout.h0 = upperLimit;
    QStringList lines;
    try {
        sheave::WriteReport(
            layout, H, 1, [&](const std::string &line) { lines << QString::fromStdString(line); });
        QFAIL("the report did not stop");
    } catch (const runtime::RuntimeError &error) {
        const QString text = QString::fromUtf8(error.what());
        QVERIFY2(text.contains(cause), qPrintable(text));
    }
    QCOMPARE(lines.size(), linesBefore);
}

QTEST_APPLESS_MAIN(BalanceSearchTest)
#include "tst_balancesearch.moc"
