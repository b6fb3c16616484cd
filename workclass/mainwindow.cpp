#include "mainwindow.h"

#include "classtablewindow.h"
#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "numbers.h"
#include "statusclock.h"
#include "workclass.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace workclass {
namespace {

using runtime::AddButton;
using runtime::AddField;
using runtime::AddLabel;

constexpr int fieldCount = 14;
const QString initialClassText = QStringLiteral("A/m");

QLineEdit *addInputField(QWidget *parent, int number, const QRect &geometry) {
    QLineEdit *field = AddField(parent, QStringLiteral("Text%1").arg(number), geometry);
    field->setAlignment(Qt::AlignCenter);
    runtime::SetBackground(field, runtime::LightBlueField);
    return field;
}

double readField(const QLineEdit *field) {
    return runtime::ReadNumber(runtime::FromQt(field->text()));
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mian"));
    setWindowTitle(QStringLiteral("【ardmere】"));
    setFixedSize(660, 462);
    createInputFrame();
    createResultColumn();
    createStatusBar();
    createConnections();
}

MainWindow::~MainWindow() {
    delete craneTable_;
    delete mechanismTable_;
}

void MainWindow::createInputFrame() {
    QGroupBox *frame = runtime::AddFrame(this, QStringLiteral("Frame1"), QStringLiteral("参数输入"),
                                         QRect(10, 8, 330, 420));
    runtime::SetCaptionColor(frame, runtime::RedField);

    struct DutyRow {
        QString label, unit;
    };
    const DutyRow dutyRows[] = {{QStringLiteral("1、每天工作时间"), QStringLiteral("小时")},
                                {QStringLiteral("2、每"), QStringLiteral("分钟循环一次")},
                                {QStringLiteral("3、设计寿命"), QStringLiteral("年(270天/年)")}};
    int labelNumber = 1;
    int y = 30;
    for (int row = 0; row < 3; ++row, y += 32) {
        AddLabel(frame, QStringLiteral("Label%1").arg(labelNumber++), dutyRows[row].label,
                 QRect(12, y, 112, 24));
        inputFields_ << addInputField(frame, row + 1, QRect(126, y, 80, 24));
        AddLabel(frame, QStringLiteral("Label%1").arg(labelNumber++), dutyRows[row].unit,
                 QRect(212, y, 110, 24));
    }

    auto *rule = new QFrame(frame);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, y + 2, 310, 4);

    y += 14;
    AddLabel(frame, QStringLiteral("Label7"), QStringLiteral("最大载荷"), QRect(12, y, 112, 24));
    inputFields_ << addInputField(frame, 4, QRect(126, y, 80, 24));
    AddLabel(frame, QStringLiteral("Label8"), QStringLiteral("吨"), QRect(212, y, 40, 24));

    y += 32;
    AddLabel(frame, QStringLiteral("Label9"), QStringLiteral("其中："), QRect(12, y, 80, 24));
    y += 28;
    for (int load = 0; load < 5; ++load, y += 32) {
        const int loadField = 5 + 2 * load;
        const int label = 10 + 2 * load;
        inputFields_ << addInputField(frame, loadField, QRect(30, y, 80, 24));
        AddLabel(frame, QStringLiteral("Label%1").arg(label), QStringLiteral("吨      占"),
                 QRect(116, y, 84, 24));
        inputFields_ << addInputField(frame, loadField + 1, QRect(204, y, 80, 24));
        AddLabel(frame, QStringLiteral("Label%1").arg(label + 1), QStringLiteral("%"),
                 QRect(290, y, 20, 24));
    }

    QLabel *note = AddLabel(frame, QStringLiteral("Label20"),
                            QStringLiteral("说明：仅以5次载荷为代表"), QRect(12, y + 4, 300, 24));
    runtime::SetForeground(note, runtime::RedField);
}

void MainWindow::createResultColumn() {
    constexpr int left = 356;
    constexpr int width = 294;
    calculateButton_ = AddButton(this, QStringLiteral("Command1"),
                                 QStringLiteral("[工作级别计算]→"), QRect(left, 14, width, 34));

    resultField_ =
        AddField(this, QStringLiteral("Text15"), QRect(left, 56, width, 42), initialClassText);
    resultField_->setAlignment(Qt::AlignCenter);
    resultField_->setFont(runtime::FormFont(QStringLiteral("黑体"), 14.25));
    runtime::SetBackground(resultField_, runtime::RedField);

    clearButton_ = AddButton(this, QStringLiteral("Command4"), QStringLiteral("全部清除"),
                             QRect(left, 106, width, 28));

    const QList<QPair<QString, QString>> legend = {
        {QStringLiteral("Label21"), QStringLiteral("A0-A3/1Bm：不经常使用")},
        {QStringLiteral("Label22"), QStringLiteral("   A4/1Am：经常轻闲地使用")},
        {QStringLiteral("Label23"), QStringLiteral("    A5/2m：经常中等地使用")},
        {QStringLiteral("Label24"), QStringLiteral("    A6/3m：不经常繁忙地使用")},
        {QStringLiteral("Label25"), QStringLiteral("    A7/4m：繁忙地使用")},
        {QStringLiteral("Label27"), QStringLiteral("    A8/5m：繁忙地使用")},
    };
    int y = 144;
    for (const auto &[name, text] : legend) {
        QLabel *label = AddLabel(this, name, text, QRect(left + 20, y, width - 20, 20));
        // The leading blanks line the slashes up, as on the engineer's printed legend.
        label->setFont(runtime::FormFont(QStringLiteral("宋体"), 9));
        label->setTextFormat(Qt::PlainText);
        y += 21;
    }

    AddLabel(this, QStringLiteral("Label30"), QString(38, QLatin1Char('<')),
             QRect(left, y + 2, width, 18));
    QLabel *methodNote = AddLabel(this, QStringLiteral("Label26"),
                                  QStringLiteral("〖机构、零部件工作级别可按此方法计算〗"),
                                  QRect(left, y + 24, width, 20));
    runtime::SetForeground(methodNote, runtime::RedField);
    const QColor darkBlue = runtime::FormColor(0, 0, 192);
    runtime::SetForeground(AddLabel(this, QStringLiteral("Label28"),
                                    QStringLiteral("机构工作级别：M1～M8"),
                                    QRect(left + 20, y + 48, width - 20, 20)),
                           darkBlue);
    runtime::SetForeground(AddLabel(this, QStringLiteral("Label29"),
                                    QStringLiteral("零部件工作级别：E1～E8"),
                                    QRect(left + 20, y + 70, width - 20, 20)),
                           darkBlue);

    craneTableButton_ =
        AddButton(this, QStringLiteral("Command2"), QStringLiteral("‖常用起重机工作级别‖"),
                  QRect(left, y + 98, width, 28));
    mechanismTableButton_ =
        AddButton(this, QStringLiteral("Command3"), QStringLiteral("‖常用机构工作级别‖"),
                  QRect(left, y + 132, width, 28));
}

void MainWindow::createStatusBar() {
    statusBar_ = new runtime::PanelStatusBar(QStringLiteral("St1"), this);
    new runtime::StatusClock(QStringLiteral("Timer1"), statusBar_);
}

void MainWindow::createConnections() {
    runtime::OnClick(calculateButton_, [this] { calculateWorkingClass(); });
    runtime::OnClick(clearButton_, [this] { clearAll(); });
    runtime::OnClick(craneTableButton_, [this] { showTable(craneTable_, false); });
    runtime::OnClick(mechanismTableButton_, [this] { showTable(mechanismTable_, true); });
}

void MainWindow::calculateWorkingClass() {
    std::array<double, fieldCount> value{};
    for (int i = 0; i < fieldCount; ++i)
        value[static_cast<std::size_t>(i)] = readField(inputFields_[i]);

    // One message for each of the two inputs that a cycle or a load ratio divides by.
    bool missingInput = false;
    for (const double divisor : {value[1], value[3]}) {
        if (divisor == 0) {
            runtime::ShowMessage(QStringLiteral("参数未全部输入！"), runtime::InformationMessage,
                                 QStringLiteral("出错啦！"));
            missingInput = true;
        }
    }
    if (missingInput)
        return;

    const Duty duty{value[0], value[1], value[2]};
    LoadSpectrum spectrum;
    spectrum.maximumLoad = value[3];
    for (std::size_t i = 0; i < 5; ++i) {
        spectrum.loads[i] = value[4 + 2 * i];
        spectrum.shares[i] = value[5 + 2 * i];
    }
    const auto workingClass = WorkingClass(TotalCycles(duty), LoadSpectrumFactor(spectrum));
    if (workingClass)
        resultField_->setText(runtime::ToQt(*workingClass));
}

void MainWindow::clearAll() {
    for (QLineEdit *field : inputFields_)
        field->clear();
    resultField_->setText(initialClassText);
}

void MainWindow::showTable(QPointer<ClassTableWindow> &table, bool mechanisms) {
    if (!table)
        table =
            mechanisms ? ClassTableWindow::mechanismClasses() : ClassTableWindow::craneClasses();
    table->show();
}

} // namespace workclass
