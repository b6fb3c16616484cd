#include "formtest.h"
#include "formwidgets.h"
#include "infowindow.h"
#include "inputwindow.h"
#include "monkeytest.h"
#include "programend.h"
#include "resultwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpontaneKeyEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <memory>

using formtest::Click;
using formtest::Find;
using formtest::TypeInto;

namespace {

// The program's window of that name, if one is loaded; windows closed for good are gone first.
QWidget *Window(const QString &name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

// The names of the main windows the engineer sees now.
QStringList VisibleWindows() {
    QStringList names;
    for (const char *name : {"inputwin", "outputwin", "showform"})
        if (QWidget *window = Window(name); window && window->isVisible())
            names << name;
    return names;
}

QString LabelText(const char *window, const QString &name) {
    return Find<QLabel>(Window(window), name)->text();
}

} // namespace

class ElsbrookWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void absurdSessionShowsNoUndefinedValue();
    void init();
    void cleanup();

    void startsWithCraneDataAndInitialSection();
    void firstExampleShowsItsSection();
    void redThenGreenAfterThickerSection();
    void conditionsReenteredReplaceCraneData();
    void pickedDutyClassIsUsed();
    void stiffGirderRatioBeyondItsRange();
    void longValuesFitTheirLabels();
    void inputWindowStaysInPlace();
    void badInput_data();
    void badInput();
    void closingWindows();
    void aboutWindow();
    void drawingSavedAsPdf();

private:
    void enterCraneData(const QString &lift, const QString &trolley, const QString &span,
                        const QString &duty, bool singleGirder);

    std::unique_ptr<elsbrook::InputWindow> input_;
    std::unique_ptr<formtest::MessageRecorder> messages_;
    int programEnds_ = 0;
    elsbrook::ProgramEndFunction previousEnd_;
};

void ElsbrookWindowsTest::init() {
    messages_ = std::make_unique<formtest::MessageRecorder>();
    programEnds_ = 0;
    previousEnd_ = elsbrook::SetProgramEndFunction([this] { ++programEnds_; });
    input_ = std::make_unique<elsbrook::InputWindow>();
    input_->show();
}

void ElsbrookWindowsTest::cleanup() {
    input_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    elsbrook::SetProgramEndFunction(previousEnd_);
    messages_.reset();
}

void ElsbrookWindowsTest::enterCraneData(const QString &lift, const QString &trolley,
                                         const QString &span, const QString &duty,
                                         bool singleGirder) {
    Click(Find<QRadioButton>(input_.get(), singleGirder ? "Option1" : "Option2"));
    TypeInto(Find<QLineEdit>(input_.get(), "TextG"), lift);
    TypeInto(Find<QLineEdit>(input_.get(), "TextGxc"), trolley);
    TypeInto(Find<QLineEdit>(input_.get(), "TextS"), span);
    // Picked from the drop-down list, as the engineer does.
    auto *dutyBox = Find<QComboBox>(input_.get(), "ComboC");
    dutyBox->setFocus();
    dutyBox->setCurrentIndex(dutyBox->findText(duty));
}

void ElsbrookWindowsTest::startsWithCraneDataAndInitialSection() {
    QCOMPARE(input_->objectName(), QStringLiteral("inputwin"));
    QCOMPARE(input_->windowTitle(), QStringLiteral("elsbrook"));
    QVERIFY(Find<QRadioButton>(input_.get(), "Option1")->isChecked());
    auto *duty = Find<QComboBox>(input_.get(), "ComboC");
    QCOMPARE(duty->currentText(), QStringLiteral("A3"));
    QStringList classes;
    for (int i = 0; i < duty->count(); ++i)
        classes << duty->itemText(i);
    QCOMPARE(classes, (QStringList{"A2", "A3", "A4", "A5", "A6", "A7"}));
    QCOMPARE(VisibleWindows(), QStringList{"inputwin"});

    enterCraneData("5", "2", "10", "A3", false);
    Click(Find<QPushButton>(input_.get(), "begin"));
    QCOMPARE(VisibleWindows(), QStringList{"outputwin"});
    QWidget *geometry = Window("outputwin");
    QCOMPARE(geometry->windowTitle(), QStringLiteral("截面几何参数"));
    QStringList texts, letters;
    for (const char *name : {"Texth", "Textb", "Textb1", "Textt1", "Textt2", "Textt3"})
        texts << Find<QLineEdit>(geometry, name)->text();
    QCOMPARE(texts, (QStringList{"500", "300", "250", "8", "8", "6"}));
    for (int i = 0; i <= 6; ++i)
        letters << LabelText("outputwin", runtime::ArrayName("Label7", i));
    QCOMPARE(letters, (QStringList{"H", "B", "B1", "T1", "T2", "T3", "T3"}));
}

void ElsbrookWindowsTest::firstExampleShowsItsSection() {
    enterCraneData("5", "2", "10", "A3", false);
    Click(Find<QPushButton>(input_.get(), "begin"));
    Click(Find<QPushButton>(Window("outputwin"), "xyjs"));
    QCOMPARE(VisibleWindows(), QStringList{"showform"});
    QCOMPARE(Window("showform")->windowTitle(), QStringLiteral("截面参数计算结果"));

    const QList<QPair<QString, QString>> expected = {{"LabIz", "40388.2304"},
                                                     {"LabIy", "13117.5696"},
                                                     {"LabWzs", "1616"},
                                                     {"LabWzx", "1616"},
                                                     {"LabWyz", "875"},
                                                     {"LabWyy", "875"},
                                                     {"LabSz", "942"},
                                                     {"LabA", "106"},
                                                     {"LabQ", "82"},
                                                     {"LabCzy", "(150,250)"},
                                                     {"LabNd", "挠度=0.86 达到 1/1163"},
                                                     {"LabWarning", "挠度满足 请继续进行"}};
    for (const auto &[name, text] : expected)
        QCOMPARE(LabelText("showform", name), text);
    QStringList dimensions;
    for (int i : {7, 1, 2, 3, 4, 5, 6})
        dimensions << LabelText("showform", runtime::ArrayName("Label7", i));
    QCOMPARE(dimensions, (QStringList{"500", "300", "250", "8", "8", "6", "6"}));
    QVERIFY(messages_->messages.isEmpty());
}

void ElsbrookWindowsTest::redThenGreenAfterThickerSection() {
    enterCraneData("10", "3", "22", "A5", true);
    Click(Find<QPushButton>(input_.get(), "begin"));
    Click(Find<QPushButton>(Window("outputwin"), "xyjs"));

    auto *warning = Find<QLabel>(Window("showform"), "LabWarning");
    QCOMPARE(warning->text(), QStringLiteral("下挠过大 请重新设计"));
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(LabelText("showform", "LabNd"), QStringLiteral("挠度=34 达到 1/65"));
    QVERIFY(!Find<QPushButton>(Window("showform"), "tzsc")->isEnabled());

    Click(Find<QPushButton>(Window("showform"), "fhcs"));
    QCOMPARE(VisibleWindows(), QStringList{"outputwin"});
    QWidget *geometry = Window("outputwin");
    QCOMPARE(Find<QLineEdit>(geometry, "Texth")->text(), QStringLiteral("500"));
    TypeInto(Find<QLineEdit>(geometry, "Texth"), "1200");
    TypeInto(Find<QLineEdit>(geometry, "Textb"), "520");
    TypeInto(Find<QLineEdit>(geometry, "Textb1"), "460");
    TypeInto(Find<QLineEdit>(geometry, "Textt1"), "14");
    TypeInto(Find<QLineEdit>(geometry, "Textt2"), "12");
    TypeInto(Find<QLineEdit>(geometry, "Textt3"), "8");
    Click(Find<QPushButton>(geometry, "xyjs"));

    QCOMPARE(VisibleWindows(), QStringList{"showform"});
    warning = Find<QLabel>(Window("showform"), "LabWarning");
    QCOMPARE(warning->text(), QStringLiteral("挠度满足 请继续进行"));
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(LabelText("showform", "LabNd"), QStringLiteral("挠度=1.99 达到 1/1106"));
    QCOMPARE(LabelText("showform", runtime::ArrayName("Label7", 7)), QStringLiteral("1200"));
    QVERIFY(Find<QPushButton>(Window("showform"), "tzsc")->isEnabled());
}

void ElsbrookWindowsTest::conditionsReenteredReplaceCraneData() {
    enterCraneData("10", "3", "22", "A5", true);
    Click(Find<QPushButton>(input_.get(), "begin"));
    QWidget *geometry = Window("outputwin");
    TypeInto(Find<QLineEdit>(geometry, "Textt3"), "6.5"); // taken as 6 mm
    Click(Find<QPushButton>(geometry, "tjcs"));
    QCOMPARE(VisibleWindows(), QStringList{"inputwin"});
    QCOMPARE(Find<QLineEdit>(input_.get(), "TextG")->text(), QStringLiteral("10"));
    QCOMPARE(Find<QLineEdit>(input_.get(), "TextS")->text(), QStringLiteral("22"));
    QCOMPARE(Find<QComboBox>(input_.get(), "ComboC")->currentText(), QStringLiteral("A5"));

    // Double girder now: half the load on each girder.
    Click(Find<QRadioButton>(input_.get(), "Option2"));
    Click(Find<QPushButton>(input_.get(), "begin"));
    QCOMPARE(Window("outputwin"), geometry);
    QCOMPARE(Find<QLineEdit>(geometry, "Textt3")->text(), QStringLiteral("6.5"));
    Click(Find<QPushButton>(geometry, "xyjs"));
    QCOMPARE(LabelText("showform", "LabNd"), QStringLiteral("挠度=17 达到 1/129"));
    QCOMPARE(LabelText("showform", runtime::ArrayName("Label7", 5)), QStringLiteral("6"));
}

void ElsbrookWindowsTest::pickedDutyClassIsUsed() {
    // f = 1.99 cm on a 22 m span: within L/1000 = 2.2 cm (A6), beyond L/1200 = 1.83 cm (A7).
    enterCraneData("10", "3", "22", "A7", true);
    Click(Find<QPushButton>(input_.get(), "begin"));
    QWidget *geometry = Window("outputwin");
    const QStringList thick{"1200", "520", "460", "14", "12", "8"};
    const QStringList fields{"Texth", "Textb", "Textb1", "Textt1", "Textt2", "Textt3"};
    for (int i = 0; i < fields.size(); ++i)
        TypeInto(Find<QLineEdit>(geometry, fields[i]), thick[i]);
    Click(Find<QPushButton>(geometry, "xyjs"));
    QCOMPARE(LabelText("showform", "LabWarning"), QStringLiteral("下挠过大 请重新设计"));

    Click(Find<QPushButton>(Window("showform"), "fhcs"));
    Click(Find<QPushButton>(geometry, "tjcs"));
    enterCraneData("10", "3", "22", "A6", true);
    Click(Find<QPushButton>(input_.get(), "begin"));
    Click(Find<QPushButton>(geometry, "xyjs"));
    QCOMPARE(LabelText("showform", "LabWarning"), QStringLiteral("挠度满足 请继续进行"));
}

void ElsbrookWindowsTest::stiffGirderRatioBeyondItsRange() {
    enterCraneData("1", "0", "4", "A3", false);
    Click(Find<QPushButton>(input_.get(), "begin"));
    Click(Find<QPushButton>(Window("outputwin"), "xyjs"));
    QCOMPARE(VisibleWindows(), QStringList{"showform"});
    QCOMPARE(LabelText("showform", "LabNd"), QStringLiteral("挠度=0.01 不足 1/32767"));
    QCOMPARE(LabelText("showform", "LabWarning"), QStringLiteral("挠度满足 请继续进行"));
}

void ElsbrookWindowsTest::longValuesFitTheirLabels() {
    enterCraneData("320", "95", "35", "A7", true);
    Click(Find<QPushButton>(input_.get(), "begin"));
    QWidget *geometry = Window("outputwin");
    const QStringList heavy{"2999", "977", "901", "47", "43", "29"};
    const QStringList fields{"Texth", "Textb", "Textb1", "Textt1", "Textt2", "Textt3"};
    for (int i = 0; i < fields.size(); ++i)
        TypeInto(Find<QLineEdit>(geometry, fields[i]), heavy[i]);
    Click(Find<QPushButton>(geometry, "xyjs"));

    QCOMPARE(LabelText("showform", "LabIz"), QStringLiteral("31069571.2494667"));
    QCOMPARE(LabelText("showform", "LabIy"), QStringLiteral("4348805.02976667"));
    QCOMPARE(LabelText("showform", "LabNd"), QStringLiteral("挠度=5.68 达到 1/616"));
    for (const char *name : {"LabIz", "LabIy", "LabWzs", "LabWzx", "LabWyz", "LabWyy", "LabSz",
                             "LabA", "LabQ", "LabCzy", "LabNd", "LabWarning"}) {
        auto *label = Find<QLabel>(Window("showform"), name);
        QVERIFY2(label->contentsRect().width() >=
                     label->fontMetrics().horizontalAdvance(label->text()),
                 name);
    }
}

void ElsbrookWindowsTest::inputWindowStaysInPlace() {
    const QPoint place = input_->pos();
    input_->move(place + QPoint(40, 30)); // dragged by its title bar
    QMoveEvent moved(input_->pos(), place);
    QSpontaneKeyEvent::setSpontaneous(&moved);
    QCoreApplication::instance()->notify(input_.get(), &moved); // as the window system does
    QTRY_COMPARE(input_->pos(), place);
}

void ElsbrookWindowsTest::badInput_data() {
    QTest::addColumn<QString>("window"); // where the text is typed
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stopsAt"); // the window the flow stays on
    QTest::addColumn<QString>("message");

    QTest::newRow("lift empty") << "inputwin"
                                << "TextG"
                                << ""
                                << "inputwin"
                                << "请输入起重量";
    QTest::newRow("trolley not a number") << "inputwin"
                                          << "TextGxc"
                                          << "3吨"
                                          << "inputwin"
                                          << "小车重应为数字";
    // A span of 0 m is crane data like any other; the check finds no deflection.
    QTest::newRow("span zero") << "inputwin"
                               << "TextS"
                               << "0"
                               << "outputwin"
                               << "跨度为零，无法求跨度比";
    QTest::newRow("duty class none") << "inputwin"
                                     << "ComboC"
                                     << "B3"
                                     << "inputwin"
                                     << "工作制应为A2至A7之一";
    QTest::newRow("height empty") << "outputwin"
                                  << "Texth"
                                  << ""
                                  << "outputwin"
                                  << "请输入截面高度H";
    QTest::newRow("B1 not a number") << "outputwin"
                                     << "Textb1"
                                     << "二五零"
                                     << "outputwin"
                                     << "腹板间距B1应为数字";
    QTest::newRow("flange width zero") << "outputwin"
                                       << "Textb"
                                       << "0"
                                       << "outputwin"
                                       << "翼缘宽度B为零，请检查截面尺寸";
    QTest::newRow("plates too large") << "outputwin"
                                      << "Textb"
                                      << "2000000000"
                                      << "outputwin"
                                      << "截面尺寸过大，超出整数运算范围";
}

void ElsbrookWindowsTest::badInput() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stopsAt);
    QFETCH(QString, message);

    enterCraneData("10", "3", "22", "A5", true);
    if (window == "outputwin")
        Click(Find<QPushButton>(input_.get(), "begin"));
    QWidget *form = Window(window);
    if (auto *box = form->findChild<QComboBox *>(field))
        TypeInto(box->lineEdit(), text);
    else
        TypeInto(Find<QLineEdit>(form, field), text);
    Click(Find<QPushButton>(form, window == "inputwin" ? "begin" : "xyjs"));
    if (stopsAt != window) {
        QVERIFY(messages_->messages.isEmpty());
        Click(Find<QPushButton>(Window(stopsAt), "xyjs"));
    }

    QCOMPARE(messages_->texts(), QStringList{message});
    QCOMPARE(messages_->messages.first().kind, 0);
    QCOMPARE(VisibleWindows(), QStringList{stopsAt});
    QVERIFY(!Window("showform"));
}

void ElsbrookWindowsTest::closingWindows() {
    enterCraneData("5", "2", "10", "A3", false);
    Click(Find<QPushButton>(input_.get(), "begin"));
    Click(Find<QPushButton>(Window("outputwin"), "xyjs"));

    // The result window's title bar acts as 返回重算.
    Window("showform")->close();
    QCOMPARE(VisibleWindows(), QStringList{"outputwin"});
    QCOMPARE(programEnds_, 0);

    Click(Find<QPushButton>(Window("outputwin"), "xyjs"));
    Click(Find<QPushButton>(Window("showform"), "tc"));
    QCOMPARE(programEnds_, 1);

    Click(Find<QPushButton>(Window("showform"), "fhcs"));
    Window("outputwin")->close();
    QCOMPARE(programEnds_, 2);

    input_->show();
    Click(Find<QPushButton>(input_.get(), "exit1"));
    QCOMPARE(programEnds_, 3);
    input_->close();
    QCOMPARE(programEnds_, 4);
}

void ElsbrookWindowsTest::aboutWindow() {
    Click(Find<QPushButton>(input_.get(), "info1"));
    QVERIFY(!input_->isEnabled());
    QWidget *info = Window("info");
    QVERIFY(info && info->isVisible() && info->isEnabled());
    // Held by the input window: above it and out of the task bar.
    QCOMPARE(info->parentWidget(), input_.get());
    QCOMPARE(info->windowHandle()->transientParent(), input_->windowHandle());
    QCOMPARE(info->windowTitle(), QStringLiteral("关于elsbrook"));
    QCOMPARE(Find<QLabel>(info, "lblTitle")->text(), QStringLiteral("elsbrook"));
    QCOMPARE(Find<QLabel>(info, "lblVersion")->text(), QStringLiteral("版本 1.0.0"));

    // No system information tool on the PATH, then one that leaves a mark when started.
    QTemporaryDir tools;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", tools.path().toLocal8Bit());
    Click(Find<QPushButton>(info, "cmdSysInfo"));
    QCOMPARE(messages_->texts(), QStringList{"此时系统信息无效"});
    QCOMPARE(messages_->messages.first().title, QString());

    const QString mark = tools.filePath("started");
    QFile tool(tools.filePath("hardinfo"));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write(QStringLiteral("#!/bin/sh\necho >'%1'\n").arg(mark).toLocal8Bit());
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Click(Find<QPushButton>(info, "cmdSysInfo"));
    qputenv("PATH", oldPath);
    QTRY_VERIFY(QFile::exists(mark));
    QCOMPARE(messages_->messages.size(), 1);

    Click(Find<QPushButton>(info, "cmdOK"));
    QVERIFY(input_->isEnabled());
    QVERIFY(!Window("info"));

    // Closed by its title bar, the input window takes the input again as well.
    Click(Find<QPushButton>(input_.get(), "info1"));
    Window("info")->close();
    QVERIFY(input_->isEnabled());
}

void ElsbrookWindowsTest::drawingSavedAsPdf() {
    elsbrook::GirderCalculation calculation;
    calculation.StoreCraneData("A3", "5", "2", "10", false);
    calculation.ComputeSection("500", "300", "250", "8", "8", "6");
    calculation.ComputeDeflection();
    QWidget geometry;
    auto *result = new elsbrook::ResultWindow(calculation, &geometry);

    QTemporaryDir folder;
    const QString fileName = folder.filePath("girder.pdf");
    QVERIFY(result->SaveDrawing(fileName));
    QFile pdf(fileName);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page "), 1);

    QVERIFY(!result->SaveDrawing(folder.filePath("no such folder/girder.pdf")));
    result->close();
}

void ElsbrookWindowsTest::absurdSessionShowsNoUndefinedValue() {
    const formtest::MonkeyReport report =
        formtest::RunMonkey(input_.get(), {"tzsc", "cmdSysInfo"}, 1500, 2026);
    QVERIFY(report.buttonsPressed > 50);
    QVERIFY2(report.undefinedTexts.isEmpty(), qPrintable(report.undefinedTexts.join(" | ")));
}

QTEST_MAIN(ElsbrookWindowsTest)
#include "tst_elsbrookwindows.moc"
