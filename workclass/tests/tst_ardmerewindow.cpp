#include "formtest.h"
#include "mainwindow.h"

#include <QApplication>
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
    void init();
    void cleanup();
    void workedExample();
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
}

QTEST_MAIN(ArdmereWindowTest)
#include "tst_ardmerewindow.moc"
