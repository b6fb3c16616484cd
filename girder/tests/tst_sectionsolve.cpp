#include "runtimeerror.h"
#include "sectionsolve.h"

#include <QTest>

#include <string>
#include <utility>
#include <vector>

using girder::Result;

namespace {

using Written = std::vector<std::pair<Result, std::string>>;

// Collects the results in the order a solve writes them, and the cause it stopped on.
struct Solve {
    Written written;
    std::string stoppedOn;
    girder::ResultWriter writer() {
        return
            [this](Result result, const std::string &text) { written.emplace_back(result, text); };
    }
    template <typename Section>
    void run(void (*solve)(const Section &, const girder::CraneParameters &,
                           const girder::ResultWriter &),
             const Section &section, const girder::CraneParameters &crane) {
        try {
            solve(section, crane, writer());
        } catch (const runtime::RuntimeError &error) {
            QCOMPARE(error.kind(), runtime::ErrorKind::DivisionByZero);
            stoppedOn = error.what();
        }
    }
    std::string text(Result result) const {
        for (const auto &[written, text] : written)
            if (written == result)
                return text;
        return "(not written)";
    }
    std::vector<Result> order() const {
        std::vector<Result> results;
        for (const auto &entry : written)
            results.push_back(entry.first);
        return results;
    }
};

girder::BoxSection workedBox() {
    girder::BoxSection box;
    box.topFlangeThickness = 10;
    box.bottomFlangeThickness = 10;
    box.webThickness = 6;
    box.topFlangeWidth = 300;
    box.bottomFlangeWidth = 300;
    box.webSpacing = 280;
    box.webHeight = 800;
    return box;
}

girder::IBeamSection workedBeam() {
    girder::IBeamSection beam;
    beam.girderWidth = 400;
    beam.inclinedPlateLength = 300;
    beam.reinforcingPlateWidth = 200;
    beam.sidePlateHeight = 300;
    beam.beamHeight = 300;
    beam.beamExposedHeight = 100;
    beam.sidePlateThickness = 8;
    beam.inclinedPlateThickness = 8;
    beam.reinforcingPlateThickness = 10;
    beam.girderHeight = 900;
    beam.beamArea = 60;
    beam.beamMomentX = 9000;
    beam.beamMomentY = 500;
    return beam;
}

} // namespace

Q_DECLARE_METATYPE(girder::BoxSection)
Q_DECLARE_METATYPE(girder::IBeamSection)

class SectionSolveTest : public QObject {
    Q_OBJECT
private slots:
    void boxGirderWorkedExampleInOrder();
    void beamGirderWorkedExampleInOrder();
    void estimate_data();
    void estimate();
    void stiffness_data();
    void stiffness();
    void strengthAtTheAllowable_data();
    void strengthAtTheAllowable();
    void widerBottomFlangeSetsWy();
    void beamTableValuesEnterDirectly();
    void boxZeroDivisorStops_data();
    void boxZeroDivisorStops();
    void beamZeroDivisorStops_data();
    void beamZeroDivisorStops();
};

void SectionSolveTest::boxGirderWorkedExampleInOrder() {
    Solve solve;
    solve.run(&girder::SolveBoxGirder, workedBox(), {10, 20, 320000, 80000});
    const Written expected = {{Result::Area, "156"},
                              {Result::Weight, "124.2969"},
                              {Result::CentroidHeight, "41"},
                              {Result::MomentX, "149620"},
                              {Result::ModulusX, "3649.26829268293"},
                              {Result::MomentY, "24132.48"},
                              {Result::ModulusY, "1608.832"},
                              {Result::TotalWeight, "2485.938"},
                              {Result::Stiffness, "刚度不合格"},
                              {Result::Strength, "强度不合格"}};
    QCOMPARE(solve.written, expected);
    QCOMPARE(solve.stoppedOn, std::string());
    // σ of the worked example is about 2501.2 kg/cm^2.
    QCOMPARE(qRound(girder::WorkingStress(124.2969, 10, 20, 3649.26829268293, 1608.832) * 10),
             25012);
}

void SectionSolveTest::beamGirderWorkedExampleInOrder() {
    Solve solve;
    solve.run(&girder::SolveIBeamGirder, workedBeam(), {5, 16, 102400, 25600});
    const Written expected = {{Result::Area, "206.72"},
                              {Result::Weight, "165.520704"},
                              {Result::TotalWeight, "2648.331264"},
                              {Result::CentroidHeight, "43.6654024767802"},
                              {Result::MomentX, "220543.100825181"},
                              {Result::ModulusX, "5050.75158628065"},
                              {Result::MomentY, "22178.5002666667"},
                              {Result::ModulusY, "1108.92501333333"},
                              {Result::Stiffness, "刚度合格"},
                              {Result::Strength, "强度合格"}};
    QCOMPARE(solve.written, expected);
    QCOMPARE(qRound(girder::WorkingStress(165.520704, 5, 16, 5050.75158628065, 1108.92501333333)),
             972);
}

void SectionSolveTest::estimate_data() {
    QTest::addColumn<double>("load");
    QTest::addColumn<double>("span");
    QTest::addColumn<QString>("requiredX");
    QTest::addColumn<QString>("requiredY");
    QTest::addColumn<bool>("asksForParameters");
    QTest::newRow("box example") << 10.0 << 20.0 << "320000"
                                 << "80000" << false;
    QTest::newRow("beam example") << 5.0 << 16.0 << "102400"
                                  << "25600" << false;
    // Iy is kept as a single: 20 × 3.3 × 7.7² shows 7 digits, Ix 15.
    QTest::newRow("single precision Iy") << 3.3 << 7.7 << "15652.56"
                                         << "3913.14" << false;
    QTest::newRow("Iy past 7 digits") << 1.0 << 1234.567 << "121932454.19912"
                                      << "3.048311E+07" << false;
    QTest::newRow("no load") << 0.0 << 20.0 << "0"
                             << "0" << true;
    QTest::newRow("no span") << 10.0 << 0.0 << "0"
                             << "0" << true;
}

void SectionSolveTest::estimate() {
    QFETCH(double, load);
    QFETCH(double, span);
    QFETCH(QString, requiredX);
    QFETCH(QString, requiredY);
    QFETCH(bool, asksForParameters);
    std::vector<std::string> events;
    girder::EstimateRequiredMoments(
        load, span,
        [&](Result result, const std::string &text) {
            events.push_back((result == Result::RequiredMomentX ? "Ix " : "Iy ") + text);
        },
        [&](const std::string &text, int kind, const std::string &title) {
            events.push_back(text + "|" + std::to_string(kind) + "|" + title);
        });
    std::vector<std::string> expected{"Ix " + requiredX.toStdString()};
    if (asksForParameters)
        expected.push_back("请输入起重机基本参数！|64|出错啦！");
    expected.push_back("Iy " + requiredY.toStdString());
    QCOMPARE(events, expected);
}

void SectionSolveTest::stiffness_data() {
    QTest::addColumn<double>("momentX");
    QTest::addColumn<double>("momentY");
    QTest::addColumn<double>("requiredX");
    QTest::addColumn<double>("requiredY");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("both short") << 149620.0 << 24132.48 << 320000.0 << 80000.0 << "刚度不合格";
    QTest::newRow("Ix short, Iy enough") << 100.0 << 500.0 << 200.0 << 400.0 << "刚度合格";
    QTest::newRow("Iy short, Ix enough") << 300.0 << 300.0 << 200.0 << 400.0 << "刚度合格";
    QTest::newRow("both exactly reached") << 200.0 << 400.0 << 200.0 << 400.0 << "刚度合格";
    QTest::newRow("no requirement typed") << 1.0 << 1.0 << 0.0 << 0.0 << "刚度合格";
    QTest::newRow("both enough") << 900.0 << 900.0 << 200.0 << 400.0 << "刚度合格";
}

void SectionSolveTest::stiffness() {
    QFETCH(double, momentX);
    QFETCH(double, momentY);
    QFETCH(double, requiredX);
    QFETCH(double, requiredY);
    QFETCH(QString, verdict);
    QCOMPARE(
        QString::fromStdString(girder::StiffnessVerdict(momentX, momentY, requiredX, requiredY)),
        verdict);
}

// With no dead load, P = 1 t and L = 1 m, σ = 32812.5 / Wx + 3750 / Wy; Wx = 26.25 gives
// 1250 from the vertical load and Wy picks the horizontal part.
void SectionSolveTest::strengthAtTheAllowable_data() {
    QTest::addColumn<double>("modulusY");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("exactly 1400") << 25.0 << "强度不合格";
    QTest::newRow("a hair below, 1400 as a single") << 3750 / 149.9999999 << "强度不合格";
    QTest::newRow("1399.9999 stays below as a single") << 3750 / 149.9999 << "强度合格";
    QTest::newRow("clearly below") << 25.1 << "强度合格";
    QTest::newRow("above") << 24.0 << "强度不合格";
}

void SectionSolveTest::strengthAtTheAllowable() {
    QFETCH(double, modulusY);
    QFETCH(QString, verdict);
    const float stress = girder::WorkingStress(0, 1, 1, 26.25, modulusY);
    QCOMPARE(QString::fromStdString(girder::StrengthVerdict(stress)), verdict);
}

void SectionSolveTest::widerBottomFlangeSetsWy() {
    girder::BoxSection box = workedBox();
    box.topFlangeWidth = 250;
    Solve narrowTop;
    narrowTop.run(&girder::SolveBoxGirder, box, {});
    const double momentY = std::stod(narrowTop.text(Result::MomentY));
    QCOMPARE(std::stod(narrowTop.text(Result::ModulusY)), 20 * momentY / 300);

    box.topFlangeWidth = 350;
    Solve wideTop;
    wideTop.run(&girder::SolveBoxGirder, box, {});
    QCOMPARE(std::stod(wideTop.text(Result::ModulusY)),
             20 * std::stod(wideTop.text(Result::MomentY)) / 350);
}

void SectionSolveTest::beamTableValuesEnterDirectly() {
    const girder::CraneParameters crane{5, 16, 102400, 25600};
    Solve worked;
    worked.run(&girder::SolveIBeamGirder, workedBeam(), crane);

    girder::IBeamSection beam = workedBeam();
    beam.beamMomentX *= 2;
    beam.beamMomentY += 1000;
    beam.beamWidth = 120; // shown on the sketch only
    Solve changed;
    changed.run(&girder::SolveIBeamGirder, beam, crane);
    QCOMPARE(changed.text(Result::MomentX), std::string("229543.100825181"));
    QCOMPARE(changed.text(Result::MomentY), std::string("23178.5002666667"));
    for (Result unchanged :
         {Result::Area, Result::Weight, Result::CentroidHeight, Result::TotalWeight})
        QCOMPARE(changed.text(unchanged), worked.text(unchanged));

    beam = workedBeam();
    beam.beamWidth = 999;
    Solve widthOnly;
    widthOnly.run(&girder::SolveIBeamGirder, beam, crane);
    QCOMPARE(widthOnly.written, worked.written);
}

void SectionSolveTest::boxZeroDivisorStops_data() {
    QTest::addColumn<girder::BoxSection>("box");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("resultsWritten");

    QTest::newRow("all plates empty: S = 0") << girder::BoxSection{} << "截面面积S为零" << 2;

    // Negative top flange width balancing the webs' first moment: S = 12, Yc = 0.
    girder::BoxSection centroidAtUnderside;
    centroidAtUnderside.topFlangeThickness = 300;
    centroidAtUnderside.topFlangeWidth = -1;
    centroidAtUnderside.webThickness = 7.5;
    centroidAtUnderside.webHeight = 100;
    QTest::newRow("Yc = 0") << centroidAtUnderside << "中心位置Yc为零" << 4;

    girder::BoxSection websOnly;
    websOnly.webThickness = 6;
    websOnly.webHeight = 800;
    websOnly.webSpacing = 280;
    QTest::newRow("no flange width: Bmax = 0")
        << websOnly << "上翼缘宽度B1和下翼缘宽度B2均为零" << 6;
}

void SectionSolveTest::boxZeroDivisorStops() {
    QFETCH(girder::BoxSection, box);
    QFETCH(QString, cause);
    QFETCH(int, resultsWritten);
    Solve solve;
    solve.run(&girder::SolveBoxGirder, box, {10, 20, 0, 0});
    QVERIFY2(QString::fromStdString(solve.stoppedOn).startsWith(cause), solve.stoppedOn.c_str());
    QCOMPARE(int(solve.written.size()), resultsWritten);
    Solve complete;
    complete.run(&girder::SolveBoxGirder, workedBox(), {});
    const auto fullOrder = complete.order();
    QCOMPARE(solve.order(),
             std::vector<Result>(fullOrder.begin(), fullOrder.begin() + resultsWritten));
}

void SectionSolveTest::beamZeroDivisorStops_data() {
    QTest::addColumn<girder::IBeamSection>("beam");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("resultsWritten");

    QTest::newRow("all empty: S = 0") << girder::IBeamSection{} << "截面面积S为零" << 3;

    girder::IBeamSection noBeamHeight; // only the I-beam's area typed: C = 0
    noBeamHeight.beamArea = 10;
    noBeamHeight.beamMomentX = 100;
    QTest::newRow("I-beam height missing: C = 0") << noBeamHeight << "中心位置C为零" << 5;

    girder::IBeamSection noWidth;
    noWidth.beamArea = 10;
    noWidth.beamHeight = 200;
    noWidth.beamMomentX = 100;
    noWidth.beamMomentY = 50;
    QTest::newRow("girder width missing: L1 = 0") << noWidth << "梁宽度L1为零" << 7;

    girder::IBeamSection noMomentX = noWidth; // the I-beam on its own centroid, Ixi missing
    noMomentX.girderWidth = 100;
    noMomentX.beamMomentX = 0;
    QTest::newRow("Ixi missing: Wx = 0") << noMomentX << "截面模数Wx为零" << 9;

    girder::IBeamSection noMomentY = noWidth;
    noMomentY.girderWidth = 100;
    noMomentY.beamMomentY = 0;
    QTest::newRow("Iyi missing: Wy = 0") << noMomentY << "截面模数Wy为零" << 9;
}

void SectionSolveTest::beamZeroDivisorStops() {
    QFETCH(girder::IBeamSection, beam);
    QFETCH(QString, cause);
    QFETCH(int, resultsWritten);
    Solve solve;
    solve.run(&girder::SolveIBeamGirder, beam, {5, 16, 0, 0});
    QVERIFY2(QString::fromStdString(solve.stoppedOn).startsWith(cause), solve.stoppedOn.c_str());
    QCOMPARE(int(solve.written.size()), resultsWritten);
    for (const auto &[result, text] : solve.written)
        QVERIFY2(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos,
                 text.c_str());
}

QTEST_APPLESS_MAIN(SectionSolveTest)
#include "tst_sectionsolve.moc"
