#include "initiallayout.h"
#include "runtimeerror.h"
#include "sheavelayout.h"

#include <QTest>

using sheave::SheaveLayout;

class SheaveLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void sideForceAtUpperLimit_data();
    void sideForceAtUpperLimit();
    void sideForce1AcrossTheSpan();
    void fractionalReevingRatioIsUsedAsTyped_data();
    void fractionalReevingRatioIsUsedAsTyped();
    void undefinedGeometryNamesItsCause_data();
    void undefinedGeometryNamesItsCause();
};

void SheaveLayoutTest::sideForceAtUpperLimit_data() {
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<double>("expected");
    const double values[] = {178.883, 179.145, 93.272,  74.521,  74.783,
                             11.090,  222.932, 223.486, 118.570, 117.777};
    for (int k = 1; k <= sheave::ArrangementCount; ++k)
        QTest::addRow("SideForce%d", k) << k << values[k - 1];
}

void SheaveLayoutTest::sideForceAtUpperLimit() {
    QFETCH(int, arrangement);
    QFETCH(double, expected);
    const double value = initialLayout().SideForce(arrangement, 2884, 1000);
    QVERIFY2(std::fabs(value - expected) < 0.0005, qPrintable(QString::number(value, 'f', 6)));
}

void SheaveLayoutTest::sideForce1AcrossTheSpan() {
    const SheaveLayout layout = initialLayout();
    QCOMPARE(std::round(layout.SideForce1(2884, 1) * 10) / 10, 537.4);
    QCOMPARE(std::round(layout.SideForce1(2884, 1564) * 10) / 10, 52.0);
    // The pull falls to nearly nothing between 1437 and 1438 mm and rises on both sides.
    const double at1437 = layout.SideForce1(2884, 1437);
    const double at1438 = layout.SideForce1(2884, 1438);
    QVERIFY(at1437 < 0.25 && at1438 < 0.25);
    QVERIFY(layout.SideForce1(2884, 1436) > std::max(at1437, at1438));
    QVERIFY(layout.SideForce1(2884, 1439) > std::max(at1437, at1438));
}

void SheaveLayoutTest::fractionalReevingRatioIsUsedAsTyped_data() {
    QTest::addColumn<int>("arrangement");
    for (int k = 1; k <= sheave::ArrangementCount; ++k)
        QTest::addRow("SideForce%d", k) << k;
}

// The sum of direction cosines is linear in n, so at x = 1000 (where it keeps its sign)
// n = 6.5 lies halfway between n = 6 and n = 7; a rounded n would land on one of them.
void SheaveLayoutTest::fractionalReevingRatioIsUsedAsTyped() {
    QFETCH(int, arrangement);
    SheaveLayout layout = initialLayout();
    layout.n = 6;
    const double six = layout.SideForce(arrangement, 2884, 1000);
    layout.n = 7;
    const double seven = layout.SideForce(arrangement, 2884, 1000);
    layout.n = 6.5;
    const double halfway = layout.SideForce(arrangement, 2884, 1000);
    QVERIFY(std::fabs(six - seven) > 1);
    QVERIFY2(std::fabs(halfway - (six + seven) / 2) < 1e-9, qPrintable(QString::number(halfway)));
}

void SheaveLayoutTest::undefinedGeometryNamesItsCause_data() {
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("fixedSheaveDrop");
    QTest::addColumn<QString>("cause");
    QTest::newRow("block against drum, crossed tangent")
        << 1 << 600.0 << 700.0 << 0.0 << "卷筒与动滑轮的中心距不大于 R0+R1";
    QTest::newRow("large sheave against drum") << 8 << 600.0 << 700.0 << 0.0 << "R0+R4";
    QTest::newRow("block inside drum, open tangent")
        << 4 << 200.0 << 100.0 << 0.0 << "卷筒与动滑轮的中心距不大于 |R0-R1|";
    QTest::newRow("block against fixed sheave")
        << 1 << 2884.0 << 1000.0 << 2884.0 << "动滑轮与定滑轮的中心距不大于 R1+R2";
    QTest::newRow("small sheave against fixed sheave")
        << 2 << 2884.0 << 1000.0 << 2884.0 << "小滑轮与定滑轮的中心距不大于 R3+R2";
    QTest::newRow("block under the drum axis") << 1 << 2884.0 << 0.0 << 0.0 << "x = 0";
    QTest::newRow("block under the fixed sheave") << 5 << 2884.0 << 1565.0 << 0.0 << "x = l0";
    QTest::newRow("block under the balance arm point")
        << 9 << 2884.0 << 2068.0 << 0.0 << "平衡臂点在同一铅垂线上（x = l1）";
    QTest::newRow("block against the balance arm point")
        << 7 << 825.0 << 1900.0 << 0.0 << "平衡臂点与动滑轮轴线的距离不大于 R1";
}

void SheaveLayoutTest::undefinedGeometryNamesItsCause() {
    QFETCH(int, arrangement);
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(double, fixedSheaveDrop);
    QFETCH(QString, cause);
    SheaveLayout layout = initialLayout();
    layout.h = fixedSheaveDrop;
    if (arrangement == 7) // let the block reach the arm point before it meets the drum
        layout.R0 = 100;
    try {
        const double value = layout.SideForce(arrangement, y, x);
        QFAIL(qPrintable(QString("no error, value %1").arg(value)));
    } catch (const runtime::RuntimeError &error) {
        const QString text = QString::fromUtf8(error.what());
        QVERIFY2(text.contains(cause), qPrintable(text));
    }
}

QTEST_APPLESS_MAIN(SheaveLayoutTest)
#include "tst_sheavelayout.moc"
