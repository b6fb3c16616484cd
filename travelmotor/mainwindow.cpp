
#include "mainwindow.h"

#include "driveunitpicture.h"
#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "numbers.h"
#include "statusclock.h"
#include "travelmotor.h"
#include "verticalbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace travelmotor {
namespace {

using runtime::AddField;
using runtime::AddFrame;
using runtime::AddLabel;

const QString craneTypePrompt = QStringLiteral("起重机类型");

// The list as the engineer picks from it; the prompt comes first and counts as no type.
const QStringList craneTypes = {
    craneTypePrompt,
    QStringLiteral("桥式起重机"),
    QStringLiteral("门式和门座式起重机"),
    QStringLiteral("铁路起重机"),
    QStringLiteral("建筑塔式起重机"),
    QStringLiteral("桥架上的小车"),
};

constexpr int windowWidth = 690;
constexpr int windowHeight = 374;
constexpr int rowPitch = 30;

// A known quantity: light blue, its text from the left.
QLineEdit *addInputField(QWidget *parent, const QString &name, const QRect &geometry) {
    QLineEdit *field = AddField(parent, name, geometry);
    runtime::SetBackground(field, runtime::LightBlueField);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return field;
}

QLineEdit *addResultField(QWidget *parent, const QString &name, const QRect &geometry) {
    QLineEdit *field = AddField(parent, name, geometry);
    runtime::SetBackground(field, runtime::RedField);
    return field;
}

// Reads one known quantity; a number beyond any range is named by its quantity.
double readQuantity(const QLineEdit *field, const char *quantity) {
    try {
        return runtime::ReadNumber(runtime::FromQt(field->text()));
    } catch (const runtime::RuntimeError &error) {
        throw runtime::RuntimeError(error.kind(),
                                    std::string(quantity) + "的数值超出范围，请检查输入");
    }
}

// A result in its precision; a step that the sizing did not reach leaves the field alone.
template <typename Number> void writeResult(QLineEdit *field, const std::optional<Number> &value) {
    if (!value)
        return;
    runtime::ShowResult(field, runtime::ToQt(runtime::NumberText(*value)));
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mian"));
    setWindowTitle(QStringLiteral("【dunmoor】(3合1电机)"));
    setWindowIcon(DriveUnitIcon());
    setFixedSize(windowWidth, windowHeight);
    createWidgets();
    createResultRow();
    createConnections();
    fillCraneTypes();
}

void MainWindow::createWidgets() {
    QGroupBox *sketchFrame = AddFrame(this, "Frame1", "简图", QRect(8, 6, 262, 300));
    auto *picture = new DriveUnitPicture(sketchFrame);
    picture->setObjectName("Image1");
    picture->setGeometry(8, 20, 246, 254);
    QLabel *pictureName = AddLabel(sketchFrame, "Label24", "三合一电机", QRect(172, 277, 82, 18));
    pictureName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pictureName->setFont(runtime::FormFont("黑体", 9));
    runtime::SetCaptionColor(sketchFrame, runtime::RedField);
    runtime::SetForeground(pictureName, runtime::RedField);

    QGroupBox *inputFrame = AddFrame(this, "Frame2", "已知参数录入", QRect(278, 6, 404, 300));
    struct Row {
        const char *label;
        const char *labelText;
        const char *unit;
        const char *unitText;
    };
    // Row 1 is the crane type; rows 2 to 9 hold Text1 to Text8.
    const Row rows[] = {
        {"Label4", "起升载荷", "Label5", "Kg"},
        {"Label6", "自重载荷", "Label7", "Kg"},
        {"Label8", "风阻力(室外)", "Label9", "Kg"},
        {"Label1", "车轮直径", "Label2", "mm"},
        {"Label10", "运行速度", "Label11", "m/min"},
        {"Label12", "电机数量", "Label13", "台"},
        {"Label14", "传动效率", "Label16", "(0.85～0.95)"},
        {"Label15", "功率增大系数", "Label17", "(一般取1.2)"},
    };
    constexpr int top = 24;
    AddLabel(inputFrame, "Label3", "起重机类型", QRect(12, top + 2, 92, 18));
    craneType_ = runtime::AddCombo(inputFrame, "Combo1", QRect(106, top, 146, 22));
    craneType_->setEditable(true);
    craneType_->setInsertPolicy(QComboBox::NoInsert);
    // A typed type is taken as typed: no completion from the list slips a listed type in.
    craneType_->setCompleter(nullptr);
    for (int i = 0; i < 8; ++i) {
        const int y = top + (i + 1) * rowPitch;
        AddLabel(inputFrame, rows[i].label, rows[i].labelText, QRect(12, y + 2, 92, 18));
        fields_[i] =
            addInputField(inputFrame, QStringLiteral("Text%1").arg(i + 1), QRect(106, y, 146, 22));
        AddLabel(inputFrame, rows[i].unit, rows[i].unitText, QRect(258, y + 2, 92, 18));
    }
    clearButton_ = new runtime::VerticalTextButton(
        "Command2", "︻清  空︼", QRect(354, top, 40, 8 * rowPitch + 22), inputFrame);
    runtime::SetCaptionColor(inputFrame, runtime::RedField);
}

void MainWindow::createResultRow() {
    constexpr int y = 316;
    calculateButton_ = runtime::AddButton(this, "Command1", "电机参数计算>>", QRect(8, y, 128, 26));
    struct ResultRow {
        const char *label;
        const char *labelText;
        const char *field;
        int fieldWidth;
        const char *unit;
        const char *unitText;
        int unitWidth;
    };
    // Power and torque are doubles of up to 15 digits; the speed, a single, has 7 at most.
    const ResultRow results[] = {
        {"Label18", "功率", "Text9", 120, "Label19", "KW", 22},
        {"Label20", "扭矩", "Text10", 120, "Label21", "Nm", 22},
        {"Label22", "转速", "Text11", 80, "Label23", "r/min", 40},
    };
    int x = 144;
    for (int i = 0; i < 3; ++i) {
        const ResultRow &row = results[i];
        AddLabel(this, row.label, row.labelText, QRect(x, y + 4, 30, 18));
        fields_[8 + i] = addResultField(this, row.field, QRect(x + 30, y + 1, row.fieldWidth, 24));
        x += 30 + row.fieldWidth + 4;
        AddLabel(this, row.unit, row.unitText, QRect(x, y + 4, row.unitWidth, 18));
        x += row.unitWidth + 10;
    }

    auto *statusBar = new runtime::PanelStatusBar("St1", this);
    new runtime::StatusClock("Timer1", statusBar);
}

void MainWindow::createConnections() {
    runtime::OnClick(calculateButton_, [this] { calculate(); });
    runtime::OnClick(clearButton_, [this] { clear(); });
}

void MainWindow::fillCraneTypes() {
    craneType_->addItems(craneTypes);
    craneType_->setCurrentIndex(0);
}

Inputs MainWindow::readInputs() const {
    Inputs inputs;
    inputs.craneType = runtime::FromQt(craneType_->currentText());
    inputs.hoistLoad = readQuantity(fields_[0], "起升载荷");
    inputs.deadWeight = readQuantity(fields_[1], "自重载荷");
    inputs.windResistance = readQuantity(fields_[2], "风阻力");
    inputs.wheelDiameter = readQuantity(fields_[3], "车轮直径");
    inputs.travelSpeed = readQuantity(fields_[4], "运行速度");
    inputs.motorCount = readQuantity(fields_[5], "电机数量");
    inputs.efficiency = readQuantity(fields_[6], "传动效率");
    inputs.powerFactor = readQuantity(fields_[7], "功率增大系数");
    return inputs;
}

// Writes each result that the sizing reached; a step that stopped it leaves its field and those
// after it as they stood, and its cause is told after the results that were formed.
void MainWindow::calculate() {
    const Result result = Calculate(readInputs());
    if (!result.wheel.inRange)
        runtime::ShowMessage("您选择的车轮不在范围内", runtime::InformationMessage, "注意！");
    writeResult(fields_[8], result.power);
    writeResult(fields_[9], result.torque);
    writeResult(fields_[10], result.wheelSpeed);
    if (result.stop)
        throw *result.stop;
}

void MainWindow::clear() {
    for (QLineEdit *field : fields_)
        field->setText(QString());
    craneType_->setCurrentIndex(0);
    craneType_->setEditText(craneTypePrompt);
}

} // namespace travelmotor
