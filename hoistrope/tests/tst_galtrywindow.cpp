#include "formtest.h"
#include "formwidgets.h"
#include "monkeytest.h"
#include "ropeselectionwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using formtest::Find;
using runtime::ArrayName;

namespace {

const QString NoWidth = "您还未输入宽度B呢!";
const QString UselessWidth = "两点起吊，您输入宽度B也没用啊!";
const QString NoLoad = "您想吊多重的载荷呢？";
const QString NoStrength = "您用的钢丝绳的抗拉强度是多少？提示一下：平时用的最多的是1770的。";
const QString NoCore = "您用的钢丝绳的绳芯是什么材质的？";
const QString NoSlings = "您用几根绳吊的？";
const QString TooLarge = "没有这么大的卸扣了，自己想办法吧！";

// List positions: strength 3 is "1770"; core 0 fibre, 1 steel; slings 0 two, 1 four.
struct Lift {
    QString h, l, b, q;
    int strength = 3, core = 0, slings = 0;
};

} // namespace

Q_DECLARE_METATYPE(Lift)

class GaltryTest : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void init();
    void cleanup();
    void windowAtStart();
    void selection_data();
    void selection();
    void shackleSeries_data();
    void shackleSeries();
    void tooLargeForAnyShackle();
    void noCoefficientYet();
    void previousCoefficientStays();
    void stopsOnUndefinedArithmetic_data();
    void stopsOnUndefinedArithmetic();

private:
    void enter(const Lift &lift);
    QString field(const char *name) const { return Find<QLineEdit>(window.get(), name)->text(); }

    std::unique_ptr<hoistrope::RopeSelectionWindow> window;
    std::unique_ptr<formtest::MessageRecorder> recorder;
};

void GaltryTest::init() {
    recorder = std::make_unique<formtest::MessageRecorder>();
    window = std::make_unique<hoistrope::RopeSelectionWindow>();
    window->show();
}

void GaltryTest::cleanup() {
    window.reset();
    recorder.reset();
}

void GaltryTest::enter(const Lift &lift) {
    formtest::TypeInto(Find<QLineEdit>(window.get(), "Text1"), lift.h);
    formtest::TypeInto(Find<QLineEdit>(window.get(), "Text2"), lift.l);
    formtest::TypeInto(Find<QLineEdit>(window.get(), "Text3"), lift.b);
    formtest::TypeInto(Find<QLineEdit>(window.get(), "Text5"), lift.q);
    Find<QComboBox>(window.get(), "klqd")->setCurrentIndex(lift.strength);
    Find<QComboBox>(window.get(), "sxcz")->setCurrentIndex(lift.core);
    Find<QComboBox>(window.get(), "ddfb")->setCurrentIndex(lift.slings);
    formtest::Click(Find<QPushButton>(window.get(), "Command1"));
}

void GaltryTest::windowAtStart() {
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("galtry选择"));
    const QList<std::pair<const char *, QStringList>> lists{
        {"klqd", {"请选择抗拉强度", "1470", "1570", "1670", "1770", "1870", "1960", "2160"}},
        {"sxcz", {"请选择绳芯材料", "纤维芯", "钢芯"}},
        {"ddfb", {"请选择吊点分布", "二点起吊", "四点起吊"}},
    };
    for (const auto &[name, texts] : lists) {
        auto *list = Find<QComboBox>(window.get(), name);
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->placeholderText(), texts.first());
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, texts.mid(1));
    }
    const QList<std::pair<QString, QString>> labels{
        {"Label1", "钢丝绳公称抗拉强度："},
        {"Label3", "绳芯材料："},
        {"Label2", "吊点分布："},
        {ArrayName("Label5", 0), "H（m）："},
        {ArrayName("Label5", 1), "L（m）："},
        {ArrayName("Label5", 2), "B（m）："},
        {ArrayName("Label5", 3), "N/mm"},
        {ArrayName("Label5", 4), "2"},
        {ArrayName("Label5", 6), "载荷重："},
        {ArrayName("Label5", 7), "t"},
        {ArrayName("Label4", 0), "钢丝绳直径（mm）："},
        {ArrayName("Label4", 5), "卸扣型号："},
        {ArrayName("Label4", 1), "若无，按系列往高级选用"},
        {ArrayName("Label4", 2), "GB3811以M6运动绳选用，"},
        {ArrayName("Label4", 3), "可据经验相应调整。仅供"},
        {ArrayName("Label4", 4), "参考，不对实际操作负责。"},
    };
    for (const auto &[name, text] : labels)
        QCOMPARE(Find<QLabel>(window.get(), name)->text(), text);
    QCOMPARE(Find<QPushButton>(window.get(), "Command1")->text(), QStringLiteral("计算"));
    QVERIFY(Find<QWidget>(window.get(), "Image1")->isVisible());
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        QVERIFY(field(name).isEmpty());
}

void GaltryTest::selection_data() {
    QTest::addColumn<Lift>("lift");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("shackle");

    // F = 58890.67 N, d = 23.78 mm.
    QTest::newRow("two slings, 1770 fibre core")
        << Lift{"3", "4", "", "10", 3, 0, 0} << QStringList{} << "24"
        << "M-DW10";
    // Diagonal 5 m, F = 31891.85 N, d = 16.79 mm.
    QTest::newRow("four slings, 1770 steel core")
        << Lift{"3", "4", "3", "10", 3, 1, 1} << QStringList{} << "18"
        << "M-DW5";
    QTest::newRow("two slings ignore a typed width")
        << Lift{"3", "4", "7", "10", 3, 0, 0} << QStringList{UselessWidth} << "24"
        << "M-DW10";
    // The diagonal equals L: F = 29445.33 N, d = 16.13 mm.
    QTest::newRow("four slings without width")
        << Lift{"3", "4", "", "10", 3, 1, 1} << QStringList{NoWidth} << "18"
        << "M-DW5";
    // Diagonal 5 m with the fibre-core coefficient: F = 31891.85 N, d = 17.50 mm.
    QTest::newRow("no arrangement lifts on four slings")
        << Lift{"3", "4", "3", "10", 3, 0, -1} << QStringList{NoSlings} << "18"
        << "M-DW5";
    // d = 0 is even, so the diameter goes up to 2.
    QTest::newRow("no load") << Lift{"3", "4", "", "", 3, 0, 0} << QStringList{NoLoad} << "2"
                             << "M-DW5";
    QTest::newRow("width advice before load advice")
        << Lift{"3", "4", "", "0", 3, 0, 1} << QStringList{NoWidth, NoLoad} << "2"
        << "M-DW5";
    QTest::newRow("only the first missing input is asked")
        << Lift{"3", "4", "", "10", -1, -1, -1} << QStringList{NoStrength} << ""
        << "M-DW5";
    QTest::newRow("no core") << Lift{"3", "4", "", "10", 3, -1, 0} << QStringList{NoCore} << ""
                             << "M-DW10";
    QTest::newRow("2160 steel core") << Lift{"3", "4", "", "10", 6, 1, 0} << QStringList{} << "22"
                                     << "M-DW10"; // d = 20.63
    QTest::newRow("1470 fibre core") << Lift{"3", "4", "", "10", 0, 0, 0} << QStringList{} << "26"
                                     << "M-DW10"; // d = 25.97
    QTest::newRow("blanks and text after the number")
        << Lift{" 3 ", "4 m", "", "1 0", 3, 0, 0} << QStringList{} << "24"
        << "M-DW10";
}

void GaltryTest::selection() {
    QFETCH(Lift, lift);
    QFETCH(QStringList, messages);
    QFETCH(QString, diameter);
    QFETCH(QString, shackle);

    enter(lift);
    QCOMPARE(recorder->texts(), messages);
    for (const auto &message : recorder->messages) {
        QCOMPARE(message.kind, 0);
        QVERIFY(message.title.isEmpty());
    }
    QCOMPARE(field("Text4"), diameter);
    QCOMPARE(field("Text6"), shackle);
}

void GaltryTest::shackleSeries_data() {
    // One sling straight above its lifting point (H 1, L 0) carries 4900 N per tonne, so each
    // load below puts F exactly on a series limit or a hair above it.
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("shackle");
    const QList<std::tuple<const char *, const char *, const char *>> series{
        {"10", "M-DW5", "M-DW10"},   {"20", "M-DW10", "M-DW16"},  {"32", "M-DW16", "M-DW20"},
        {"40", "M-DW20", "M-DW32"},  {"64", "M-DW32", "M-DW40"},  {"80", "M-DW40", "M-DW50"},
        {"100", "M-DW50", "M-DW63"}, {"126", "M-DW63", "M-DW80"}, {"160", "M-DW80", "M-DW100"},
    };
    for (const auto &[load, atLimit, above] : series) {
        QTest::addRow("%s t", load) << load << atLimit;
        QTest::addRow("%s.0001 t", load) << QString(load) + ".0001" << above;
    }
    QTest::newRow("200 t") << "200"
                           << "M-DW100";
}

void GaltryTest::shackleSeries() {
    QFETCH(QString, load);
    QFETCH(QString, shackle);
    enter(Lift{"1", "0", "", load, 3, 0, 0});
    QCOMPARE(recorder->texts(), QStringList{});
    QCOMPARE(field("Text6"), shackle);
}

void GaltryTest::tooLargeForAnyShackle() {
    // The box comes after the diameter is shown and before the apology replaces the shackle.
    QStringList seen;
    auto previous =
        runtime::SetMessageFunction([&](const QString &text, int kind, const QString &) {
            seen << text << QString::number(kind) << field("Text4") << field("Text6");
        });
    enter(Lift{"1", "0", "", "200.0001", 3, 0, 0}); // F = 980000.49 N, d = 97.02 mm
    runtime::SetMessageFunction(previous);
    QCOMPARE(seen, (QStringList{TooLarge, "0", "98", ""}));
    QCOMPARE(field("Text4"), QStringLiteral("98"));
    QCOMPARE(field("Text6"), QStringLiteral("抱歉！帮不上你的忙！"));
}

void GaltryTest::noCoefficientYet() {
    // Without a coefficient there is no diameter to give; the shackle still follows from F.
    enter(Lift{"3", "4", "", "10", -1, 0, 0});
    QCOMPARE(recorder->texts(), QStringList{NoStrength});
    QCOMPARE(field("Text4"), QString());
    QCOMPARE(field("Text6"), QStringLiteral("M-DW10"));

    recorder->clear();
    enter(Lift{"3", "4", "", "10", 3, 0, 0});
    QCOMPARE(field("Text4"), QStringLiteral("24"));
}

void GaltryTest::previousCoefficientStays() {
    enter(Lift{"3", "4", "", "10", 0, 0, 0}); // 1470 fibre core: C = 0.107
    QCOMPARE(field("Text4"), QStringLiteral("26"));
    // Four slings with the strength no longer chosen: C stays 0.107, d = 19.11.
    enter(Lift{"3", "4", "3", "10", -1, 1, 1});
    QCOMPARE(recorder->texts(), QStringList{NoStrength});
    QCOMPARE(field("Text4"), QStringLiteral("20"));
    QCOMPARE(field("Text6"), QStringLiteral("M-DW5"));
}

void GaltryTest::stopsOnUndefinedArithmetic_data() {
    QTest::addColumn<Lift>("lift");
    QTest::addColumn<QStringList>("messages");
    const QString noHeight = "吊钩高度H为0，无法计算吊索拉力，请输入H！";
    const QString negative = "吊索拉力为负值（H或载荷重为负），无法开方计算钢丝绳直径！";
    QTest::newRow("H empty") << Lift{"", "4", "", "10", 3, 0, 0} << QStringList{noHeight};
    QTest::newRow("H not a number") << Lift{"abc", "4", "", "10", 3, 0, 0} << QStringList{noHeight};
    QTest::newRow("H 0 without a coefficient")
        << Lift{"0", "4", "3", "10", -1, -1, 1} << QStringList{NoStrength, noHeight};
    QTest::newRow("negative H") << Lift{"-3", "4", "", "10", 3, 0, 0} << QStringList{negative};
    QTest::newRow("negative load")
        << Lift{"3", "4", "", "-10", 3, 1, 1} << QStringList{NoWidth, negative};
    QTest::newRow("negative load without a coefficient")
        << Lift{"3", "4", "", "-10", -1, 1, 0} << QStringList{NoStrength, negative};
    QTest::newRow("H beyond range") << Lift{"1E300", "4", "", "10", 3, 0, 0} << QStringList{"溢出"};
    QTest::newRow("load beyond range")
        << Lift{"3", "4", "", "1E306", 3, 0, 0} << QStringList{"溢出"};
}

void GaltryTest::stopsOnUndefinedArithmetic() {
    QFETCH(Lift, lift);
    QFETCH(QStringList, messages);
    enter(Lift{"3", "4", "", "10", 3, 0, 0});
    QCOMPARE(field("Text4"), QStringLiteral("24"));
    recorder->clear();

    enter(lift);
    QCOMPARE(recorder->texts(), messages);
    // The click stops before either result is written: nothing undefined is shown, and the
    // results already on the window stay as they were.
    QCOMPARE(field("Text4"), QStringLiteral("24"));
    QCOMPARE(field("Text6"), QStringLiteral("M-DW10"));
}

void GaltryTest::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report = formtest::RunMonkey(window.get(), {}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(GaltryTest)
#include "tst_galtrywindow.moc"
