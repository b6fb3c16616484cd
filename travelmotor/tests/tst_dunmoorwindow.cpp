#include "formtest.h"
#include "formwidgets.h"
#include "mainwindow.h"
#include "monkeytest.h"
#include "statusclock.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using formtest::Click;
using formtest::Find;
using formtest::TypeInto;

namespace {

const QString prompt = QStringLiteral("起重机类型");
const QString wheelMessage = QStringLiteral("您选择的车轮不在范围内");

// The inputs Text1 to Text8 of the worked example: 10 t hoisted, 5 t dead weight, no wind,
// 400 mm wheels, 30 m/min, two motors, efficiency 0.9, power increase 1.2.
const QStringList workedExample = {"10000", "5000", "0", "400", "30", "2", "0.9", "1.2"};

QStringList withInput(QStringList inputs, int text, const QString &value) {
    inputs[text - 1] = value;
    return inputs;
}

QString fieldName(int number) {
    return QStringLiteral("Text%1").arg(number);
}

} // namespace

class DunmoorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void initTestCase();
    void init();
    void cleanup();

    void startsWithPromptAndEmptyFields();
    void calculate_data();
    void calculate();
    void clearEmptiesInputsAndResults();
    void undefinedArithmetic_data();
    void undefinedArithmetic();

private:
    QLineEdit *field(int number) const { return Find<QLineEdit>(window_, fieldName(number)); }
    QComboBox *craneType() const { return Find<QComboBox>(window_, "Combo1"); }
    void enter(const QString &type, bool typed, const QStringList &inputs);
    QStringList results() const;

    travelmotor::MainWindow *window_ = nullptr;
    formtest::MessageRecorder *recorder_ = nullptr;
};

// The form font the program runs with, so that the fields are measured as the engineer sees them.
void DunmoorWindowTest::initTestCase() {
    QApplication::setFont(runtime::FormFont());
}

void DunmoorWindowTest::init() {
    recorder_ = new formtest::MessageRecorder;
    window_ = new travelmotor::MainWindow;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void DunmoorWindowTest::cleanup() {
    delete window_;
    delete recorder_;
}

// Picks the crane type from the list, or types it into the box when it is not listed.
void DunmoorWindowTest::enter(const QString &type, bool typed, const QStringList &inputs) {
    QComboBox *combo = craneType();
    if (typed) {
        // Chinese reaches the box as the input method's committed text.
        QLineEdit *text = combo->lineEdit();
        text->setFocus();
        text->selectAll();
        QTest::keyClick(text, Qt::Key_Delete);
        QInputMethodEvent commit;
        commit.setCommitString(type);
        QCoreApplication::sendEvent(text, &commit);
        QCOMPARE(combo->currentText(), type);
    } else {
        const int position = combo->findText(type);
        QVERIFY2(position >= 0, qPrintable(type));
        combo->setCurrentIndex(position);
    }
    for (int i = 0; i < inputs.size(); ++i)
        TypeInto(field(i + 1), inputs[i]);
}

QStringList DunmoorWindowTest::results() const {
    return {field(9)->text(), field(10)->text(), field(11)->text()};
}

void DunmoorWindowTest::startsWithPromptAndEmptyFields() {
    QCOMPARE(window_->objectName(), QStringLiteral("mian"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("【dunmoor】(3合1电机)"));
    QComboBox *combo = craneType();
    QVERIFY(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, QStringList({prompt, "桥式起重机", "门式和门座式起重机", "铁路起重机",
                                 "建筑塔式起重机", "桥架上的小车"}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), prompt);
    for (int number = 1; number <= 11; ++number)
        QVERIFY2(field(number)->text().isEmpty(), qPrintable(fieldName(number)));
    for (int number = 1; number <= 8; ++number) {
        QCOMPARE(field(number)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(field(number)->palette().color(QPalette::Base), QColor(192, 192, 255));
    }
    for (int number = 9; number <= 11; ++number)
        QCOMPARE(field(number)->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(Find<QPushButton>(window_, "Command1")->text(), QStringLiteral("电机参数计算>>"));
    QCOMPARE(Find<QPushButton>(window_, "Command2")->text(), QStringLiteral("︻清  空︼"));
    QCOMPARE(Find<QLabel>(window_, "Label24")->text(), QStringLiteral("三合一电机"));
    QVERIFY(Find<QWidget>(window_, "Image1")->isVisible());
    QCOMPARE(Find<QGroupBox>(window_, "Frame2")->title(), QStringLiteral("已知参数录入"));
    QVERIFY(Find<runtime::PanelStatusBar>(window_, "St1")->panelText(2).contains("   "));
}

void DunmoorWindowTest::calculate_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected"); // Text9, Text10, Text11
    QTest::addColumn<bool>("wheelOutside");

    const QString bridge = QStringLiteral("桥式起重机");
    QTest::newRow("worked example")
        << bridge << false << workedExample << QStringList{"1.05", "315", "23.87324"} << false;
    QTest::newRow("speed with pi to seven decimals")
        << bridge << false << withInput(workedExample, 5, "50")
        << QStringList{"1.75", "315", "39.78874"} << false;
    QTest::newRow("wheel 200 uses 0.025") << bridge << false << withInput(workedExample, 4, "200")
                                          << QStringList{"1.3", "195", "47.74648"} << false;
    QTest::newRow("wheel 200.5 uses 0.02")
        << bridge << false << withInput(workedExample, 4, "200.5")
        << QStringList{"1.05", "157.89375", "47.62741"} << false;
    QTest::newRow("wheel 600 uses 0.015") << bridge << false << withInput(workedExample, 4, "600")
                                          << QStringList{"0.8", "360", "15.91549"} << false;
    QTest::newRow("wheel 800 uses 0.011") << bridge << false << withInput(workedExample, 4, "800")
                                          << QStringList{"0.6", "360", "11.93662"} << false;
    QTest::newRow("wheel 801 outside, goes on without it")
        << bridge << false << withInput(workedExample, 4, "801")
        << QStringList{"0.05", "30.0375", "11.92172"} << true;
    QTest::newRow("prompt and wheel outside leave the wind alone")
        << prompt << false << withInput(withInput(workedExample, 4, "801"), 3, "100")
        << QStringList{"0.333333333333333", "200.25", "11.92172"} << true;
    QTest::newRow("prompt gives no type coefficient")
        << prompt << false << workedExample << QStringList{"1", "300", "23.87324"} << false;
    QTest::newRow("gantry crane, four motors, wind")
        << QStringLiteral("门式和门座式起重机") << false
        << QStringList{"20000", "8000", "300", "500", "40", "4", "0.85", "1.2"}
        << QStringList{"1.89176470588235", "1005", "25.46479"} << false;
    QTest::newRow("railway crane") << QStringLiteral("铁路起重机") << false << workedExample
                                   << QStringList{"1.2", "360", "23.87324"} << false;
    QTest::newRow("tower crane") << QStringLiteral("建筑塔式起重机") << false << workedExample
                                 << QStringList{"1.25", "375", "23.87324"} << false;
    QTest::newRow("crab on the bridge") << QStringLiteral("桥架上的小车") << false << workedExample
                                        << QStringList{"1.1", "330", "23.87324"} << false;
    QTest::newRow("type typed in full") << QStringLiteral("桥架上的小车") << true << workedExample
                                        << QStringList{"1.1", "330", "23.87324"} << false;
    QTest::newRow("typed type with a blank matches nothing")
        << QStringLiteral("桥式起重机 ") << true << workedExample
        << QStringList{"1", "300", "23.87324"} << false;
}

void DunmoorWindowTest::calculate() {
    QFETCH(QString, type);
    QFETCH(bool, typed);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);
    QFETCH(bool, wheelOutside);

    enter(type, typed, inputs);
    // The wheel message comes before any result is written.
    QStringList resultsWhenAsked;
    runtime::SetMessageFunction([&](const QString &text, int kind, const QString &title) {
        recorder_->messages.append({text, kind, title});
        resultsWhenAsked = results();
    });
    Click(Find<QPushButton>(window_, "Command1"));

    QCOMPARE(results(), expected);
    // Up to 15 digits fit their field and are shown from the first digit.
    for (int number = 9; number <= 11; ++number) {
        QLineEdit *result = field(number);
        QVERIFY2(result->fontMetrics().horizontalAdvance(result->text()) + 8 <= result->width(),
                 qPrintable(result->text()));
        QCOMPARE(result->cursorPosition(), 0);
    }
    if (wheelOutside) {
        QCOMPARE(recorder_->messages.size(), 1);
        QCOMPARE(recorder_->messages[0].text, wheelMessage);
        QCOMPARE(recorder_->messages[0].kind, 64);
        QCOMPARE(recorder_->messages[0].title, QStringLiteral("注意！"));
        QCOMPARE(resultsWhenAsked, QStringList({"", "", ""}));
    } else {
        QCOMPARE(recorder_->texts(), QStringList());
    }
}

void DunmoorWindowTest::clearEmptiesInputsAndResults() {
    enter(QStringLiteral("铁路起重机"), false, workedExample);
    Click(Find<QPushButton>(window_, "Command1"));
    QCOMPARE(results(), QStringList({"1.2", "360", "23.87324"}));

    Click(Find<QPushButton>(window_, "Command2"));
    for (int number = 1; number <= 11; ++number)
        QVERIFY2(field(number)->text().isEmpty(), qPrintable(fieldName(number)));
    QCOMPARE(craneType()->currentText(), prompt);

    // A typed type is put back to the prompt as well, and the prompt counts as no type.
    enter(QStringLiteral("起重机"), true, workedExample);
    Click(Find<QPushButton>(window_, "Command2"));
    QCOMPARE(craneType()->currentText(), prompt);
    enter(prompt, false, workedExample);
    Click(Find<QPushButton>(window_, "Command1"));
    QCOMPARE(results(), QStringList({"1", "300", "23.87324"}));
    QCOMPARE(recorder_->texts(), QStringList());
}

void DunmoorWindowTest::undefinedArithmetic_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("expected"); // Text9, Text10, Text11

    // The good sizing before each case showed 1.05, 315 and 23.87324.
    QTest::newRow("efficiency empty")
        << withInput(workedExample, 7, "") << QStringList{"传动效率为零，无法计算功率"}
        << QStringList{"1.05", "315", "23.87324"};
    QTest::newRow("no motors") << withInput(workedExample, 6, "0")
                               << QStringList{"电机数量为零，无法计算功率"}
                               << QStringList{"1.05", "315", "23.87324"};
    QTest::newRow("wheel diameter empty keeps power and torque")
        << withInput(workedExample, 4, "") << QStringList{"车轮直径为零，无法计算转速"}
        << QStringList{"1.3", "0", "23.87324"};
    QTest::newRow("wheel outside, then efficiency zero")
        << withInput(withInput(workedExample, 4, "900"), 7, "0")
        << QStringList{wheelMessage, "传动效率为零，无法计算功率"}
        << QStringList{"1.05", "315", "23.87324"};
    QTest::newRow("load beyond any number")
        << withInput(workedExample, 1, "1E400") << QStringList{"起升载荷的数值超出范围，请检查输入"}
        << QStringList{"1.05", "315", "23.87324"};
    QTest::newRow("speed beyond single precision")
        << withInput(withInput(workedExample, 5, "1E300"), 4, "1")
        << QStringList{"转速计算溢出，请检查输入的数值"}
        << QStringList{"4.33333333333333E+298", "0.975", "23.87324"};
}

// Each case follows a good sizing, so the results of that sizing are on the screen when the
// failing one starts: the steps done show their new values, the sizing stops at the failing
// step and the fields after it keep what they showed.
void DunmoorWindowTest::undefinedArithmetic() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, expected);

    enter(QStringLiteral("桥式起重机"), false, workedExample);
    Click(Find<QPushButton>(window_, "Command1"));
    QCOMPARE(results(), QStringList({"1.05", "315", "23.87324"}));

    enter(QStringLiteral("桥式起重机"), false, inputs);
    Click(Find<QPushButton>(window_, "Command1"));
    QCOMPARE(recorder_->texts(), messages);
    QCOMPARE(results(), expected);
    QVERIFY(window_->isVisible());
}

void DunmoorWindowTest::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report = formtest::RunMonkey(window_, {}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(DunmoorWindowTest)
#include "tst_dunmoorwindow.moc"
