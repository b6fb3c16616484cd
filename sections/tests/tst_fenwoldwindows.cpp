// fenwold driven through its windows by name, headless: the chooser and the input dialogs, the
// main frame with its report, the document file and printing.

#include "appdialogs.h"
#include "currentsection.h"
#include "formtest.h"
#include "inputdialogs.h"
#include "mainframe.h"
#include "myapp.h"
#include "mydoc.h"
#include "myview.h"
#include "reportpage.h"
#include "resourceids.h"
#include "sectionfile.h"
#include "sectionproperties.h"
#include "shapepickerdlg.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtEndian>

#include <cstring>
#include <functional>
#include <memory>

using namespace fenwold;
using formtest::Find;

namespace {

// Runs action on the input dialog once it is shown modally (the chooser waits in its click).
void whenInputDialogShown(std::function<void(SectionInputDialog *)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [action, triesLeft] {
        auto *dialog = qobject_cast<SectionInputDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible())
            action(dialog);
        else if (triesLeft > 0)
            whenInputDialogShown(action, triesLeft - 1);
        else
            qFatal("no input dialog was shown");
    });
}

// Shows the chooser, presses the shape's button and lets `inDialog` work the input dialog.
int runChooser(int buttonId, std::function<void(SectionInputDialog *)> inDialog) {
    CShapePickerDlg chooser;
    QTimer::singleShot(0, &chooser, [&chooser, buttonId, inDialog] {
        whenInputDialogShown(inDialog);
        formtest::Click(Find<QAbstractButton>(&chooser, QString::number(buttonId)));
    });
    return chooser.exec();
}

void typeFields(SectionInputDialog *dialog, const QList<int> &ids, const QStringList &values) {
    for (int index = 0; index < ids.size(); ++index)
        formtest::TypeInto(Find<QLineEdit>(dialog, QString::number(ids[index])), values[index]);
}

QStringList reportTexts() {
    QStringList lines;
    for (const ReportItem &item : ReportItems(CurrentSection()))
        lines << QStringLiteral("%1,%2,%3").arg(item.at.x()).arg(item.at.y()).arg(item.text);
    return lines;
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestFenwoldWindows : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    QTemporaryDir files_;
    std::unique_ptr<formtest::MessageRecorder> messages_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // the program's settings go to a temporary folder, never the engineer's own
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
        QVERIFY(files_.isValid());
    }
    void init() {
        CurrentSection() = sections::SectionRecord{};
        messages_ = std::make_unique<formtest::MessageRecorder>();
    }
    void cleanup() {
        messages_.reset();
        SetFileNameFunction(nullptr);
        SetPrintDialogFunction(nullptr);
    }

    void eachShapeThroughItsDialog_data() {
        QTest::addColumn<int>("buttonId");
        QTest::addColumn<QString>("dialogName");
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("stepped box")
            << 1000 << "CStepBoxDlg" << QList<int>{1008, 1009, 1010, 1011, 1014, 1015, 1016,
                                                   1017, 1018, 1019, 1020, 1021, 1022, 1023}
            << QStringList{"300", "20", "800", "10",  "10", "400", "500",
                           "20",  "20", "20",  "150", "24", "12",  "200"}
            << QStringList{"350,100,400.0", "500,190,150.0",       "350,310,36000.0",
                           "350,370,190.9", "500,370,401.0",       "350,430,200.0",
                           "500,430,400.0", "350,790,2205472000.0"};
        QTest::newRow("box") << 1001 << "CBoxDlg" << QList<int>{1008, 1009, 1010, 1011, 1014,
                                                                1015, 1016, 1017, 1018, 1019}
                             << QStringList{"500", "20",  "800", "10", "10",
                                            "400", "500", "20",  "20", "20"}
                             << QStringList{"350,310,36000.0", "350,370,188.9", "500,370,400.0",
                                            "350,670,5700000.0", "350,790,2205472000.0"};
        QTest::newRow("I-beam") << 1002 << "CIBeamDlg"
                                << QList<int>{1008, 1016, 1021, 1022, 1011, 1010}
                                << QStringList{"200", "200", "10", "10", "8", "400"}
                                << QStringList{"350,220,7200.0",      "350,280,200.0",
                                               "350,340,210800000.0", "350,370,13350400.0",
                                               "350,460,1003809.5",   "350,640,570000.0",
                                               "350,700,262080.0"};
        QTest::newRow("channel") << 1003 << "CChannelDlg"
                                 << QList<int>{1008, 1021, 1016, 1022, 1010, 1011}
                                 << QStringList{"100", "10", "100", "10", "200", "8"}
                                 << QStringList{"350,100,100.0", "500,130,10.0", "350,220,3600.0"};
        QTest::newRow("angle") << 1004 << "CAngleDlg" << QList<int>{1021, 1010, 1022, 1015}
                               << QStringList{"10", "90", "10", "100"}
                               << QStringList{"350,100,100.0", "650,100,90.0", "350,220,1900.0"};
        QTest::newRow("tee") << 1005 << "CTeeDlg" << QList<int>{1015, 1021, 1010, 1022}
                             << QStringList{"200", "10", "190", "8"}
                             << QStringList{"350,130,8.0", "350,220,3520.0"};
        QTest::newRow("ring") << 1006 << "CRingDlg" << QList<int>{1055, 1056}
                              << QStringList{"40", "10"}
                              << QStringList{"350,100,40.0",    "500,100,10.0",
                                             "350,220,2826.0",  "350,340,2896650.0",
                                             "350,460,57933.0", "350,550,5796067.5"};
        QTest::newRow("trapezoidal box on button 1057")
            << 1057 << "CTrapezoidDlg"
            << QList<int>{1008, 1009, 1016, 1017, 1011, 1014, 1010, 1066, 1018, 1019, 1069, 1070}
            << QStringList{"600", "20",  "300", "20", "10", "10",
                           "800", "150", "20",  "20", "20", "20"}
            << QStringList{"650,190,150.0", "350,310,34278.8", "350,370,300.0", "500,370,328.2"};
    }
    void eachShapeThroughItsDialog() {
        QFETCH(int, buttonId);
        QFETCH(QString, dialogName);
        QFETCH(QList<int>, fields);
        QFETCH(QStringList, values);
        QFETCH(QStringList, expected);
        QString shownName;
        const int result = runChooser(buttonId, [&](SectionInputDialog *dialog) {
            shownName = dialog->objectName();
            // every field opens showing 0
            for (int id : fields)
                QCOMPARE(Find<QLineEdit>(dialog, QString::number(id))->text(), QStringLiteral("0"));
            typeFields(dialog, fields, values);
            formtest::Click(Find<QPushButton>(dialog, QStringLiteral("IDOK")));
        });
        QCOMPARE(shownName, dialogName);
        QCOMPARE(result, 1);
        QVERIFY(messages_->messages.isEmpty());
        const QStringList report = reportTexts();
        for (const QString &item : expected)
            QVERIFY2(report.contains(item), qPrintable(item + " in " + report.join(" | ")));
    }

    void notANumberKeepsDialogOpen_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("number with rubbish") << "12mm";
        QTest::newRow("beyond single precision") << "1e39";
    }
    void notANumberKeepsDialogOpen() {
        QFETCH(QString, text);
        bool stayedOpen = false;
        bool focused = false;
        const int result = runChooser(1002, [&](SectionInputDialog *dialog) {
            auto *field = Find<QLineEdit>(dialog, QStringLiteral("1022"));
            typeFields(dialog, {1008, 1022}, {"200", text});
            formtest::Click(Find<QPushButton>(dialog, QStringLiteral("IDOK")));
            stayedOpen = dialog->isVisible();
            focused = QApplication::focusWidget() == field || field->hasFocus();
            formtest::Click(Find<QPushButton>(dialog, QStringLiteral("IDCANCEL")));
        });
        QVERIFY(stayedOpen);
        QVERIFY(focused);
        QCOMPARE(messages_->texts(), QStringList{QStringLiteral("请输入一个数字。")});
        QCOMPARE(result, 0);
        QCOMPARE(CurrentSection(), sections::SectionRecord{});
    }

    void ringFieldsTakeDigitsOnly() {
        QString typedR, typedT;
        runChooser(1006, [&](SectionInputDialog *dialog) {
            typeFields(dialog, {1055, 1056}, {"12.5", "-3"});
            typedR = Find<QLineEdit>(dialog, QStringLiteral("1055"))->text();
            typedT = Find<QLineEdit>(dialog, QStringLiteral("1056"))->text();
            formtest::Click(Find<QPushButton>(dialog, QStringLiteral("IDOK")));
        });
        QCOMPARE(typedR, QStringLiteral("125"));
        QCOMPARE(typedT, QStringLiteral("3"));
        QCOMPARE(CurrentSection().B, 125.0f);
        QCOMPARE(CurrentSection().t1, 3.0f);
    }

    void okAtOnceComputesZeros() {
        runChooser(1001, [&](SectionInputDialog *dialog) {
            formtest::Click(Find<QPushButton>(dialog, QStringLiteral("IDOK")));
        });
        QCOMPARE(CurrentSection().shape, 2);
        QCOMPARE(CurrentSection().A, 0.0f);
        QVERIFY(messages_->messages.isEmpty());
    }

    // OK and Cancel lead the tab order, except in the I-beam dialog where the fields come first.
    void tabOrder_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("first");
        QTest::newRow("I-beam: fields first") << 3 << "1008";
        QTest::newRow("box: OK first") << 2 << "IDOK";
        QTest::newRow("ring: OK first") << 7 << "IDOK";
    }
    void tabOrder() {
        QFETCH(int, shape);
        QFETCH(QString, first);
        std::unique_ptr<SectionInputDialog> dialog(CreateInputDialog(shape));
        QWidget *widget = dialog.get();
        do
            widget = widget->nextInFocusChain();
        while (widget != dialog.get() && widget->focusPolicy() == Qt::NoFocus);
        QCOMPARE(widget->objectName(), first);
        QCOMPARE(Find<QPushButton>(dialog.get(), QStringLiteral("IDOK"))->isDefault(), shape != 3);
    }

    // Every dialog's caption, picture, note and the whole tab order, each field with its label
    // standing left of it on the same row.
    void dialogCaptionsLabelsAndTabOrder_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("tabOrder");
        const QString boxNote = QStringLiteral("o点为形心,e点为弯心.");
        const QString pointNote = QStringLiteral("注:O点为形心.");
        QTest::newRow("163") << 1 << "输入截面尺寸"
                             << "164" << boxNote
                             << QStringList{"IDOK",    "IDCANCEL", "B1=1008", "t5=1009",
                                            "H=1010",  "t3=1011",  "t4=1014", "B=1015",
                                            "B2=1016", "t6=1017",  "d1=1018", "d2=1019",
                                            "b1=1020", "t1=1021",  "t2=1022", "h1=1023"};
        QTest::newRow("167") << 2 << "输入截面尺寸"
                             << "166" << boxNote
                             << QStringList{"IDOK",    "IDCANCEL", "B1=1008", "t5=1009",
                                            "H=1010",  "t3=1011",  "t4=1014", "B=1015",
                                            "B2=1016", "t6=1017",  "d1=1018", "d2=1019"};
        QTest::newRow("191") << 3 << "工字钢fenwold计算程序"
                             << "190"
                             << "注:O为形心点."
                             << QStringList{"B1=1008", "B2=1016", "t1=1021", "t2=1022",
                                            "t3=1011", "H=1010",  "IDOK",    "IDCANCEL"};
        QTest::newRow("193") << 4 << "槽钢fenwold计算"
                             << "192" << pointNote
                             << QStringList{"IDOK",    "IDCANCEL", "B1=1008", "t1=1021",
                                            "B2=1016", "t2=1022",  "H=1010",  "t3=1011"};
        QTest::newRow("195") << 5 << "角钢特性计算"
                             << "194" << pointNote << QStringList{"IDOK",   "IDCANCEL", "t1=1021",
                                                                  "H=1010", "t2=1022",  "B=1015"};
        QTest::newRow("197") << 6 << "T型钢fenwold计算"
                             << "196" << pointNote << QStringList{"IDOK",    "IDCANCEL", "B=1015",
                                                                  "t1=1021", "H=1010",   "t2=1022"};
        QTest::newRow("199") << 7 << "圆环fenwold计算"
                             << "198" << QString()
                             << QStringList{"IDOK", "IDCANCEL", "R=1055", "t=1056"};
        QTest::newRow("200") << 8 << "梯形fenwold计算"
                             << "206" << QString()
                             << QStringList{"IDOK",    "IDCANCEL", "B1=1008", "t5=1009", "B2=1016",
                                            "t6=1017", "t3=1011",  "t4=1014", "H=1010",  "l=1066",
                                            "d1=1018", "d2=1019",  "d3=1069", "d4=1070"};
    }
    void dialogCaptionsLabelsAndTabOrder() {
        QFETCH(int, shape);
        QFETCH(QString, caption);
        QFETCH(QString, picture);
        QFETCH(QString, note);
        QFETCH(QStringList, tabOrder);
        std::unique_ptr<SectionInputDialog> dialog(CreateInputDialog(shape));
        QCOMPARE(dialog->windowTitle(), caption);
        QVERIFY(dialog->findChild<QWidget *>(picture));
        QStringList labels;
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            labels << label->text();
        QCOMPARE(labels.contains(note), !note.isEmpty());
        QCOMPARE(Find<QPushButton>(dialog.get(), QStringLiteral("IDOK"))->text(),
                 QStringLiteral("OK"));
        QCOMPARE(Find<QPushButton>(dialog.get(), QStringLiteral("IDCANCEL"))->text(),
                 QStringLiteral("Cancel"));

        QStringList order;
        for (QWidget *widget = dialog->nextInFocusChain(); widget != dialog.get();
             widget = widget->nextInFocusChain()) {
            if (widget->focusPolicy() == Qt::NoFocus)
                continue;
            auto *field = qobject_cast<QLineEdit *>(widget);
            if (!field) {
                order << widget->objectName();
                continue;
            }
            // the field's label: the one standing left of it on its row
            QString label;
            for (const QLabel *candidate : dialog->findChildren<QLabel *>()) {
                const QRect at = candidate->geometry();
                if (at.right() < field->x() && at.right() > field->x() - 12 &&
                    at.center().y() / 4 == field->geometry().center().y() / 4)
                    label = candidate->text();
            }
            order << label + field->objectName();
        }
        QCOMPARE(order, tabOrder);
    }

    void cancelGivesHeadingAlone() {
        const int result = runChooser(1003, [&](SectionInputDialog *dialog) {
            typeFields(dialog, {1008}, {"100"});
            formtest::Click(Find<QPushButton>(dialog, QStringLiteral("IDCANCEL")));
        });
        QCOMPARE(result, 0);
        QCOMPARE(reportTexts(),
                 QStringList{QStringLiteral("300,40,截面外形尺寸及特性计算结果如下：")});
    }

    void closingChooserEndsWithoutWindow() {
        CMyApp app({QStringLiteral("fenwold")});
        QTimer::singleShot(0, [] {
            auto *chooser = qobject_cast<CShapePickerDlg *>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            QTest::keyClick(chooser, Qt::Key_Escape);
        });
        QCOMPARE(app.InitInstance(), 0);
        QVERIFY(!app.mainFrame());
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    // After the chooser the command line opens its file; a file that cannot be opened is told
    // and the program starts untitled.
    void commandLineOpensFile() {
        const QString path = files_.filePath(QStringLiteral("beam.xyz"));
        sections::SectionRecord beam;
        sections::SectionDimensions d;
        d.B1 = d.B2 = 200, d.t1 = d.t2 = 10, d.H = 400, d.t3 = 8;
        sections::ComputeSectionProperties(beam, 3, d);
        const auto bytes = sections::EncodeSectionFile(beam);
        writeFile(path, QByteArray(reinterpret_cast<const char *>(bytes.data()), bytes.size()));

        for (const QString &argument : {path, files_.filePath(QStringLiteral("missing.xyz"))}) {
            CurrentSection() = sections::SectionRecord{};
            messages_->clear();
            CMyApp app({QStringLiteral("fenwold"), argument});
            QTimer::singleShot(0, [] {
                auto *chooser = qobject_cast<CShapePickerDlg *>(QApplication::activeModalWidget());
                QVERIFY(chooser);
                chooser->done(0);
            });
            QCOMPARE(app.InitInstance(), -1);
            QVERIFY(app.mainFrame()->isVisible());
            const bool good = argument == path;
            QCOMPARE(CurrentSection().shape, good ? 3 : 0);
            QCOMPARE(messages_->messages.size(), good ? 0 : 1);
            QCOMPARE(app.mainFrame()->windowTitle(), good ? QStringLiteral("beam.xyz - fenwold")
                                                          : QStringLiteral("无标题 - fenwold"));
        }
    }

    void commandLineParsing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("printer");
        QTest::newRow("nothing") << QStringList{"fenwold"} << int(CommandLineInfo::FileNew) << ""
                                 << "";
        QTest::newRow("file") << QStringList{"fenwold", "a.xyz"} << int(CommandLineInfo::FileOpen)
                              << "a.xyz"
                              << "";
        QTest::newRow("print") << QStringList{"fenwold", "/p", "a.xyz"}
                               << int(CommandLineInfo::FilePrint) << "a.xyz"
                               << "";
        QTest::newRow("print to") << QStringList{"fenwold", "/pt", "a.xyz", "Office"}
                                  << int(CommandLineInfo::FilePrintTo) << "a.xyz"
                                  << "Office";
        QTest::newRow("print without file")
            << QStringList{"fenwold", "/p"} << int(CommandLineInfo::FileNew) << ""
            << "";
    }
    void commandLineParsing() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        QFETCH(QString, printer);
        const CommandLineInfo info = CommandLineInfo::Parse(arguments);
        QCOMPARE(int(info.action), action);
        QCOMPARE(info.fileName, file);
        QCOMPARE(info.printerName, printer);
    }

    // Save As writes the 112-byte file of the record; opening it in a fresh run shows the same
    // report, with l, d3 and d4 of a trapezoidal box back at 0.
    void saveAsAndReopen() {
        sections::SectionDimensions d;
        d.B1 = 600, d.t5 = 20, d.B2 = 300, d.t6 = 20, d.t3 = 10, d.t4 = 10, d.H = 800, d.l = 150;
        d.d1 = d.d2 = d.d3 = d.d4 = 20;
        sections::ComputeSectionProperties(CurrentSection(), 8, d);
        const sections::SectionRecord saved = CurrentSection();

        const QString path = files_.filePath(QStringLiteral("trapez"));
        QString suggested;
        SetFileNameFunction([&](QWidget *, FileDialogKind kind, const QString &offered) {
            if (kind == FileDialogKind::Save)
                suggested = offered;
            return path;
        });
        CMyDoc document;
        auto *frame = new CMainFrame(&document);
        frame->show();
        Find<QAction>(frame, QString::number(CommandFileSaveAs))->trigger();
        QCOMPARE(suggested, QStringLiteral("无标题.xyz"));
        const QByteArray bytes = readAll(path + QStringLiteral(".xyz"));
        QCOMPARE(bytes.size(), 112);
        const auto expected = sections::EncodeSectionFile(saved);
        QCOMPARE(bytes, QByteArray(reinterpret_cast<const char *>(expected.data()), 112));
        QCOMPARE(frame->windowTitle(), QStringLiteral("trapez.xyz - fenwold"));
        QCOMPARE(frame->recentFiles().value(0), QFileInfo(path + ".xyz").absoluteFilePath());
        QCOMPARE(QSettings(SettingsOrganization(), QStringLiteral("fenwold"))
                     .value(QStringLiteral("Recent File List/File1"))
                     .toString(),
                 QFileInfo(path + ".xyz").absoluteFilePath());
        frame->close();

        // a fresh run
        CurrentSection() = sections::SectionRecord{};
        CMyDoc reopened;
        auto *second = new CMainFrame(&reopened);
        second->LoadSettings();
        second->show();
        SetFileNameFunction(
            [&](QWidget *, FileDialogKind, const QString &) { return path + ".xyz"; });
        Find<QAction>(second, QString::number(CommandFileOpen))->trigger();
        sections::SectionRecord expectedRecord = saved;
        expectedRecord.l = expectedRecord.d3 = expectedRecord.d4 = 0;
        QCOMPARE(CurrentSection(), expectedRecord);
        QVERIFY(reportTexts().contains(QStringLiteral("650,190,0.0")));
        QVERIFY(reportTexts().contains(QStringLiteral("350,310,34278.8")));
        // the recent list came back from the settings
        QCOMPARE(Find<QAction>(second, QStringLiteral("57616"))->isEnabled(), true);
        second->close();
        QVERIFY(messages_->messages.isEmpty());
    }

    void newKeepsSection() {
        CurrentSection().shape = 3;
        CurrentSection().A = 7200;
        CMyDoc document;
        auto *frame = new CMainFrame(&document);
        Find<QAction>(frame, QString::number(CommandFileNew))->trigger();
        QCOMPARE(CurrentSection().A, 7200.0f);
        QCOMPARE(frame->windowTitle(), QStringLiteral("无标题 - fenwold"));
        frame->close();
    }

    // No file the engineer can pick crashes the program; a refused file leaves the section as it
    // was, a longer one opens from its first 112 bytes.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        QByteArray good(112, '\0');
        qToLittleEndian<qint32>(3, good.data() + 104);
        qToLittleEndian<float>(123.5f, good.data());
        QByteArray random(112, '\0');
        QRandomGenerator generator(20240611);
        for (char &byte : random)
            byte = char(generator.bounded(256));
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("truncated") << good.left(111) << false;
        QTest::newRow("oversized") << good + QByteArray(500, '\x7f') << true;
        QTest::newRow("zeroed") << QByteArray(112, '\0') << true;
        QTest::newRow("random") << random << true;
        QTest::newRow("all bits set: NaN values, shape -1") << QByteArray(112, '\xff') << true;
    }
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        const QString path = files_.filePath(QStringLiteral("bad.xyz"));
        writeFile(path, bytes);
        CurrentSection().shape = 5;
        CurrentSection().A = 42;
        const sections::SectionRecord before = CurrentSection();
        CMyDoc document;
        auto *frame = new CMainFrame(&document);
        frame->show();
        QCOMPARE(frame->OpenDocumentFile(path), opens);
        frame->view()->viewport()->repaint();
        if (opens) {
            sections::SectionRecord expected = before;
            QVERIFY(sections::DecodeSectionFile(
                std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), 112),
                expected));
            QCOMPARE(std::memcmp(&CurrentSection(), &expected, sizeof expected), 0);
            QVERIFY(messages_->messages.isEmpty());
        } else {
            QCOMPARE(CurrentSection(), before);
            QCOMPARE(messages_->messages.size(), 1);
            QCOMPARE(frame->windowTitle(), QStringLiteral("无标题 - fenwold"));
        }
        frame->close();
    }

    void openMissingOrDirectory() {
        CMyDoc document;
        QVERIFY(!document.OnOpenDocument(files_.filePath(QStringLiteral("none.xyz"))));
        QVERIFY(!document.OnOpenDocument(files_.path()));
        QCOMPARE(messages_->messages.size(), 2);
        QCOMPARE(CurrentSection(), sections::SectionRecord{});
    }

    // A save that cannot be written says so and leaves the document's name as it was.
    void failedSaveIsTold() {
        CMyDoc document;
        QVERIFY(!document.OnSaveDocument(files_.filePath(QStringLiteral("no/such/dir/a.xyz"))));
        QCOMPARE(messages_->messages.size(), 1);
        QCOMPARE(document.GetTitle(), QStringLiteral("无标题"));
    }

    void printToPdfGivesOnePage() {
        CurrentSection() = sections::SectionRecord{};
        sections::SectionDimensions d;
        d.R = 40, d.t = 10;
        sections::ComputeSectionProperties(CurrentSection(), 7, d);
        const QString pdf = files_.filePath(QStringLiteral("report.pdf"));
        SetPrintDialogFunction([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        CMyDoc document;
        auto *frame = new CMainFrame(&document);
        frame->show();
        Find<QAction>(frame, QString::number(CommandFilePrint))->trigger();
        const QByteArray bytes = readAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                     bytes.count("/Type /Page "),
                 1);
        QCOMPARE(bytes.count("/Count 1"), 1);
        QVERIFY(messages_->messages.isEmpty());
        frame->close();
    }

    // The preview draws the same page on its own printer and closes without a message.
    void printPreviewOpensAndCloses() {
        CurrentSection().shape = 3;
        CMyDoc document;
        auto *frame = new CMainFrame(&document);
        frame->show();
        bool shown = false;
        QTimer::singleShot(100, [&] {
            QWidget *preview = QApplication::activeModalWidget();
            shown = preview && preview->objectName() == QStringLiteral("PrintPreview");
            if (preview)
                preview->close();
        });
        Find<QAction>(frame, QString::number(CommandFilePrintPreview))->trigger();
        QVERIFY(shown);
        QVERIFY(messages_->messages.isEmpty());
        frame->close();
    }

    // Every command: its menu text, its status prompt and tool tip, its accelerators.
    void commandTextsAndKeys_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("keys");
        auto row = [](int id, const char *text, const char *prompt, const char *keys) {
            QTest::newRow(QByteArray::number(id).constData())
                << id << QString::fromUtf8(text) << QString::fromUtf8(prompt)
                << QString::fromUtf8(keys);
        };
        row(57600, "新建(&N)\tCtrl+N", "建立新文档\n新建", "Ctrl+N");
        row(57601, "打开(&O)...\tCtrl+O", "打开一个现有文档\n打开", "Ctrl+O");
        row(57603, "保存(&S)\tCtrl+S", "保存活动文档\n保存", "Ctrl+S");
        row(57604, "另存为(&A)...", "将活动文档以一个新文件名保存\n另存为", "");
        row(57607, "打印(&P)...\tCtrl+P", "打印活动文档\n打印", "Ctrl+P");
        row(57609, "打印预览(&V)", "显示整页\n打印预览", "");
        row(57606, "打印设置(&R)...", "改变打印机及打印选项\n打印设置", "");
        row(57665, "退出(&X)", "退出应用程序；提示保存文档\n退出", "");
        row(57643, "撤消(&U)\tCtrl+Z", "撤消最后一步操作\n撤消", "Ctrl+Z, Alt+Backspace");
        row(57635, "剪切(&T)\tCtrl+X", "剪切被选对象并将其置于剪贴板上\n剪切", "Ctrl+X, Shift+Del");
        row(57634, "复制(&C)\tCtrl+C", "复制被选对象并将其置于剪贴板上\n复制", "Ctrl+C, Ctrl+Ins");
        row(57637, "粘贴(&P)\tCtrl+V", "插入剪贴板内容\n粘贴", "Ctrl+V, Shift+Ins");
        row(59392, "工具栏(&T)", "显示或隐藏工具栏\n显隐工具栏", "");
        row(59393, "状态栏(&S)", "显示或隐藏状态栏\n显隐状态栏", "");
        row(57664, "关于 fenwold(&A)...", "显示程序信息，版本号和版权\n关于", "");
        row(57680, "", "切换到下一个窗格\n下一窗格", "F6");
        row(57681, "", "切换回前一个窗格\n前一窗格", "Shift+F6");
    }
    void commandTextsAndKeys() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(QString, prompt);
        QFETCH(QString, keys);
        CMyDoc document;
        CMainFrame frame(&document);
        const QAction *action = Find<QAction>(&frame, QString::number(id));
        if (!text.isEmpty())
            QCOMPARE(action->text(), text);
        QCOMPARE(action->statusTip() + QLatin1Char('\n') + action->toolTip(), prompt);
        QStringList shortcuts;
        for (const QKeySequence &key : action->shortcuts())
            shortcuts << key.toString(QKeySequence::PortableText);
        QCOMPARE(shortcuts.join(QStringLiteral(", ")), keys);
    }

    void menuTitlesAndOrder() {
        CMyDoc document;
        CMainFrame frame(&document);
        QStringList menus;
        for (const QAction *menu : frame.menuBar()->actions()) {
            QStringList items;
            for (const QAction *item : menu->menu()->actions())
                items << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
            menus << menu->text() + QLatin1Char(':') + items.join(QLatin1Char(' '));
        }
        QCOMPARE(menus, (QStringList{
                            "文件(&F):57600 57601 57603 57604 - 57607 57609 57606 - 57616 57617 "
                            "57618 57619 - 57665",
                            "编辑(&E):57643 - 57635 57634 57637",
                            "查看(&V):59392 59393",
                            "帮助(&H):57664",
                        }));
        QStringList tools;
        for (const QAction *item : Find<QToolBar>(&frame, QStringLiteral("59392"))->actions())
            tools << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
        QCOMPARE(tools.join(QLatin1Char(' ')),
                 QStringLiteral("57600 57601 57603 - 57635 57634 57637 - 57607 - 57664"));
    }

    void frameMenusAndBars() {
        CMyDoc document;
        auto *frame = new CMainFrame(&document);
        frame->show();
        for (int id : {CommandEditUndo, CommandEditCut, CommandEditCopy, CommandEditPaste})
            QVERIFY(!Find<QAction>(frame, QString::number(id))->isEnabled());
        QAction *recent = Find<QAction>(frame, QString::number(CommandRecentFile1));
        QCOMPARE(recent->text(), QStringLiteral("最近文件"));
        QVERIFY(!recent->isEnabled());
        QCOMPARE(Find<QAction>(frame, QString::number(CommandFileSave))->statusTip(),
                 QStringLiteral("保存活动文档"));
        QCOMPARE(Find<QAction>(frame, QString::number(CommandFileSave))->toolTip(),
                 QStringLiteral("保存"));
        QCOMPARE(Find<QLabel>(frame, QStringLiteral("59137"))->text(), QStringLiteral("大写"));
        QCOMPARE(Find<QLabel>(frame, QStringLiteral("0"))->text(), QStringLiteral("就绪"));
        // the icon turns on its 100 ms timer
        QTRY_VERIFY_WITH_TIMEOUT(frame->iconAnimator().CurrentFrame() >= 1, 2000);
        QAction *toolBarToggle = Find<QAction>(frame, QString::number(CommandViewToolBar));
        toolBarToggle->trigger();
        QVERIFY(Find<QWidget>(frame, QStringLiteral("59392"))->isHidden());
        frame->close();
    }
};

QTEST_MAIN(TestFenwoldWindows)
#include "tst_fenwoldwindows.moc"
