#include "ropeselection.h"

#include "runtimeerror.h"

#include <QTest>

using namespace hoistrope;

class RopeSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void slingForceAndDiameter_data();
    void slingForceAndDiameter();
    void shackleLimitsAreInclusive();
    void coefficientTable();
};

void RopeSelectionTest::slingForceAndDiameter_data() {
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("core");
    QTest::addColumn<int>("slings");
    QTest::addColumn<double>("force");
    QTest::addColumn<double>("diagonal");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("diameter");

    // Leg 3.6056 m.
    QTest::newRow("two slings") << 3.0 << 4.0 << 0.0 << FibreCore << TwoSlings << 58890.67 << 0.0
                                << 23.78 << 24.0;
    QTest::newRow("four slings") << 3.0 << 4.0 << 3.0 << SteelCore << FourSlings << 31891.85 << 5.0
                                 << 16.79 << 18.0;
    QTest::newRow("nothing chosen lifts on four")
        << 3.0 << 4.0 << 3.0 << SteelCore << NotChosen << 31891.85 << 5.0 << 16.79 << 18.0;
}

void RopeSelectionTest::slingForceAndDiameter() {
    QFETCH(double, h);
    QFETCH(double, l);
    QFETCH(double, b);
    QFETCH(int, core);
    QFETCH(int, slings);
    QFETCH(double, force);
    QFETCH(double, diagonal);
    QFETCH(double, minimum);
    QFETCH(double, diameter);

    RopeSelection kept;
    SelectRope({h, l, b, 10, 3, core, slings}, kept);
    QCOMPARE(std::round(kept.slingForce * 100) / 100, force);
    QCOMPARE(std::round(kept.diagonal * 100) / 100, diagonal);
    QCOMPARE(std::round(kept.minimumDiameter * 100) / 100, minimum);
    QCOMPARE(kept.ropeDiameter.value_or(-1), diameter);
}

void RopeSelectionTest::shackleLimitsAreInclusive() {
    const QList<std::pair<double, const char *>> limits{
        {49000, "DW5"},   {98000, "DW10"},  {156800, "DW16"}, {196000, "DW20"}, {313600, "DW32"},
        {392000, "DW40"}, {490000, "DW50"}, {617400, "DW63"}, {784000, "DW80"}, {980000, "DW100"},
    };
    for (qsizetype i = 0; i < limits.size(); ++i) {
        const auto &[limit, series] = limits[i];
        QCOMPARE(ShackleSeries(limit).value_or("none"), std::string(series));
        const std::string above = i + 1 < limits.size() ? limits[i + 1].second : "none";
        QCOMPARE(ShackleSeries(std::nextafter(limit, 1e9)).value_or("none"), above);
    }
    QCOMPARE(ShackleSeries(0).value_or("none"), std::string("DW5"));
}

void RopeSelectionTest::coefficientTable() {
    QCOMPARE(RopeCoefficient(0, FibreCore).value_or(0), 0.107);
    QCOMPARE(RopeCoefficient(3, SteelCore).value_or(0), 0.094);
    QCOMPARE(RopeCoefficient(6, SteelCore).value_or(0), 0.085);
    QVERIFY(!RopeCoefficient(NotChosen, FibreCore));
    QVERIFY(!RopeCoefficient(3, NotChosen));

    // A force beyond the series keeps the diameter and apologises for the shackle.
    RopeSelection kept;
    SelectRope({1, 0, 0, 200.0001, 3, FibreCore, TwoSlings}, kept);
    QVERIFY(kept.shackleTooLarge);
    QCOMPARE(kept.shackle, ShackleTooLargeText);
    QCOMPARE(kept.ropeDiameter.value_or(-1), 98.0);

    // A failed step after the coefficient keeps the coefficient, as the window does.
    RopeSelection failed;
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError,
                             SelectRope({3, 4, 0, -10, 0, SteelCore, TwoSlings}, failed));
    QCOMPARE(failed.coefficient.value_or(0), 0.103);
}

QTEST_APPLESS_MAIN(RopeSelectionTest)
#include "tst_ropeselection.moc"
