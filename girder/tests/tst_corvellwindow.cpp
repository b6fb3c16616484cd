#include "formtest.h"
#include "formwidgets.h"
#include "mainwindow.h"
#include "monkeytest.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using formtest::Click;
using formtest::Find;
using formtest::MessageRecorder;
using formtest::TypeInto;

using Entries = QList<QPair<int, QString>>; // field number, text
using FieldTexts = QMap<int, QString>;

namespace {

const Entries boxExample = {{1, "10"},  {2, "10"},  {3, "6"},  {4, "300"},
                            {5, "300"}, {6, "280"}, {7, "800"}};
const FieldTexts boxExampleResults = {
    {8, "124.2969"},          {9, "156"},        {10, "41"},       {11, "149620"},
    {12, "3649.26829268293"}, {13, "24132.48"},  {14, "1608.832"}, {19, "2485.938"},
    {20, "刚度不合格"},       {21, "强度不合格"}};
const Entries beamExample = {{22, "400"}, {23, "300"}, {24, "200"},  {25, "300"}, {26, "300"},
                             {27, "100"}, {28, "8"},   {29, "8"},    {30, "10"},  {31, "900"},
                             {32, "100"}, {33, "60"},  {34, "9000"}, {35, "500"}};
const FieldTexts beamExampleResults = {{36, "165.520704"},       {37, "206.72"},
                                       {38, "43.6654024767802"}, {39, "220543.100825181"},
                                       {40, "5050.75158628065"}, {41, "22178.5002666667"},
                                       {42, "1108.92501333333"}, {43, "2648.331264"},
                                       {44, "刚度合格"},         {45, "强度合格"}};

// Every field of the I-beam tab emptied but the ones given.
Entries beamOnly(const Entries &typed) {
    Entries entries;
    for (int number = 22; number <= 35; ++number)
        entries.append({number, QString()});
    return entries + typed;
}

} // namespace

class CorvellWindowTest : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void init();
    void cleanup();
    void controlsAsTheEngineerKnowsThem_data();
    void controlsAsTheEngineerKnowsThem();
    void coloursOfInputsAndResults();
    void boxGirderWorkedExample();
    void beamGirderWorkedExample();
    void estimateWithoutParametersAsksAndGoesOn();
    void emptyRequirementsPassStiffness();
    void longResultsShowTheirLeadingDigits();
    void clearEmptiesOnlyItsTab_data();
    void clearEmptiesOnlyItsTab();
    void zeroDivisorStopsWithCause_data();
    void zeroDivisorStopsWithCause();
    void overflowIsTold_data();
    void overflowIsTold();

private:
    QLineEdit *field(int number) const {
        return Find<QLineEdit>(window_, QStringLiteral("Text%1").arg(number));
    }
    QPushButton *button(int number) const {
        return Find<QPushButton>(window_, QStringLiteral("Command%1").arg(number));
    }
    void type(const Entries &entries) {
        for (const auto &[number, text] : entries)
            TypeInto(field(number), text);
    }
    void showTab(int index) { Find<QTabWidget>(window_, "SSTab1")->setCurrentIndex(index); }
    FieldTexts allTexts() const {
        FieldTexts texts;
        for (int number = 1; number <= 45; ++number)
            texts.insert(number, field(number)->text());
        return texts;
    }
    void solveBothExamples() {
        type({{15, "10"}, {16, "20"}});
        Click(button(3));
        type(boxExample);
        Click(button(1));
        showTab(1);
        type(beamExample);
        Click(button(4));
        showTab(0);
    }

    girder::MainWindow *window_ = nullptr;
};

void CorvellWindowTest::init() {
    window_ = new girder::MainWindow;
    window_->show();
}

void CorvellWindowTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void CorvellWindowTest::controlsAsTheEngineerKnowsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QList<QPair<QString, QString>> controls = {
        {"Command1", "︻求  解︼"},
        {"Command2", "︻清  空︼"},
        {"Command3", "估算惯性距>>"},
        {"Command4", "︻求  解︼"},
        {"Command5", "︻清  空︼"},
        {"Frame1", "已知参数录入"},
        {"Frame2", "截面参数求解"},
        {"Frame3", "起重机基本参数"},
        {"Frame4", "结果"},
        {"Frame5", "已知参数录入"},
        {"Frame6", "截面参数求解"},
        {"Frame7", "结果"},
        {"Label1", "■主梁截面简图■"},
        {"Label39", "■主梁截面简图■"},
        {"Label36", "〖焊缝重量系数：1.015〗"},
        {"Label83", "〖焊缝重量系数：1.020〗"},
        {"Text20", "刚度校核"},
        {"Text21", "强度校核"},
        {"Text44", "刚度校核"},
        {"Text45", "强度校核"},
        {"Text1", ""},
        {"Text15", ""},
        {"Text17", ""},
        {"Text35", ""},
        {"Text43", ""},
    };
    for (const auto &[name, text] : controls)
        QTest::newRow(qPrintable(name)) << name << text;
}

void CorvellWindowTest::controlsAsTheEngineerKnowsThem() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QObject *control = Find<QObject>(window_, name);
    QString shown;
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        shown = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        shown = frame->title();
    else if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        shown = edit->text();
    else
        QFAIL("unexpected kind of control");
    QCOMPARE(shown, text);

    // The window, its tabs, sketches and clock, whatever the row.
    QCOMPARE(window_->objectName(), QStringLiteral("mian"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("【corvell】"));
    auto *tabs = Find<QTabWidget>(window_, "SSTab1");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("欧标箱行主梁"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("国产工字钢包梁"));
    QCOMPARE(tabs->currentIndex(), 0);
    Find<QWidget>(window_, "Image1");
    Find<QWidget>(window_, "Image2");
    Find<QWidget>(window_, "St1");
    QCOMPARE(Find<QTimer>(window_, "Timer1")->interval(), 100);
}

void CorvellWindowTest::coloursOfInputsAndResults() {
    for (int number : {1, 7, 15, 16, 22, 35})
        QCOMPARE(field(number)->palette().color(QPalette::Base), runtime::LightBlueField);
    for (int number : {8, 14, 17, 18, 19, 20, 21, 36, 42, 43, 44, 45})
        QCOMPARE(field(number)->palette().color(QPalette::Base), runtime::RedField);
    QCOMPARE(field(3)->alignment(), Qt::AlignCenter);
}

void CorvellWindowTest::boxGirderWorkedExample() {
    MessageRecorder messages;
    type({{15, "10"}, {16, "20"}});
    Click(button(3));
    QCOMPARE(field(17)->text(), QStringLiteral("320000"));
    QCOMPARE(field(18)->text(), QStringLiteral("80000"));
    type(boxExample);
    Click(button(1));
    for (auto it = boxExampleResults.begin(); it != boxExampleResults.end(); ++it)
        QCOMPARE(field(it.key())->text(), it.value());
    QVERIFY(messages.messages.isEmpty());
}

void CorvellWindowTest::beamGirderWorkedExample() {
    MessageRecorder messages;
    showTab(1);
    type({{15, "5"}, {16, "16"}});
    Click(button(3));
    QCOMPARE(field(17)->text(), QStringLiteral("102400"));
    QCOMPARE(field(18)->text(), QStringLiteral("25600"));
    type(beamExample);
    Click(button(4));
    for (auto it = beamExampleResults.begin(); it != beamExampleResults.end(); ++it)
        QCOMPARE(field(it.key())->text(), it.value());
    QVERIFY(messages.messages.isEmpty());
}

void CorvellWindowTest::estimateWithoutParametersAsksAndGoesOn() {
    MessageRecorder messages;
    field(17)->setText("999");
    field(18)->setText("999");
    type({{15, "10"}});
    Click(button(3));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("请输入起重机基本参数！"));
    QCOMPARE(messages.messages[0].kind, 64);
    QCOMPARE(messages.messages[0].title, QStringLiteral("出错啦！"));
    QCOMPARE(field(17)->text(), QStringLiteral("0"));
    QCOMPARE(field(18)->text(), QStringLiteral("0"));
}

void CorvellWindowTest::emptyRequirementsPassStiffness() {
    type(boxExample);
    Click(button(1));
    QCOMPARE(field(20)->text(), QStringLiteral("刚度合格"));
    // A typed requirement is used as it stands at the click: Ix short but Iy enough passes.
    type({{17, "320000"}, {18, "20000"}});
    Click(button(1));
    QCOMPARE(field(20)->text(), QStringLiteral("刚度合格"));
    type({{18, "24132.49"}});
    Click(button(1));
    QCOMPARE(field(20)->text(), QStringLiteral("刚度不合格"));
}

// A result longer than its field, such as 15 digits in exponent form, is shown from its first
// digit, never as a tail that reads like another number.
void CorvellWindowTest::longResultsShowTheirLeadingDigits() {
    type(boxExample);
    type({{7, "3e7"}, {15, "1e9"}, {16, "3.3e8"}});
    Click(button(3));
    Click(button(1));
    QCOMPARE(field(11)->text(), QStringLiteral("2.70013500009E+18"));
    QCOMPARE(field(17)->text(), QStringLiteral("8.712E+27"));
    for (int number : {8, 9, 10, 11, 12, 13, 14, 17, 18, 19})
        QCOMPARE(field(number)->cursorPosition(), 0);
}

void CorvellWindowTest::clearEmptiesOnlyItsTab_data() {
    QTest::addColumn<int>("clearButton");
    QTest::addColumn<QList<int>>("emptied");
    QTest::addColumn<QList<int>>("prompts"); // stiffness, strength
    QList<int> boxFields;
    for (int number = 1; number <= 14; ++number)
        boxFields << number;
    boxFields << 19;
    QList<int> beamFields;
    for (int number = 22; number <= 43; ++number)
        beamFields << number;
    QTest::newRow("box girder tab") << 2 << boxFields << QList<int>{20, 21};
    QTest::newRow("I-beam girder tab") << 5 << beamFields << QList<int>{44, 45};
}

void CorvellWindowTest::clearEmptiesOnlyItsTab() {
    QFETCH(int, clearButton);
    QFETCH(QList<int>, emptied);
    QFETCH(QList<int>, prompts);
    solveBothExamples();
    const FieldTexts before = allTexts();
    showTab(clearButton == 2 ? 0 : 1);
    Click(button(clearButton));
    showTab(clearButton == 2 ? 1 : 0);

    FieldTexts expected = before;
    for (int number : emptied)
        expected[number] = QString();
    expected[prompts[0]] = QStringLiteral("刚度校核");
    expected[prompts[1]] = QStringLiteral("强度校核");
    QCOMPARE(allTexts(), expected);
}

void CorvellWindowTest::zeroDivisorStopsWithCause_data() {
    QTest::addColumn<int>("solveButton");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<FieldTexts>("computed"); // results written before the failing step
    QTest::addColumn<QList<int>>("kept");     // results after it, left from the last solve

    // The worked examples are solved first, with P = 10 t and L = 20 m.
    QTest::newRow("box: all plates empty")
        << 1 << Entries{{1, ""}, {2, ""}, {3, ""}, {4, ""}, {5, ""}, {6, ""}, {7, ""}}
        << "截面面积S为零，无法求中心位置Yc" << FieldTexts{{9, "0"}, {8, "0"}}
        << QList<int>{10, 11, 12, 13, 14, 19, 20, 21};
    QTest::newRow("box: no flange widths")
        << 1 << Entries{{4, ""}, {5, ""}} << "上翼缘宽度B1和下翼缘宽度B2均为零"
        << FieldTexts{{9, "96"},     {8, "76.4904"},           {10, "41"},
                      {11, "51200"}, {12, "1248.78048780488"}, {13, "19632.48"}}
        << QList<int>{14, 19, 20, 21};
    QTest::newRow("I-beam: all empty")
        << 4 << beamOnly({}) << "截面面积S为零，无法求中心位置C"
        << FieldTexts{{37, "0"}, {36, "0"}, {43, "0"}} << QList<int>{38, 39, 40, 41, 42, 44, 45};
    QTest::newRow("I-beam: height missing")
        << 4 << beamOnly({{33, "10"}, {34, "100"}}) << "中心位置C为零"
        << FieldTexts{{37, "10"}, {36, "8.007"}, {43, "160.14"}, {38, "0"}, {39, "100"}}
        << QList<int>{40, 41, 42, 44, 45};
    QTest::newRow("I-beam: girder width missing")
        << 4 << Entries{{22, ""}} << "梁宽度L1为零" << FieldTexts{} << QList<int>{42, 44, 45};
    QTest::newRow("I-beam: table moment Ix missing")
        << 4 << beamOnly({{22, "100"}, {26, "200"}, {33, "10"}, {35, "50"}}) << "截面模数Wx为零"
        << FieldTexts{{37, "10"}, {36, "8.007"}, {43, "160.14"}, {38, "10"},        {39, "0"},
                      {40, "0"},  {41, "50"},    {42, "10"},     {44, "刚度不合格"}}
        << QList<int>{45};
}

void CorvellWindowTest::zeroDivisorStopsWithCause() {
    QFETCH(int, solveButton);
    QFETCH(Entries, typed);
    QFETCH(QString, cause);
    QFETCH(FieldTexts, computed);
    QFETCH(QList<int>, kept);
    solveBothExamples();
    const FieldTexts before = allTexts();

    MessageRecorder messages;
    showTab(solveButton == 1 ? 0 : 1);
    type(typed);
    Click(button(solveButton));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages[0].text.startsWith(cause), qPrintable(messages.messages[0].text));

    const FieldTexts shown = allTexts();
    for (auto it = computed.begin(); it != computed.end(); ++it)
        QCOMPARE(shown[it.key()], it.value());
    for (int number : kept)
        QCOMPARE(shown[number], before[number]);
    // Inputs, the basic parameters and the other tab stay as they were.
    FieldTexts inputs = before;
    for (const auto &[number, text] : typed)
        inputs[number] = text;
    const QList<int> results = solveButton == 1
                                   ? QList<int>{8, 9, 10, 11, 12, 13, 14, 19, 20, 21}
                                   : QList<int>{36, 37, 38, 39, 40, 41, 42, 43, 44, 45};
    for (int number = 1; number <= 45; ++number)
        if (!results.contains(number))
            QCOMPARE(shown[number], inputs[number]);
    for (const QString &text : shown)
        QVERIFY2(!text.contains("inf", Qt::CaseInsensitive) &&
                     !text.contains("nan", Qt::CaseInsensitive),
                 qPrintable(text));
}

void CorvellWindowTest::overflowIsTold_data() {
    QTest::addColumn<int>("clickedButton");
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QList<int>>("kept"); // fields that keep their text

    QTest::newRow("estimate beyond the double range")
        << 3 << Entries{{15, "1e300"}, {16, "1e10"}} << QList<int>{17, 18};
    QTest::newRow("estimate Iy beyond a single")
        << 3 << Entries{{15, "1e30"}, {16, "1e10"}} << QList<int>{18};
    QTest::newRow("box flange 1e300 thick")
        << 1 << Entries{{1, "1e300"}} << QList<int>{11, 12, 13, 14, 19, 20, 21};
    QTest::newRow("span beyond the double range")
        << 4 << Entries{{16, "1e400"}} << QList<int>{36, 37, 38, 43, 44, 45};
}

void CorvellWindowTest::overflowIsTold() {
    QFETCH(int, clickedButton);
    QFETCH(Entries, typed);
    QFETCH(QList<int>, kept);
    solveBothExamples();
    const FieldTexts before = allTexts();
    MessageRecorder messages;
    showTab(clickedButton == 4 ? 1 : 0);
    type(typed);
    Click(button(clickedButton));
    QCOMPARE(messages.texts(), QStringList{"溢出"});
    const FieldTexts shown = allTexts();
    for (int number : kept)
        QCOMPARE(shown[number], before[number]);
    for (const QString &text : shown)
        QVERIFY2(!text.contains("inf", Qt::CaseInsensitive) &&
                     !text.contains("nan", Qt::CaseInsensitive),
                 qPrintable(text));
}

void CorvellWindowTest::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report = formtest::RunMonkey(window_, {}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(CorvellWindowTest)
#include "tst_corvellwindow.moc"
