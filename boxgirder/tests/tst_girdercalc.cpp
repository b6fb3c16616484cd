#include "girdercalc.h"
#include "runtimeerror.h"

#include <QTest>

using elsbrook::GirderCalculation;

class GirderCalcTest : public QObject {
    Q_OBJECT
private slots:
    void section_data();
    void section();
    void deflection_data();
    void deflection();
    void badInput_data();
    void badInput();
    void dutyClassBeforeAndAfterAValidOne();
    void failedCheckKeepsEarlierResults();
};

// The six texts of the geometry window.
struct SectionTexts {
    const char *h, *b, *b1, *t1, *t2, *t3;
};
Q_DECLARE_METATYPE(SectionTexts)

void GirderCalcTest::section_data() {
    QTest::addColumn<SectionTexts>("dims");
    QTest::addColumn<QList<int>>("wholeValues"); // A, z, y, Sz, Wzs, Wzx, Wyz, Wyy, Q
    QTest::addColumn<double>("iz");
    QTest::addColumn<double>("iy");

    QTest::newRow("initial section")
        << SectionTexts{"500", "300", "250", "8", "8", "6"}
        << QList<int>{106, 150, 250, 942, 1616, 1616, 875, 875, 82} << 40388.2304 << 13117.5696;
    // 7.5 counts as 8, 8.5 as 8 and 6.5 as 6: halves go to the even millimetre.
    QTest::newRow("half millimetres to even")
        << SectionTexts{" 500 ", "300", "250", "7.5", "8.5", "6.5"}
        << QList<int>{106, 150, 250, 942, 1616, 1616, 875, 875, 82} << 40388.2304 << 13117.5696;
    // Equal flanges, odd height: y = 250.5 goes to 250 and the two top and bottom moduli part.
    QTest::newRow("odd height") << SectionTexts{"501", "300", "250", "8", "8", "6"}
                                << QList<int>{106, 150, 250, 947, 1617, 1623, 876, 876, 82}
                                << 40577.118 << 13137.234;
    QTest::newRow("unequal flanges")
        << SectionTexts{"1200", "520", "460", "14", "12", "8"}
        << QList<int>{323, 260, 618, 6767, 11870, 11179, 5128, 5128, 249} << 690854.0736
        << 133328.7552;
    // Fifteen-digit second moments from a deep, heavy girder.
    QTest::newRow("deep heavy girder")
        << SectionTexts{"2999", "977", "901", "47", "43", "29"}
        << QList<int>{2567, 488, 1520, 126303, 210071, 204405, 89024, 89024, 1976}
        << 31069571.2494667 << 4348805.02976667;
    QTest::newRow("odd plates") << SectionTexts{"777", "401", "333", "9", "11", "7"}
                                << QList<int>{186, 200, 373, 2534, 4160, 4506, 2064, 2064, 143}
                                << 168078.234 << 41379.41435;
}

void GirderCalcTest::section() {
    QFETCH(SectionTexts, dims);
    QFETCH(QList<int>, wholeValues);
    QFETCH(double, iz);
    QFETCH(double, iy);

    GirderCalculation c;
    c.ComputeSection(dims.h, dims.b, dims.b1, dims.t1, dims.t2, dims.t3);
    const QList<int> got{c.A, c.z, c.y, c.Sz, c.Wzs, c.Wzx, c.Wyz, c.Wyy, c.Q};
    QCOMPARE(got, wholeValues);
    QCOMPARE(c.Iz, iz);
    QCOMPARE(c.Iy, iy);
}

void GirderCalcTest::deflection_data() {
    QTest::addColumn<SectionTexts>("dims");
    QTest::addColumn<QString>("duty");
    QTest::addColumn<QStringList>("crane"); // lift t, trolley t, span m
    QTest::addColumn<bool>("singleGirder");
    QTest::addColumn<float>("f");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<bool>("beyond");
    QTest::addColumn<float>("allowed");
    QTest::addColumn<bool>("passes");

    const SectionTexts initial{"500", "300", "250", "8", "8", "6"};
    QTest::newRow("double girder 5 t 10 m A3") << initial << "A3" << QStringList{"5", "2", "10"}
                                               << false << 0.86F << 1163 << false << 1.33F << true;
    QTest::newRow("single girder 10 t 22 m A5") << initial << "A5" << QStringList{"10", "3", "22"}
                                                << true << 34.0F << 65 << false << 2.44F << false;
    QTest::newRow("double girder 10 t 22 m A5") << initial << "A5" << QStringList{"10", "3", "22"}
                                                << false << 17.0F << 129 << false << 2.44F << false;
    QTest::newRow("span typed with a half metre") // 22.5 m is taken as 22 m
        << initial << "A5" << QStringList{"10", "3", "22.5"} << true << 34.0F << 65 << false
        << 2.44F << false;
    QTest::newRow("deeper girder A6")
        << SectionTexts{"1200", "520", "460", "14", "12", "8"} << "A6"
        << QStringList{"20", "6", "28"} << false << 4.1F << 683 << false << 2.8F << false;
    QTest::newRow("A7") << SectionTexts{"1200", "520", "460", "14", "12", "8"} << "A7"
                        << QStringList{"32", "9", "31"} << true << 17.54F << 177 << false << 2.58F
                        << false;
    QTest::newRow("A4") << SectionTexts{"777", "401", "333", "9", "11", "7"} << "A4"
                        << QStringList{"16", "5", "19"} << true << 8.5F << 224 << false << 2.38F
                        << false;
    QTest::newRow("A2 passes") << initial << "A2" << QStringList{"3", "1", "8"} << false << 0.25F
                               << 3200 << false << 1.14F << true;
    // f is 0.32 in two decimals, kept as the single a hair below it: L / f of the two singles
    // is 2812.50006 and rounds up, not to the even 2812.
    QTest::newRow("ratio just above a half")
        << SectionTexts{"1158", "549", "455", "8", "30", "29"} << "A2"
        << QStringList{"57", "1", "9"} << true << 0.32F << 2813 << false << 1.29F << true;
    // Span over deflection 40000 is beyond the ratio kept: a result, shown as such.
    QTest::newRow("stiff girder short span") << initial << "A3" << QStringList{"1", "0", "4"}
                                             << false << 0.01F << 32767 << true << 0.53F << true;
}

void GirderCalcTest::deflection() {
    QFETCH(SectionTexts, dims);
    QFETCH(QString, duty);
    QFETCH(QStringList, crane);
    QFETCH(bool, singleGirder);
    QFETCH(float, f);
    QFETCH(int, ratio);
    QFETCH(bool, beyond);
    QFETCH(float, allowed);
    QFETCH(bool, passes);

    GirderCalculation c;
    c.StoreCraneData(duty.toStdString(), crane[0].toStdString(), crane[1].toStdString(),
                     crane[2].toStdString(), singleGirder);
    c.ComputeSection(dims.h, dims.b, dims.b1, dims.t1, dims.t2, dims.t3);
    c.ComputeDeflection();
    QCOMPARE(c.Deflection, f);
    QCOMPARE(int(c.SpanRatio), ratio);
    QCOMPARE(c.SpanRatioBeyond, beyond);
    QCOMPARE(c.AllowedDeflection, allowed);
    QCOMPARE(c.DeflectionPasses(), passes);
}

void GirderCalcTest::badInput_data() {
    QTest::addColumn<QStringList>("crane"); // duty, lift, trolley, span
    QTest::addColumn<SectionTexts>("dims");
    QTest::addColumn<QString>("message");

    const QStringList crane{"A3", "5", "2", "10"};
    const SectionTexts dims{"500", "300", "250", "8", "8", "6"};
    QTest::newRow("empty lift") << QStringList{"A3", "", "2", "10"} << dims << "请输入起重量";
    QTest::newRow("lift not a number")
        << QStringList{"A3", "5t", "2", "10"} << dims << "起重量应为数字";
    QTest::newRow("blank trolley") << QStringList{"A3", "5", "  ", "10"} << dims << "请输入小车重";
    QTest::newRow("negative span")
        << QStringList{"A3", "5", "2", "-10"} << dims << "跨度不能为负数";
    // A span of 0 m (0.4 m read as a whole number) is taken; the check then has no deflection.
    QTest::newRow("zero span") << QStringList{"A3", "5", "2", "0.4"} << dims
                               << "跨度为零，无法求跨度比";
    QTest::newRow("trolley beyond the integer range")
        << QStringList{"A3", "5", "3000000", "10"} << dims << "小车重数值过大";
    QTest::newRow("lift beyond any range")
        << QStringList{"A3", "1E999", "2", "10"} << dims << "起重量数值过大";
    QTest::newRow("empty height") << crane << SectionTexts{"", "300", "250", "8", "8", "6"}
                                  << "请输入截面高度H";
    QTest::newRow("web thickness not a number")
        << crane << SectionTexts{"500", "300", "250", "8", "8", "六"} << "腹板厚度T3应为数字";
    QTest::newRow("flanges thicker than the height")
        << crane << SectionTexts{"10", "300", "250", "8", "8", "6"}
        << "截面高度H小于上下翼缘厚度之和";
    QTest::newRow("no area") << crane << SectionTexts{"16", "0", "250", "8", "8", "0"}
                             << "截面积A为零，请检查截面尺寸";
    // A 1 mm top plate on no webs: y = 1.5 goes to 2, the top face.
    QTest::newRow("centroid at the top face")
        << crane << SectionTexts{"2", "300", "250", "1", "0", "0"}
        << "形心至上翼缘顶面距离H-y为零，请检查截面尺寸";
    // A 1 mm bottom plate on no webs: y = 0.5 goes to 0, the bottom face.
    QTest::newRow("centroid at the bottom face")
        << crane << SectionTexts{"2", "300", "250", "0", "1", "0"}
        << "形心高度y为零，请检查截面尺寸";
    QTest::newRow("no flange width") << crane << SectionTexts{"500", "0", "250", "8", "8", "6"}
                                     << "翼缘宽度B为零，请检查截面尺寸";
    QTest::newRow("32-bit product overflows")
        << crane << SectionTexts{"100000", "100000", "250", "30000", "30000", "6"}
        << "截面尺寸过大，超出整数运算范围";
    QTest::newRow("no load, no deflection")
        << QStringList{"A3", "0", "0", "10"} << dims << "挠度不足0.005厘米，无法求跨度比";
    QTest::newRow("deflection beyond the integer range")
        << QStringList{"A3", "2000000", "2000", "2000"}
        << SectionTexts{"2", "1", "0", "0", "0", "1"} << "挠度过大，超出计算范围";
}

void GirderCalcTest::badInput() {
    QFETCH(QStringList, crane);
    QFETCH(SectionTexts, dims);
    QFETCH(QString, message);

    GirderCalculation c;
    try {
        c.StoreCraneData(crane[0].toStdString(), crane[1].toStdString(), crane[2].toStdString(),
                         crane[3].toStdString(), true);
        c.ComputeSection(dims.h, dims.b, dims.b1, dims.t1, dims.t2, dims.t3);
        c.ComputeDeflection();
    } catch (const runtime::RuntimeError &error) {
        QCOMPARE(QString::fromUtf8(error.what()), message);
        return;
    }
    QFAIL("the calculation went on");
}

void GirderCalcTest::dutyClassBeforeAndAfterAValidOne() {
    GirderCalculation c;
    // Matched exactly: a lower-case class is no class.
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, c.StoreCraneData("a3", "5", "2", "10", false));
    QCOMPARE(c.DeflectionDivisor, 0);
    QCOMPARE(c.LiftLoad, 0.0F);

    c.StoreCraneData("A6", "5", "2", "10", false);
    QCOMPARE(c.DeflectionDivisor, 1000);
    // Once a class is given, a text naming none keeps it, and the new crane data are taken.
    c.StoreCraneData("A9", "8", "3", "12", true);
    QCOMPARE(c.DeflectionDivisor, 1000);
    QCOMPARE(c.LiftLoad, 8000.0F);
    QCOMPARE(c.TrolleyLoad, 3000);
    QCOMPARE(c.SpanCm, 1200.0F);
    QCOMPARE(int(c.GirderCount), 1);
}

void GirderCalcTest::failedCheckKeepsEarlierResults() {
    GirderCalculation c;
    c.StoreCraneData("A3", "5", "2", "10", false);
    c.ComputeSection("500", "300", "250", "8", "8", "6");
    c.ComputeDeflection();
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError,
                             c.ComputeSection("600", "320", "260", "10", "x", "6"));
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, c.StoreCraneData("A5", "10", "", "22", true));
    QCOMPARE(c.H, 500);
    QCOMPARE(c.Iz, 40388.2304);
    QCOMPARE(c.DeflectionDivisor, 750);
    QCOMPARE(c.Deflection, 0.86F);
    QCOMPARE(int(c.GirderCount), 2);
}

QTEST_APPLESS_MAIN(GirderCalcTest)
#include "tst_girdercalc.moc"
