#include "formtest.h"
#include "formwidgets.h"
#include "monkeytest.h"
#include "plinthwindow5.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using formtest::Click;
using formtest::Find;
using formtest::MessageRecorder;
using formtest::TypeInto;
using runtime::ArrayName;

// How the engineer leaves a list: the Tab key, a click on the calculate button, its access key
// Alt+E, or a click on the other list.
enum class Leave { Tab, ClickCalculate, AccessKeyCalculate, ClickOtherList };
Q_DECLARE_METATYPE(Leave)

class PlinthWindow5Test : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void init();
    void cleanup();
    void windowAtStart();
    void calculate_data();
    void calculate();
    void typedChoiceIsValidated_data();
    void typedChoiceIsValidated();
    void supportPage_data();
    void supportPage();

private:
    QLineEdit *field(const QString &name) const { return Find<QLineEdit>(window_, name); }
    QComboBox *list(const QString &name) const { return Find<QComboBox>(window_, name); }
    void choose(const QString &listName, const QString &item) {
        QComboBox *box = list(listName);
        box->setCurrentIndex(box->findText(item));
        QCOMPARE(box->currentText(), item);
    }
    void enterRope(const QString &force, const QString &factor, const QString &grade,
                   const QString &construction) {
        TypeInto(field(ArrayName("NT", 0)), force);
        TypeInto(field(ArrayName("NT", 1)), factor);
        choose("ComS", grade);
        choose("ComT", construction);
    }
    void clickCalculate() { Click(Find<QPushButton>(window_, "cacu")); }

    ropesize::PlinthWindow5 *window_ = nullptr;
    QList<QUrl> openedPages_;
    bool openerSucceeds_ = true;
};

void PlinthWindow5Test::init() {
    openedPages_.clear();
    openerSucceeds_ = true;
    window_ = new ropesize::PlinthWindow5;
    window_->setPageOpener([this](const QUrl &page) {
        openedPages_ << page;
        return openerSucceeds_;
    });
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void PlinthWindow5Test::cleanup() {
    delete window_;
    window_ = nullptr;
}

void PlinthWindow5Test::windowAtStart() {
    QCOMPARE(window_->objectName(), QStringLiteral("PlinthWindow5"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("ibbrin"));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());

    QCOMPARE(Find<QGroupBox>(window_, ArrayName("Frame3", 0))->title(), QStringLiteral("原始数据"));
    QCOMPARE(Find<QGroupBox>(window_, "Frame4")->title(), QStringLiteral("运输工况"));
    QCOMPARE(Find<QGroupBox>(window_, ArrayName("Frame3", 1))->title(), QStringLiteral("原始数据"));
    const QList<QPair<QString, QString>> labels = {
        {ArrayName("Label1", 0), "&A.钢丝绳受力(单位:吨力)："},
        {ArrayName("Label2", 0), "&B.安全系数 ："},
        {"Label4", "&C.钢丝绳强度等级(公斤/平方毫米 ):"},
        {"Label5", "&D.钢丝绳型号:"},
        {ArrayName("Label1", 1), "钢丝绳直径(单位:毫米)："},
        {ArrayName("Label2", 1), "强度裕度(单位:%)："},
    };
    for (const auto &[name, text] : labels)
        QCOMPARE(Find<QLabel>(window_, name)->text(), text);
    QCOMPARE(Find<QLabel>(window_, ArrayName("Label1", 0))->buddy(), field(ArrayName("NT", 0)));
    QCOMPARE(Find<QLabel>(window_, "Label5")->buddy(), list("ComT"));
    QCOMPARE(Find<QPushButton>(window_, "cacu")->text(), QStringLiteral("计算(&E)"));
    QCOMPARE(Find<QPushButton>(window_, "Command1")->text(), QStringLiteral("技术支持(&T)"));

    QVERIFY(field(ArrayName("NT", 0))->text().isEmpty());
    QVERIFY(field(ArrayName("NT", 1))->text().isEmpty());
    QVERIFY(field("dia")->isReadOnly());
    QVERIFY(field("mor")->isReadOnly());

    QStringList grades, constructions;
    for (int i = 0; i < list("ComS")->count(); ++i)
        grades << list("ComS")->itemText(i);
    for (int i = 0; i < list("ComT")->count(); ++i)
        constructions << list("ComT")->itemText(i);
    QCOMPARE(grades, QStringList({"130", "140", "150", "160", "170", "180", "190", "200"}));
    QCOMPARE(constructions, QStringList({"6×19", "6×37", "8×19", "8×37"}));
    QCOMPARE(list("ComS")->currentText(), QStringLiteral("150"));
    QCOMPARE(list("ComT")->currentText(), QStringLiteral("6×19"));
    QVERIFY(list("ComS")->isEditable());
}

void PlinthWindow5Test::calculate_data() {
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("construction");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<QString>("message");

    // Each row follows a first rope of 5 t, K 6, "150", "6×19" (26.5 mm, margin 5).
    QTest::newRow("5 t, K 6") << "5"
                              << "6"
                              << "150"
                              << "6×19"
                              << "26.5"
                              << "5"
                              << "";
    QTest::newRow("10 t, K 5, 170, 6×37") << "10"
                                          << "5"
                                          << "170"
                                          << "6×37"
                                          << "32.5"
                                          << "7"
                                          << "";
    QTest::newRow("1 t, K 5") << "1"
                              << "5"
                              << "150"
                              << "6×19"
                              << "11.0"
                              << "8"
                              << "";
    QTest::newRow("beyond the series empties the margin") << "50"
                                                          << "6"
                                                          << "130"
                                                          << "6×19"
                                                          << "87.7"
                                                          << ""
                                                          << "";
    QTest::newRow("empty factor: diameter emptied, margin kept") << "5"
                                                                 << ""
                                                                 << "150"
                                                                 << "6×19"
                                                                 << ""
                                                                 << "5"
                                                                 << "除数为零";
    QTest::newRow("negative force") << "-5"
                                    << "6"
                                    << "150"
                                    << "6×19"
                                    << ""
                                    << "5"
                                    << "无效的过程调用或参数";
}

void PlinthWindow5Test::calculate() {
    QFETCH(QString, force);
    QFETCH(QString, factor);
    QFETCH(QString, grade);
    QFETCH(QString, construction);
    QFETCH(QString, diameter);
    QFETCH(QString, margin);
    QFETCH(QString, message);

    MessageRecorder messages;
    enterRope("5", "6", "150", "6×19");
    clickCalculate();
    QCOMPARE(field("dia")->text(), QStringLiteral("26.5"));
    QCOMPARE(field("mor")->text(), QStringLiteral("5"));

    enterRope(force, factor, grade, construction);
    clickCalculate();
    QCOMPARE(field("dia")->text(), diameter);
    QCOMPARE(field("mor")->text(), margin);
    if (message.isEmpty()) {
        QCOMPARE(messages.texts(), QStringList());
    } else {
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.messages.first().kind, 0);
        QCOMPARE(messages.messages.first().title, QStringLiteral("ibbrin"));
        // The window goes on: a sound rope afterwards is sized as usual.
        enterRope("1", "5", "150", "6×19");
        clickCalculate();
        QCOMPARE(field("dia")->text(), QStringLiteral("11.0"));
    }
}

void PlinthWindow5Test::typedChoiceIsValidated_data() {
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<QString>("shownAfter");

    QTest::newRow("grade 155, Tab") << "ComS"
                                    << "155" << Leave::Tab << "150";
    QTest::newRow("grade 155, click on calculate") << "ComS"
                                                   << "155" << Leave::ClickCalculate << "150";
    QTest::newRow("grade 15 not completed to 150, Alt+E")
        << "ComS"
        << "15" << Leave::AccessKeyCalculate << "150";
    QTest::newRow("construction 6x19 with a letter x, Tab") << "ComT"
                                                            << "6x19" << Leave::Tab << "6×19";
    QTest::newRow("construction 6*37, click on calculate")
        << "ComT"
        << "6*37" << Leave::ClickCalculate << "6×19";
    QTest::newRow("grade 155, click on the construction list")
        << "ComS"
        << "155" << Leave::ClickOtherList << "150";
    QTest::newRow("grade 170 typed is an item, click") << "ComS"
                                                       << "170" << Leave::ClickCalculate << "170";
    QTest::newRow("construction 8×37 typed is an item, Alt+E")
        << "ComT"
        << "8×37" << Leave::AccessKeyCalculate << "8×37";
}

void PlinthWindow5Test::typedChoiceIsValidated() {
    QFETCH(QString, listName);
    QFETCH(QString, typed);
    QFETCH(Leave, leave);
    QFETCH(QString, shownAfter);
    const bool refused = typed != shownAfter;

    MessageRecorder messages;
    TypeInto(field(ArrayName("NT", 0)), "5");
    TypeInto(field(ArrayName("NT", 1)), "6");
    QComboBox *box = list(listName);
    TypeInto(box->lineEdit(), typed);
    QCOMPARE(box->currentText(), typed);

    switch (leave) {
    case Leave::Tab:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        break;
    case Leave::ClickCalculate:
        clickCalculate();
        break;
    case Leave::AccessKeyCalculate:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        break;
    case Leave::ClickOtherList: {
        QComboBox *other = list(listName == "ComS" ? "ComT" : "ComS");
        // On its arrow, which drops the list down.
        QTest::mouseClick(other, Qt::LeftButton, {},
                          QPoint(other->width() - 6, other->height() / 2));
        QVERIFY2(!other->view()->isVisible(), "the other list must not drop down");
        break;
    }
    }
    QTest::qWait(250); // the access key's click is delivered after its press is shown

    QCOMPARE(box->currentText(), shownAfter);
    if (refused) {
        QCOMPARE(messages.texts(), QStringList{"不得输入,只供选择!"});
        QCOMPARE(messages.messages.first().kind, 64);
        QCOMPARE(messages.messages.first().title, QStringLiteral("ibbrin"));
        QTRY_VERIFY(box->hasFocus());
        QVERIFY2(field("dia")->text().isEmpty(), "the refused move must not calculate");
        // Once refused and restored, the calculation runs with the restored choice.
        clickCalculate();
        QCOMPARE(field("dia")->text(), QStringLiteral("26.5"));
        QCOMPARE(messages.messages.size(), 1);
    } else {
        QCOMPARE(messages.texts(), QStringList());
        QVERIFY(!field("dia")->text().isEmpty());
    }
}

void PlinthWindow5Test::supportPage_data() {
    QTest::addColumn<bool>("pageMissing");
    QTest::addColumn<bool>("openerSucceeds");
    QTest::addColumn<QString>("messageStart");

    QTest::newRow("page beside the program opens") << false << true << "";
    QTest::newRow("browser refuses") << false << false << "无法在浏览器中打开技术支持网页：";
    QTest::newRow("page missing") << true << true << "找不到技术支持网页：";
}

void PlinthWindow5Test::supportPage() {
    QFETCH(bool, pageMissing);
    QFETCH(bool, openerSucceeds);
    QFETCH(QString, messageStart);

    // The page placed beside the build's programs, as it is installed beside the suite's.
    const QString installed = ropesize::PlinthWindow5::InstalledSupportPage();
    QCOMPARE(window_->supportPage(), installed);
    QVERIFY2(installed.endsWith("/share/cranecalc/ibbrin/index.html"), qPrintable(installed));
    QFile page(installed);
    QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(installed));
    QVERIFY(QString::fromUtf8(page.readAll()).contains("请与本单位起重机设计组联系"));

    QTemporaryDir emptyFolder;
    if (pageMissing)
        window_->setSupportPage(emptyFolder.filePath("index.html"));
    openerSucceeds_ = openerSucceeds;
    MessageRecorder messages;
    Click(Find<QPushButton>(window_, "Command1"));

    if (pageMissing) {
        QVERIFY(openedPages_.isEmpty());
    } else {
        QCOMPARE(openedPages_, QList<QUrl>{QUrl::fromLocalFile(installed)});
    }
    if (messageStart.isEmpty()) {
        QCOMPARE(messages.texts(), QStringList());
    } else {
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY2(messages.messages.first().text.startsWith(messageStart),
                 qPrintable(messages.messages.first().text));
        QCOMPARE(messages.messages.first().kind, 0);
        QCOMPARE(messages.messages.first().title, QStringLiteral("ibbrin"));
    }
}

void PlinthWindow5Test::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report = formtest::RunMonkey(window_, {"Command1"}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(PlinthWindow5Test)
#include "tst_plinthwindow5.moc"
