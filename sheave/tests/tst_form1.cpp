#include "form1.h"
#include "formtest.h"
#include "monkeytest.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using formtest::Click;
using formtest::Find;

namespace {

enum class State { Choosing, Entering, Reported };

QString optionName(int k) {
    return QStringLiteral("Option%1").arg(k);
}
QString pictureName(int k) {
    return QStringLiteral("Image%1").arg(k);
}

// Moves the mouse over a control without pressing a button.
void hover(QWidget *control) {
    const QPointF inside(8, 8);
    QMouseEvent move(QEvent::MouseMove, inside, control->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

QStringList reportLines(const QWidget &window) {
    return Find<QPlainTextEdit>(&window, "Text13")
        ->toPlainText()
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString distanceOf(const QString &line) {
    return line.section(QStringLiteral("距离x为："), 1).section(QStringLiteral(" mm"), 0, 0);
}

QStringList shownPictures(const QWidget &window) {
    QStringList shown;
    for (int k = 1; k <= sheave::ArrangementCount; ++k)
        if (!Find<QWidget>(&window, pictureName(k))->isHidden())
            shown << pictureName(k);
    return shown;
}

QStringList shownOptionalRows(const QWidget &window) {
    QStringList shown;
    for (const char *name :
         {"Label8", "Text8", "Label9", "Text9", "Label13", "Text11", "Label14", "Text12"})
        if (!Find<QWidget>(&window, name)->isHidden())
            shown << name;
    return shown;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void startsChoosingWithEveryPicture();
    void arrangementRunsThroughItsStates_data();
    void arrangementRunsThroughItsStates();
    void nextChoiceResetsTheRows();
    void hoverShowsPictureOnlyWhileChoosing();
    void typedInputsAndTextAlreadyInTheBox();
    void undefinedGeometryStopsWithItsCause_data();
    void undefinedGeometryStopsWithItsCause();
    void exitClosesTheWindow();

private:
    void verifyState(const QWidget &window, State state);
};

void Form1Test::verifyState(const QWidget &window, State state) {
    for (int k = 1; k <= sheave::ArrangementCount; ++k)
        QCOMPARE(Find<QRadioButton>(&window, optionName(k))->isEnabled(), state == State::Choosing);
    QCOMPARE(Find<QPushButton>(&window, "Command3")->isHidden(), state != State::Choosing);
    QCOMPARE(Find<QGroupBox>(&window, "Frame1")->isEnabled(), state == State::Entering);
    QCOMPARE(Find<QPushButton>(&window, "Command1")->isHidden(), state != State::Entering);
    QCOMPARE(Find<QPushButton>(&window, "Command4")->isHidden(), state != State::Reported);
    auto *exit = Find<QPushButton>(&window, "Command2");
    QVERIFY(!exit->isHidden() && exit->isEnabled());
}

void Form1Test::startsChoosingWithEveryPicture() {
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, QStringLiteral("注意！本设计中所有长度单位为 mm "));
    QCOMPARE(recorder.messages[0].kind, 0);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("信息提示"));

    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("动滑轮与定滑轮相互尺寸的计算"));
    verifyState(window, State::Choosing);
    QVERIFY(Find<QRadioButton>(&window, "Option1")->isChecked());
    QCOMPARE(shownPictures(window).size(), sheave::ArrangementCount);
    const QRect place = Find<QWidget>(&window, "Image1")->geometry();
    for (int k = 2; k <= sheave::ArrangementCount; ++k)
        QCOMPARE(Find<QWidget>(&window, pictureName(k))->geometry(), place);
    QVERIFY(Find<QPlainTextEdit>(&window, "Text13")->toPlainText().isEmpty());

    const QStringList initialTexts = {"34000", "2884", "1565", "0", "800", "450",
                                      "450",   "300",  "560",  "6", "625", "2068"};
    for (int i = 0; i < initialTexts.size(); ++i)
        QCOMPARE(Find<QLineEdit>(&window, QStringLiteral("Text%1").arg(i + 1))->text(),
                 initialTexts[i]);
    QCOMPARE(Find<QLabel>(&window, "Label3")->text(), QStringLiteral("   l0"));
    QCOMPARE(Find<QLabel>(&window, "Label11")->text(), QStringLiteral(" 同侧下绳"));
}

void Form1Test::arrangementRunsThroughItsStates_data() {
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("atTop");
    QTest::addColumn<QString>("atBottom");
    const QStringList none;
    const QStringList small{"Label8", "Text8"};
    const QStringList large{"Label9", "Text9"};
    const QStringList arm{"Label13", "Text11", "Label14", "Text12"};
    QTest::newRow("Option1") << 1 << none << " 1437"
                             << " 1437";
    QTest::newRow("Option2") << 2 << small << " 1438"
                             << " 1437";
    QTest::newRow("Option3") << 3 << large << " 1227"
                             << " 1231";
    QTest::newRow("Option4") << 4 << none << " 1193"
                             << " 1171";
    QTest::newRow("Option5") << 5 << small << " 1193"
                             << " 1171";
    QTest::newRow("Option6") << 6 << large << " 972"
                             << " 964";
    QTest::newRow("Option7") << 7 << arm << " 1527"
                             << " 1522";
    QTest::newRow("Option8") << 8 << large + arm << " 1526"
                             << " 1522";
    QTest::newRow("Option9") << 9 << arm << " 1297"
                             << " 1256";
    QTest::newRow("Option10") << 10 << large + arm << " 1293"
                              << " 1256";
}

void Form1Test::arrangementRunsThroughItsStates() {
    QFETCH(int, arrangement);
    QFETCH(QStringList, rows);
    QFETCH(QString, atTop);
    QFETCH(QString, atBottom);
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    recorder.clear();

    Click(Find<QRadioButton>(&window, optionName(arrangement)));
    Click(Find<QPushButton>(&window, "Command3"));
    verifyState(window, State::Entering);
    QCOMPARE(shownOptionalRows(window), rows);
    QCOMPARE(shownPictures(window), QStringList{pictureName(arrangement)});

    Click(Find<QPushButton>(&window, "Command1"));
    verifyState(window, State::Reported);
    const QStringList lines = reportLines(window);
    QCOMPARE(lines.size(), 69);
    QCOMPARE(lines.first(),
             QStringLiteral("  高度为： 34000mm 时, 滑轮与卷筒的距离x为：%1 mm").arg(atTop));
    QCOMPARE(distanceOf(lines.last()), atBottom);
    QVERIFY(recorder.messages.isEmpty());

    Click(Find<QPushButton>(&window, "Command4"));
    verifyState(window, State::Choosing);
    QVERIFY(Find<QPlainTextEdit>(&window, "Text13")->toPlainText().isEmpty());
    // Rows and picture stay as the last choice left them.
    QCOMPARE(shownOptionalRows(window), rows);
    QCOMPARE(shownPictures(window), QStringList{pictureName(arrangement)});
    QVERIFY(Find<QRadioButton>(&window, optionName(arrangement))->isChecked());
}

void Form1Test::nextChoiceResetsTheRows() {
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    Click(Find<QRadioButton>(&window, "Option8"));
    Click(Find<QPushButton>(&window, "Command3"));
    Click(Find<QPushButton>(&window, "Command1"));
    Click(Find<QPushButton>(&window, "Command4"));

    Click(Find<QRadioButton>(&window, "Option2"));
    Click(Find<QPushButton>(&window, "Command3"));
    QCOMPARE(shownOptionalRows(window), (QStringList{"Label8", "Text8"}));
    QCOMPARE(shownPictures(window), QStringList{"Image2"});
    Click(Find<QPushButton>(&window, "Command1"));
    QCOMPARE(distanceOf(reportLines(window).first()), QStringLiteral(" 1438"));
}

void Form1Test::hoverShowsPictureOnlyWhileChoosing() {
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    hover(Find<QRadioButton>(&window, "Option5"));
    QCOMPARE(shownPictures(window), QStringList{"Image5"});
    hover(Find<QRadioButton>(&window, "Option10"));
    QCOMPARE(shownPictures(window), QStringList{"Image10"});
    // Hovering alone chooses nothing: 确定 takes the set option and its picture.
    Click(Find<QPushButton>(&window, "Command3"));
    QCOMPARE(shownPictures(window), QStringList{"Image1"});
    hover(Find<QRadioButton>(&window, "Option7"));
    QCOMPARE(shownPictures(window), QStringList{"Image1"});
}

void Form1Test::typedInputsAndTextAlreadyInTheBox() {
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    auto *report = Find<QPlainTextEdit>(&window, "Text13");
    report->setPlainText(QStringLiteral("上次结果"));
    Click(Find<QPushButton>(&window, "Command3"));
    // Trailing letters are ignored; the fraction of the lift is kept in every height.
    formtest::TypeInto(Find<QLineEdit>(&window, "Text1"), QStringLiteral("1000.5mm"));
    Click(Find<QPushButton>(&window, "Command1"));
    QCOMPARE(report->toPlainText(),
             QStringLiteral("上次结果\n"
                            "  高度为： 1000.5mm 时, 滑轮与卷筒的距离x为： 1437 mm\n"
                            "  高度为： 500.5mm 时, 滑轮与卷筒的距离x为： 1437 mm\n"
                            "  高度为： .5mm 时, 滑轮与卷筒的距离x为： 1437 mm"));
    QVERIFY(recorder.messages.size() == 1);
}

void Form1Test::undefinedGeometryStopsWithItsCause_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("linesKept");
    QTest::addColumn<QString>("cause");
    QTest::newRow("l0 = 1") << "Text3"
                            << "1" << 0 << "水平距离l0过小";
    QTest::newRow("block meets the fixed sheave")
        << "Text4"
        << "20000" << 33 << "动滑轮与定滑轮的中心距不大于 R1+R2";
    QTest::newRow("upper limit within the drum")
        << "Text2"
        << "100" << 0 << "卷筒与动滑轮的中心距不大于 R0+R1";
    QTest::newRow("reeving ratio beyond measure")
        << "Text10"
        << "1e308" << 0 << "高度为 34000 mm 时，滑轮倍率n过大，超出计算范围（溢出）";
    QTest::newRow("reeving ratio beyond any number")
        << "Text10"
        << "1e999" << 0 << "滑轮倍率n 的数值过大，超出计算范围（溢出）";
}

void Form1Test::undefinedGeometryStopsWithItsCause() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, linesKept);
    QFETCH(QString, cause);
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    recorder.clear();
    Click(Find<QPushButton>(&window, "Command3"));
    formtest::TypeInto(Find<QLineEdit>(&window, field), text);
    Click(Find<QPushButton>(&window, "Command1"));
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY2(recorder.messages[0].text.contains(cause), qPrintable(recorder.messages[0].text));
    QCOMPARE(reportLines(window).size(), linesKept);
    verifyState(window, State::Reported);
    Click(Find<QPushButton>(&window, "Command4"));
    verifyState(window, State::Choosing);
}

void Form1Test::exitClosesTheWindow() {
    formtest::MessageRecorder recorder;
    sheave::Form1 window;
    window.show();
    QVERIFY(window.isVisible());
    Click(Find<QPushButton>(&window, "Command2"));
    QVERIFY(!window.isVisible());
}

void Form1Test::absurdSessionShowsNoUndefinedValue() {
    formtest::MessageRecorder startMessage;
    sheave::Form1 window;
    window.show();
    const formtest::MonkeyReport report = formtest::RunMonkey(&window, {"Command2"}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
