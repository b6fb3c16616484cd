#include "travelmotor.h"

#include <QObject>
#include <QTest>

#include <cmath>
#include <string>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(travelmotor::Inputs)

using travelmotor::Inputs;

namespace {

// The bridge crane of the worked example: 10 t hoisted, 5 t dead weight, 400 mm wheels,
// 30 m/min on two motors.
Inputs bridgeCrane() {
    Inputs inputs;
    inputs.craneType = "桥式起重机";
    inputs.hoistLoad = 10000;
    inputs.deadWeight = 5000;
    inputs.windResistance = 0;
    inputs.wheelDiameter = 400;
    inputs.travelSpeed = 30;
    inputs.motorCount = 2;
    inputs.efficiency = 0.9;
    inputs.powerFactor = 1.2;
    return inputs;
}

} // namespace

class TravelMotorTest : public QObject {
    Q_OBJECT
private slots:
    void wheelCoefficient_data();
    void wheelCoefficient();
    void craneTypeCoefficient_data();
    void craneTypeCoefficient();
    void workedExample();
    void stopsAtFailingStep_data();
    void stopsAtFailingStep();
};

void TravelMotorTest::wheelCoefficient_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("coefficient");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("empty diameter") << 0.0 << 0.025 << true;
    QTest::newRow("200 upper bound") << 200.0 << 0.025 << true;
    QTest::newRow("200.5") << 200.5 << 0.02 << true;
    QTest::newRow("400 upper bound") << 400.0 << 0.02 << true;
    QTest::newRow("400.5") << 400.5 << 0.015 << true;
    QTest::newRow("600 upper bound") << 600.0 << 0.015 << true;
    QTest::newRow("600.5") << 600.5 << 0.011 << true;
    QTest::newRow("800 upper bound") << 800.0 << 0.011 << true;
    QTest::newRow("800.5 outside") << 800.5 << 0.0 << false;
    QTest::newRow("801 outside") << 801.0 << 0.0 << false;
}

void TravelMotorTest::wheelCoefficient() {
    QFETCH(double, diameter);
    QFETCH(double, coefficient);
    QFETCH(bool, inRange);
    const auto wheel = travelmotor::WheelCoefficientFor(diameter);
    QCOMPARE(wheel.value, coefficient);
    QCOMPARE(wheel.inRange, inRange);
}

void TravelMotorTest::craneTypeCoefficient_data() {
    QTest::addColumn<std::string>("craneType");
    QTest::addColumn<double>("coefficient");
    QTest::newRow("bridge crane") << std::string("桥式起重机") << 0.001;
    QTest::newRow("gantry and portal") << std::string("门式和门座式起重机") << 0.003;
    QTest::newRow("railway crane") << std::string("铁路起重机") << 0.004;
    QTest::newRow("tower crane") << std::string("建筑塔式起重机") << 0.005;
    QTest::newRow("crab on the bridge") << std::string("桥架上的小车") << 0.002;
    QTest::newRow("prompt") << std::string("起重机类型") << 0.0;
    QTest::newRow("empty") << std::string() << 0.0;
    QTest::newRow("trailing blank") << std::string("桥式起重机 ") << 0.0;
    QTest::newRow("part of a type") << std::string("桥式") << 0.0;
}

void TravelMotorTest::craneTypeCoefficient() {
    QFETCH(std::string, craneType);
    QFETCH(double, coefficient);
    QCOMPARE(travelmotor::CraneTypeCoefficient(craneType), coefficient);
}

void TravelMotorTest::workedExample() {
    const auto result = travelmotor::Calculate(bridgeCrane());
    QVERIFY(!result.stop);
    QCOMPARE(result.wheel.value, 0.02);
    QCOMPARE(result.craneType, 0.001);
    QCOMPARE(*result.travelResistance, 3150.0);
    QCOMPARE(*result.power, 1.05);
    QCOMPARE(*result.torque, 315.0);
    QCOMPARE(*result.wheelSpeed, 23.87324f);
}

void TravelMotorTest::stopsAtFailingStep_data() {
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("hasPower");
    QTest::addColumn<bool>("hasTorque");

    Inputs inputs = bridgeCrane();
    inputs.efficiency = 0;
    QTest::newRow("efficiency zero") << inputs << "传动效率为零，无法计算功率" << false << false;

    inputs = bridgeCrane();
    inputs.motorCount = 0;
    QTest::newRow("no motors") << inputs << "电机数量为零，无法计算功率" << false << false;

    inputs = bridgeCrane();
    inputs.efficiency = 0;
    inputs.motorCount = 0;
    QTest::newRow("efficiency met first")
        << inputs << "传动效率为零，无法计算功率" << false << false;

    inputs = bridgeCrane();
    inputs.wheelDiameter = 0;
    QTest::newRow("wheel diameter zero") << inputs << "车轮直径为零，无法计算转速" << true << true;

    inputs = bridgeCrane();
    inputs.hoistLoad = 1e308;
    inputs.deadWeight = 1e308;
    QTest::newRow("loads beyond range")
        << inputs << "运行阻力计算溢出，请检查输入的数值" << false << false;

    inputs = bridgeCrane();
    inputs.efficiency = 1e-310;
    QTest::newRow("power beyond range")
        << inputs << "功率计算溢出，请检查输入的数值" << false << false;

    inputs = bridgeCrane();
    inputs.travelSpeed = 1e300;
    inputs.wheelDiameter = 1;
    QTest::newRow("speed beyond single range")
        << inputs << "转速计算溢出，请检查输入的数值" << true << true;
}

void TravelMotorTest::stopsAtFailingStep() {
    QFETCH(Inputs, inputs);
    QFETCH(QString, cause);
    QFETCH(bool, hasPower);
    QFETCH(bool, hasTorque);
    const auto result = travelmotor::Calculate(inputs);
    QVERIFY(result.stop.has_value());
    QCOMPARE(QString::fromStdString(result.stop->what()), cause);
    QCOMPARE(result.power.has_value(), hasPower);
    QCOMPARE(result.torque.has_value(), hasTorque);
    QVERIFY(!result.wheelSpeed);
    if (hasPower)
        QVERIFY(std::isfinite(*result.power));
}

QTEST_APPLESS_MAIN(TravelMotorTest)
#include "tst_travelmotor.moc"
