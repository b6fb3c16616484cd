#include "formtest.h"
#include "formwidgets.h"
#include "handlers.h"
#include "numbers.h"
#include "statusclock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    void errorInHandlerBecomesMessage();
    void messageWithoutTitleBearsProgramName();
    void statusClockWritesSecondPanel();
    void typingReplacesTheText();
};

void FormsTest::typingReplacesTheText() {
    QWidget window;
    QLineEdit *field = runtime::AddField(&window, "Text1", QRect(0, 0, 120, 24), "34000");
    QComboBox *list = new QComboBox(&window);
    list->setEditable(true);
    list->addItem("150");
    window.show();
    formtest::TypeInto(field, "1e3");
    QCOMPARE(field->text(), QStringLiteral("1e3"));
    formtest::TypeInto(field, "起重机");
    QCOMPARE(field->text(), QStringLiteral("起重机"));
    formtest::TypeInto(list, "6×19");
    QCOMPARE(list->currentText(), QStringLiteral("6×19"));
}

void FormsTest::errorInHandlerBecomesMessage() {
    formtest::MessageRecorder recorder;
    QWidget window;
    QPushButton *button = runtime::AddButton(&window, "cacu", "计算", QRect(0, 0, 80, 24));
    bool reachedAfterError = false;
    runtime::OnClick(button, [&] {
        runtime::Divide(1, 0);
        reachedAfterError = true;
    });
    formtest::Click(button);
    QVERIFY(!reachedAfterError);
    QCOMPARE(recorder.texts(), QStringList{"除数为零"});
    QCOMPARE(recorder.messages.first().kind, 0);
}

void FormsTest::messageWithoutTitleBearsProgramName() {
    formtest::MessageRecorder recorder;
    runtime::ShowMessage("吊耳很重要,请慎重设计选用");
    runtime::ShowMessage("参数未全部输入！", runtime::InformationMessage, "出错啦！");
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(recorder.messages[1].kind, 64);
    QCOMPARE(recorder.messages[1].title, QStringLiteral("出错啦！"));
}

void FormsTest::statusClockWritesSecondPanel() {
    QWidget window;
    window.resize(400, 300);
    auto *statusBar = new runtime::PanelStatusBar("St1", &window);
    runtime::StatusClock clock("Timer1", statusBar);
    const QString first = statusBar->panelText(2);
    QVERIFY(first.contains("   "));
    QTRY_VERIFY_WITH_TIMEOUT(statusBar->panelText(2) != first, 2500);
    const QString moment = runtime::ClockText(QDateTime(QDate(2026, 12, 11), QTime(8, 5, 9)));
    QVERIFY2(moment.contains("08:05:09") || moment.contains("8:05:09"), qPrintable(moment));
    QCOMPARE(statusBar->geometry().bottom(), window.height() - 1);
}

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
