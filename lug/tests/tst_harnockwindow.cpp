#include "formtest.h"
#include "formwidgets.h"
#include "lugcheckwindow.h"
#include "monkeytest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using formtest::Find;
using runtime::ArrayName;

namespace {

const QString Safe = "此截面安全";
const QString BaseWeak = "此截面强度不足!!!";
const QString BesideHoleWeak = "此截面强度不足!!!,可考虑加垫板";
const QString HoleWeak = "此截面强度不足!!!,可考虑两侧加垫板重新验算";
const QString WeldSafe = "经校核,焊缝安全可靠.";
const QString WeldWeak = "焊缝强度不足!!!,请重新设计";
const QString LugSafe = "经校核,安全可靠.";
const QString LugUnsafe = "不安全!!!,请重新设计";
const QString Closing = "吊耳很重要,请慎重设计选用";

struct Lug {
    QString force, angle, base, hole, top, thickness, allowable;
};

// F 10 t at 90°, L 200, 2r 50, R 60, δ 20, [σ] 170: Fd 107.8 kN, every section safe.
const Lug Example{"10", "90", "200", "50", "60", "20", "170"};

Lug with(Lug lug, QString Lug::*field, const QString &text) {
    lug.*field = text;
    return lug;
}

} // namespace

Q_DECLARE_METATYPE(Lug)

class HarnockTest : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void init();
    void cleanup();
    void windowAtStart();
    void verdicts_data();
    void verdicts();
    void closingBoxEmptiesConclusion();
    void stopsOnUndefinedArithmetic_data();
    void stopsOnUndefinedArithmetic();

private:
    void check(const Lug &lug);
    QStringList verdictTexts() const;
    QString text(const QString &name) const { return Find<QLineEdit>(window.get(), name)->text(); }

    std::unique_ptr<lug::LugCheckWindow> window;
    std::unique_ptr<formtest::MessageRecorder> recorder;
};

void HarnockTest::init() {
    recorder = std::make_unique<formtest::MessageRecorder>();
    window = std::make_unique<lug::LugCheckWindow>();
    window->show();
}

void HarnockTest::cleanup() {
    window.reset();
    recorder.reset();
}

void HarnockTest::check(const Lug &lug) {
    const QList<std::pair<QString, QString>> fields{
        {ArrayName("Text1", 0), lug.force}, {"Text2", lug.angle},
        {ArrayName("Text1", 1), lug.base},  {ArrayName("Text1", 2), lug.hole},
        {ArrayName("Text1", 3), lug.top},   {ArrayName("Text1", 4), lug.thickness},
        {"Text6", lug.allowable},
    };
    for (const auto &[name, value] : fields)
        formtest::TypeInto(Find<QLineEdit>(window.get(), name), value);
    formtest::Click(Find<QPushButton>(window.get(), "Command1"));
}

QStringList HarnockTest::verdictTexts() const {
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << text(ArrayName("Text3", i));
    return texts;
}

void HarnockTest::windowAtStart() {
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("harnock"));
    QCOMPARE(Find<QPushButton>(window.get(), "Command1")->text(), QStringLiteral("确     定"));
    for (const QString &name :
         {ArrayName("Text1", 0), ArrayName("Text1", 1), ArrayName("Text1", 2),
          ArrayName("Text1", 3), ArrayName("Text1", 4), QString("Text2"), QString("Text6")}) {
        auto *field = Find<QLineEdit>(window.get(), name);
        QVERIFY2(!field->isReadOnly() && field->text().isEmpty(), qPrintable(name));
    }
    for (const QString &name : {ArrayName("Text3", 0), ArrayName("Text3", 1), ArrayName("Text3", 2),
                                ArrayName("Text3", 3), QString("Text4")}) {
        auto *field = Find<QLineEdit>(window.get(), name);
        QVERIFY2(field->isReadOnly() && field->text().isEmpty(), qPrintable(name));
        QCOMPARE(field->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
    QStringList labels;
    for (QLabel *label : window->findChildren<QLabel *>())
        labels << label->text();
    for (const char *expected :
         {"吊耳受力F：", "夹角θ:", "吊耳底部L：", "开孔直径(2r)：", "上端圆角半径R：",
          "吊耳板厚度δ：", "吨", "°", "对应[σ]值", "N/mm", "2", "断面A1－B1", "断面A2－B2",
          "断面A3－B3", "焊缝验算：", "结论："})
        QVERIFY2(labels.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(Find<QWidget>(window.get(), "Picture1")->isVisible());
}

void HarnockTest::verdicts_data() {
    QTest::addColumn<Lug>("lug");
    QTest::addColumn<QStringList>("verdicts");
    QTest::addColumn<QString>("conclusion");

    // σ1 26.95, σ2 77.0, σc 107.8, σL 153.09, σfb 60.41 with τf 0.05.
    QTest::newRow("example lug") << Example << QStringList{Safe, Safe, Safe, WeldSafe} << LugSafe;
    // σ1 19.05, σ2 54.43, σf 42.70 with τf 42.74: combined weld stress 60.41.
    QTest::newRow("pulled at 45°")
        << with(Example, &Lug::angle, "45") << QStringList{Safe, Safe, Safe, WeldSafe} << LugSafe;
    // σc 179.67 and σL 260.52 exceed 170.
    QTest::newRow("hole too weak") << Lug{"20", "90", "300", "60", "70", "20", "170"}
                                   << QStringList{Safe, Safe, HoleWeak, WeldSafe} << LugUnsafe;
    QTest::newRow("no allowable stress")
        << with(Example, &Lug::allowable, "")
        << QStringList{BaseWeak, BesideHoleWeak, HoleWeak, WeldWeak} << LugUnsafe;
    // [σ] equal to σL: the section passes, the conclusion does not.
    QTest::newRow("hole-edge stress equal to allowable")
        << with(Example, &Lug::allowable, "153.09411764705885")
        << QStringList{Safe, Safe, Safe, WeldSafe} << LugUnsafe;
    // σ2 = 107800 / (20 · 2 · 15) = 179.67 beside a large hole.
    QTest::newRow("large hole") << with(Example, &Lug::hole, "90")
                                << QStringList{Safe, BesideHoleWeak, HoleWeak, WeldSafe}
                                << LugUnsafe;
    // σ1 = 107800 / (20 · 30) = 179.67 on a short base, and its weld σfb = 573.92.
    QTest::newRow("short base") << with(Example, &Lug::base, "30")
                                << QStringList{BaseWeak, Safe, Safe, WeldWeak} << LugUnsafe;
    // With σfb governing, τf enters the weld check in single precision: [σ] set to the
    // combined stress so computed passes, though the full-precision τf would fail it.
    QTest::newRow("weld on its limit, single-precision shear below")
        << Lug{"10", "45", "200", "50", "60", "20", "60.413064276613845"}
        << QStringList{Safe, Safe, HoleWeak, WeldSafe} << LugUnsafe;
    QTest::newRow("weld on its limit, single-precision shear above")
        << Lug{"12", "45", "200", "50", "60", "20", "72.49567758630899"}
        << QStringList{Safe, Safe, HoleWeak, WeldWeak} << LugUnsafe;
    // Below 2.25 mm the plate-size weld stress governs: σfa 202.63 against σfb 191.04.
    QTest::newRow("thin plate, σfa governs")
        << with(Example, &Lug::thickness, "2")
        << QStringList{BaseWeak, BesideHoleWeak, HoleWeak, WeldWeak} << LugUnsafe;
}

void HarnockTest::verdicts() {
    QFETCH(Lug, lug);
    QFETCH(QStringList, verdicts);
    QFETCH(QString, conclusion);

    QString conclusionShown;
    auto previous = runtime::SetMessageFunction([&](const QString &text, int, const QString &) {
        recorder->messages.append({text, 0, {}});
        conclusionShown = this->text("Text4");
    });
    check(lug);
    runtime::SetMessageFunction(previous);
    QCOMPARE(recorder->texts(), QStringList{Closing});
    QCOMPARE(verdictTexts(), verdicts);
    QCOMPARE(conclusionShown, conclusion);
}

void HarnockTest::closingBoxEmptiesConclusion() {
    check(Example);
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(recorder->messages[0].text, Closing);
    QCOMPARE(recorder->messages[0].kind, 0);
    QVERIFY(recorder->messages[0].title.isEmpty());
    QCOMPARE(text("Text4"), QString());
    QCOMPARE(verdictTexts(), (QStringList{Safe, Safe, Safe, WeldSafe}));
}

void HarnockTest::stopsOnUndefinedArithmetic_data() {
    QTest::addColumn<Lug>("lug");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("verdicts");

    // Each row follows a lug without [σ], whose four verdicts all fail, so that a verdict
    // written by the stopped check shows apart from one kept from before.
    const QStringList kept{BaseWeak, BesideHoleWeak, HoleWeak, WeldWeak};
    QTest::newRow("plate thickness 0")
        << with(Example, &Lug::thickness, "0") << "吊耳板厚度δ为0，无法验算！" << kept;
    QTest::newRow("plate thickness empty")
        << with(Example, &Lug::thickness, "") << "吊耳板厚度δ为0，无法验算！" << kept;
    QTest::newRow("negative plate thickness")
        << with(Example, &Lug::thickness, "-20") << "吊耳板厚度δ为负值，无法验算！" << kept;
    QTest::newRow("base 0") << with(Example, &Lug::base, "0") << "吊耳底部L为0，无法验算！" << kept;
    QTest::newRow("hole diameter empty")
        << with(Example, &Lug::hole, "") << "请输入开孔直径(2r)！" << kept;
    QTest::newRow("hole diameter blank")
        << with(Example, &Lug::hole, "  ") << "请输入开孔直径(2r)！" << kept;
    QTest::newRow("hole diameter not a number")
        << with(Example, &Lug::hole, "50mm") << "开孔直径(2r)须为数字！" << kept;
    QTest::newRow("hole diameter beyond range")
        << with(Example, &Lug::hole, "1E400") << "溢出" << kept;
    QTest::newRow("top radius equal to hole radius")
        << with(Example, &Lug::top, "25")
        << "上端圆角半径R等于开孔半径r，断面A2－B2无材料，无法验算！"
        << QStringList{Safe, BesideHoleWeak, HoleWeak, WeldWeak};
    QTest::newRow("hole diameter 0")
        << with(Example, &Lug::hole, "0") << "开孔直径(2r)为0，无法计算孔壁承压应力！"
        << QStringList{Safe, Safe, HoleWeak, WeldWeak};
    QTest::newRow("negative hole as wide as the top")
        << with(Example, &Lug::hole, "-120") << "R²－r²为0，无法计算孔边应力！"
        << QStringList{Safe, Safe, HoleWeak, WeldWeak};
    QTest::newRow("base 10") << with(Example, &Lug::base, "10")
                             << "吊耳底部L为10mm，焊缝计算长度L－10为0，无法验算焊缝！"
                             << QStringList{BaseWeak, Safe, Safe, WeldWeak};
    QTest::newRow("force beyond range") << with(Example, &Lug::force, "1E306") << "溢出" << kept;
    QTest::newRow("angle beyond range") << with(Example, &Lug::angle, "1E308") << "溢出" << kept;
}

void HarnockTest::stopsOnUndefinedArithmetic() {
    QFETCH(Lug, lug);
    QFETCH(QString, message);
    QFETCH(QStringList, verdicts);

    check(with(Example, &Lug::allowable, ""));
    recorder->clear();
    check(lug);
    // Only the cause, no closing box and no conclusion; the sections the check did not reach
    // keep the verdicts already shown.
    QCOMPARE(recorder->texts(), QStringList{message});
    QCOMPARE(verdictTexts(), verdicts);
    QCOMPARE(text("Text4"), QString());
}

void HarnockTest::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report = formtest::RunMonkey(window.get(), {}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(HarnockTest)
#include "tst_harnockwindow.moc"
