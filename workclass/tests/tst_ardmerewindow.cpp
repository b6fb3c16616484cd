#include "formtest.h"
#include "mainwindow.h"
#include "monkeytest.h"

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using formtest::Click;
using formtest::Find;
using formtest::MessageRecorder;
using formtest::TypeInto;

class ArdmereWindowTest : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void init();
    void cleanup();
    void workedExample();
    void bandEdgesThroughControls_data();
    void bandEdgesThroughControls();
    void controlTextsAndColours_data();
    void controlTextsAndColours();
    void missingInputsAreToldOnceEach();
    void factorAboveOneKeepsResult();
    void absurdInputsAreTold_data();
    void absurdInputsAreTold();
    void clearAllRestoresInitialTexts();
    void tablesOpenOnce();

private:
    QLineEdit *field(int number) const {
        return Find<QLineEdit>(window_, QStringLiteral("Text%1").arg(number));
    }
    void type(const QList<QPair<int, QString>> &entries) {
        for (const auto &[number, text] : entries)
            TypeInto(field(number), text);
    }
    void calculate() { Click(Find<QPushButton>(window_, "Command1")); }

    workclass::MainWindow *window_ = nullptr;
};

void ArdmereWindowTest::init() {
    window_ = new workclass::MainWindow;
    window_->show();
}

void ArdmereWindowTest::cleanup() {
    delete window_;
    for (QWidget *widget : QApplication::topLevelWidgets())
        delete widget;
}

void ArdmereWindowTest::workedExample() {
    MessageRecorder messages;
    QCOMPARE(window_->objectName(), QStringLiteral("mian"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("【ardmere】"));
    QCOMPARE(field(15)->text(), QStringLiteral("A/m"));
    type({{1, "8"},
          {2, "5"},
          {3, "20"},
          {4, "10"},
          {5, "10"},
          {6, "50"},
          {7, "5"},
          {8, "30"},
          {9, "2"},
          {10, "20"}});
    calculate();
    QCOMPARE(field(15)->text(), QStringLiteral("A8/5m"));
    QVERIFY(messages.messages.isEmpty());
}

void ArdmereWindowTest::bandEdgesThroughControls_data() {
    // Text1 to Text14 in order; fields left out stay empty.
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");
    // C = 80 h × 270 × 1 year × 60 / 81 min = 16000 exactly.
    QTest::newRow("C 16000 in first row")
        << QStringList{"80", "81", "1", "10", "10", "60"} << "A2/1Bm";
    QTest::newRow("C just above 16000")
        << QStringList{"80", "81", "1.0000001", "10", "10", "60"} << "A3/1Bm";
    // C = 20 h × 270 × 1000 years × 60 / 81 min = 4000000 exactly.
    QTest::newRow("C 4000000 in ninth row")
        << QStringList{"20", "81", "1000", "10", "10", "10"} << "A7/4m";
    QTest::newRow("C above 4000000")
        << QStringList{"20", "81", "1000.0001", "10", "10", "10"} << "A8/5m";
    // C = 10 h × 270 × 50 years × 60 / 27 min = 300000, the row of 250000 < C ≤ 500000.
    QTest::newRow("Kp 0.125") << QStringList{"10", "27", "50", "10", "10", "12.5"} << "A4/1Am";
    QTest::newRow("Kp just above 0.125, 0.125 as a single")
        << QStringList{"10", "27", "50", "10", "10", "12.500000001"} << "A4/1Am";
    QTest::newRow("Kp above 0.125 as a single")
        << QStringList{"10", "27", "50", "10", "10", "12.51"} << "A5/2m";
    QTest::newRow("Kp 0.25") << QStringList{"10", "27", "50", "10", "10", "25"} << "A5/2m";
    QTest::newRow("Kp 0.5") << QStringList{"10", "27", "50", "10", "10", "50"} << "A6/3m";
    QTest::newRow("Kp 1") << QStringList{"10", "27", "50", "10", "10", "100"} << "A7/4m";
    QTest::newRow("all load rows empty") << QStringList{"10", "27", "50", "10"} << "A4/1Am";
    QTest::newRow("two loads summed")
        << QStringList{"10", "27", "50", "10", "5", "100", "10", "10"} << "A5/2m";
    QTest::newRow("blanks and trailing letters")
        << QStringList{" 1 0", "27 min", "5 0", "1 0", "10t", "50%"} << "A6/3m";
}

void ArdmereWindowTest::bandEdgesThroughControls() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    MessageRecorder messages;
    for (int number = 1; number <= inputs.size(); ++number)
        TypeInto(field(number), inputs[number - 1]);
    calculate();
    QCOMPARE(field(15)->text(), expected);
    QVERIFY(messages.messages.isEmpty());
}

void ArdmereWindowTest::controlTextsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour"); // text colour, or background of a field
    const QColor black(Qt::black);
    const QColor red(255, 0, 0);
    const QColor darkBlue(0, 0, 192);
    const QColor lightBlue(192, 192, 255);
    QTest::newRow("Label3") << "Label3"
                            << "2、每" << black;
    QTest::newRow("Label6") << "Label6"
                            << "年(270天/年)" << black;
    QTest::newRow("Label19") << "Label19"
                             << "%" << black;
    QTest::newRow("Label10") << "Label10"
                             << "吨      占" << black;
    QTest::newRow("Label20") << "Label20"
                             << "说明：仅以5次载荷为代表" << red;
    QTest::newRow("Label21") << "Label21"
                             << "A0-A3/1Bm：不经常使用" << black;
    QTest::newRow("Label22") << "Label22"
                             << "   A4/1Am：经常轻闲地使用" << black;
    QTest::newRow("Label27") << "Label27"
                             << "    A8/5m：繁忙地使用" << black;
    QTest::newRow("Label30") << "Label30" << QString(38, QLatin1Char('<')) << black;
    QTest::newRow("Label26") << "Label26"
                             << "〖机构、零部件工作级别可按此方法计算〗" << red;
    QTest::newRow("Label28") << "Label28"
                             << "机构工作级别：M1～M8" << darkBlue;
    QTest::newRow("Label29") << "Label29"
                             << "零部件工作级别：E1～E8" << darkBlue;
    QTest::newRow("Text1") << "Text1" << QString() << lightBlue;
    QTest::newRow("Text14") << "Text14" << QString() << lightBlue;
    QTest::newRow("Text15") << "Text15"
                            << "A/m" << red;
}

void ArdmereWindowTest::controlTextsAndColours() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    if (name.startsWith("Text")) {
        auto *edit = Find<QLineEdit>(window_, name);
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->palette().color(QPalette::Base), colour);
        QCOMPARE(edit->alignment(), Qt::AlignCenter);
    } else {
        auto *label = Find<QLabel>(window_, name);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }
}

void ArdmereWindowTest::missingInputsAreToldOnceEach() {
    MessageRecorder messages;
    type({{1, "8"}, {3, "20"}});
    calculate();
    QCOMPARE(messages.texts(), QStringList({"参数未全部输入！", "参数未全部输入！"}));
    QCOMPARE(messages.messages[0].kind, 64);
    QCOMPARE(messages.messages[0].title, QStringLiteral("出错啦！"));
    QCOMPARE(field(15)->text(), QStringLiteral("A/m"));

    messages.clear();
    type({{2, "5"}, {4, "abc"}});
    calculate();
    QCOMPARE(messages.texts(), QStringList{"参数未全部输入！"});
}

void ArdmereWindowTest::factorAboveOneKeepsResult() {
    MessageRecorder messages;
    type({{1, "8"}, {2, "5"}, {3, "20"}, {4, "10"}, {5, "10"}, {6, "100"}});
    calculate();
    QCOMPARE(field(15)->text(), QStringLiteral("A8/5m"));
    type({{7, "10"}, {8, "100"}});
    calculate();
    QCOMPARE(field(15)->text(), QStringLiteral("A8/5m"));
    type({{1, "1"}, {6, "50"}, {8, "0"}});
    calculate();
    QCOMPARE(field(15)->text(), QStringLiteral("A4/1Am")); // C = 64800, Kp = 0.5
    QVERIFY(messages.messages.isEmpty());
}

void ArdmereWindowTest::absurdInputsAreTold_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("expectedMessage");
    QTest::newRow("1e308 hours") << "1e308"
                                 << "10"
                                 << "溢出";
    QTest::newRow("beyond the double range") << "1e400"
                                             << "10"
                                             << "溢出";
    QTest::newRow("negative load") << "8"
                                   << "-10"
                                   << "";
    QTest::newRow("letters") << "eight"
                             << "ten"
                             << "";
}

void ArdmereWindowTest::absurdInputsAreTold() {
    QFETCH(QString, hours);
    QFETCH(QString, load);
    QFETCH(QString, expectedMessage);
    MessageRecorder messages;
    type({{1, hours}, {2, "5"}, {3, "20"}, {4, "10"}, {5, load}, {6, "50"}});
    calculate();
    QCOMPARE(messages.texts(),
             expectedMessage.isEmpty() ? QStringList() : QStringList{expectedMessage});
    QVERIFY(!field(15)->text().contains("inf", Qt::CaseInsensitive));
}

void ArdmereWindowTest::clearAllRestoresInitialTexts() {
    for (int number = 1; number <= 14; ++number)
        TypeInto(field(number), QString::number(number));
    field(15)->setText("A5/2m");
    Click(Find<QPushButton>(window_, "Command4"));
    for (int number = 1; number <= 14; ++number)
        QVERIFY(field(number)->text().isEmpty());
    QCOMPARE(field(15)->text(), QStringLiteral("A/m"));
}

void ArdmereWindowTest::tablesOpenOnce() {
    auto countWindows = [](const QString &name) {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += widget->objectName() == name && widget->isVisible();
        return count;
    };
    Click(Find<QPushButton>(window_, "Command2"));
    Click(Find<QPushButton>(window_, "Command2"));
    QCOMPARE(countWindows("Form2"), 1);
    Click(Find<QPushButton>(window_, "Command3"));
    QCOMPARE(countWindows("Form3"), 1);

    QWidget *craneTable = nullptr;
    QWidget *mechanismTable = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "Form2")
            craneTable = widget;
        if (widget->objectName() == "Form3")
            mechanismTable = widget;
    }
    QCOMPARE(craneTable->windowTitle(), QStringLiteral("常用起重机工作级别"));
    QCOMPARE(mechanismTable->windowTitle(), QStringLiteral("常用机构工作级别"));
    auto texts = [](QWidget *table) {
        QStringList list;
        for (QLabel *label : table->findChildren<QLabel *>())
            list << label->text();
        return list;
    };
    QVERIFY(texts(craneTable).contains("干坞起重机，船厂臂架起重机，拆卸用臂架起重机"));
    QVERIFY(texts(mechanismTable).contains("干船坞起重机，船厂臂架起重机，拆卸用臂架起重机"));
    QVERIFY(texts(mechanismTable).contains("用途特征"));
    QVERIFY(texts(craneTable).contains("用途特点"));
    QCOMPARE(texts(mechanismTable).count("—"), 23);

    // Closing the main window ends the program, so the open tables go with it.
    delete window_;
    window_ = nullptr;
    QCOMPARE(countWindows("Form2") + countWindows("Form3"), 0);
}

void ArdmereWindowTest::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report = formtest::RunMonkey(window_, {}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(ArdmereWindowTest)
#include "tst_ardmerewindow.moc"
