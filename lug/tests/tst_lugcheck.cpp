#include "lugcheck.h"

#include <QTest>

#include <cmath>

using namespace lug;

namespace {
double hundredths(double value) {
    return std::round(value * 100) / 100;
}
} // namespace

class LugCheckTest : public QObject {
    Q_OBJECT
private slots:
    void stresses_data();
    void stresses();
    void holeRadiusGoesThroughItsText();
};

void LugCheckTest::stresses_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("vertical");
    QTest::addColumn<double>("horizontal");
    QTest::addColumn<QList<double>>("expected"); // σ1 σ2 σc σL σfa σfb τf σf combined

    // 3.14 for π leaves a small component along the base even at 90°.
    QTest::newRow("pulled square to the base")
        << 90.0 << 107.8 << 0.09
        << QList<double>{26.95, 77.0, 107.8, 153.09, 20.26, 60.41, 0.05, 60.41, 60.41};
    QTest::newRow("pulled at 45°")
        << 45.0 << 76.2 << 76.26
        << QList<double>{19.05, 54.43, 107.8, 153.09, 14.32, 42.70, 42.74, 42.70, 60.41};
}

void LugCheckTest::stresses() {
    QFETCH(double, angle);
    QFETCH(double, vertical);
    QFETCH(double, horizontal);
    QFETCH(QList<double>, expected);
    const LugCheck check = CheckLug({10, angle, 200, 25, 60, 20, 170});
    QVERIFY(!check.stop);
    const LugStresses &s = check.stresses;
    QCOMPARE(hundredths(s.designForce), 107.8);
    QCOMPARE(hundredths(s.vertical), vertical);
    const QList<double> actual{s.base,      s.besideHole,      s.bearing,
                               s.holeEdge,  s.weldNormalPlate, s.weldNormal,
                               s.weldShear, s.weldGoverning,   s.weldCombined};
    for (qsizetype i = 0; i < actual.size(); ++i)
        QCOMPARE(hundredths(actual[i]), expected[i]);
    QCOMPARE(hundredths(s.horizontal), horizontal);
}

void LugCheckTest::holeRadiusGoesThroughItsText() {
    QCOMPARE(HoleRadius(" 50 "), 25.0);
    QCOMPARE(HoleRadius("0.3"), 0.15);
    // Halved and written with 15 digits, the radius loses the last digits of the diameter.
    QCOMPARE(HoleRadius("50.00000000000001"), 25.0);
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, HoleRadius(""));
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, HoleRadius("5O"));
}

QTEST_APPLESS_MAIN(LugCheckTest)
#include "tst_lugcheck.moc"
