#include "mainwindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "numbers.h"
#include "sectionsketch.h"
#include "statusclock.h"
#include "verticalbutton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <tuple>

namespace girder {

// Where the label, the field and the unit of a frame's rows stand.
struct RowColumns {
    int labelLeft, labelWidth, fieldLeft, fieldWidth, unitWidth;
};

// The caption and the unit of one labelled row.
struct FrameRow {
    QString caption;
    QString unit;
};

// One girder kind's tab: what its controls are called, which fields TextN they fill and where
// they stand. Both tabs have a sketch, the input frame, the solve and clear buttons, the
// result frame with the weld note and the frame of verdicts; they differ in their inputs, in
// the numbering of their fields and in how the taller input frame of the I-beam girder leaves
// room for the verdicts.
struct GirderTab {
    QString titleName;
    QString inputFrameName;
    QRect inputFrame;
    int inputTop, inputPitch;
    RowColumns inputColumns;
    QList<FrameRow> inputRows; // filling TextN from firstInput on
    int firstInput;
    QString solveName, clearName;
    QString resultFrameName;
    QString centroidCaption;
    int firstResult; // G, S, Yc, Ix, Wx, Iy, Wy
    QString weldNoteName, weldNote;
    QString verdictFrameName;
    QRect verdictFrame;
    int totalWeightTop;
    RowColumns totalWeightColumns;
    int totalWeightField; // followed by the stiffness and the strength verdicts
    QRect stiffnessGeometry, strengthGeometry;
};

namespace {

using runtime::AddField;
using runtime::AddFrame;
using runtime::AddLabel;

const QColor captionBlue = runtime::FormColor(0, 0, 255);
const QString stiffnessPrompt = QStringLiteral("刚度校核");
const QString strengthPrompt = QStringLiteral("强度校核");
const QString solveCaption = QStringLiteral("︻求  解︼");
const QString clearCaption = QStringLiteral("︻清  空︼");

QString fieldName(int number) {
    return QStringLiteral("Text%1").arg(number);
}

QLineEdit *addRow(QGroupBox *frame, int y, const QString &caption, int fieldNumber,
                  const QString &unit, const RowColumns &columns) {
    AddLabel(frame, {}, caption, QRect(columns.labelLeft, y + 3, columns.labelWidth, 18));
    QLineEdit *field = AddField(frame, fieldName(fieldNumber),
                                QRect(columns.fieldLeft, y, columns.fieldWidth, 22));
    if (!unit.isEmpty())
        AddLabel(frame, {}, unit,
                 QRect(columns.fieldLeft + columns.fieldWidth + 4, y + 3, columns.unitWidth, 18));
    return field;
}

// A frame's labelled rows, one under the other, filling TextN from firstField on.
QList<QLineEdit *> addRows(QGroupBox *frame, int top, int pitch, const QList<FrameRow> &rows,
                           int firstField, const RowColumns &columns) {
    QList<QLineEdit *> fields;
    for (int row = 0; row < rows.size(); ++row)
        fields.append(addRow(frame, top + pitch * row, rows[row].caption, firstField + row,
                             rows[row].unit, columns));
    return fields;
}

void makeInput(QLineEdit *field) {
    field->setAlignment(Qt::AlignCenter);
    runtime::SetBackground(field, runtime::LightBlueField);
}

void makeResult(QLineEdit *field) {
    runtime::SetBackground(field, runtime::RedField);
}

// The sketch titles and the weld notes stand in blue.
QLabel *addBlueLabel(QWidget *parent, const QString &name, const QString &text,
                     const QRect &geometry) {
    QLabel *label = AddLabel(parent, name, text, geometry);
    runtime::SetForeground(label, captionBlue);
    return label;
}

const GirderTab boxGirderTab = {
    .titleName = QStringLiteral("Label1"),
    .inputFrameName = QStringLiteral("Frame1"),
    .inputFrame = QRect(232, 6, 220, 262),
    .inputTop = 28,
    .inputPitch = 32,
    .inputColumns = RowColumns{10, 92, 104, 70, 24},
    .inputRows = {{QStringLiteral("上翼缘厚度t1"), QStringLiteral("mm")},
                  {QStringLiteral("下翼缘厚度t2"), QStringLiteral("mm")},
                  {QStringLiteral("腹板厚度t3"), QStringLiteral("mm")},
                  {QStringLiteral("上翼缘宽度B1"), QStringLiteral("mm")},
                  {QStringLiteral("下翼缘宽度B2"), QStringLiteral("mm")},
                  {QStringLiteral("腹板距离B3"), QStringLiteral("mm")},
                  {QStringLiteral("腹板高度H"), QStringLiteral("mm")}},
    .firstInput = 1,
    .solveName = QStringLiteral("Command1"),
    .clearName = QStringLiteral("Command2"),
    .resultFrameName = QStringLiteral("Frame2"),
    .centroidCaption = QStringLiteral("中心位置Yc"),
    .firstResult = 8,
    .weldNoteName = QStringLiteral("Label36"),
    .weldNote = QStringLiteral("〖焊缝重量系数：1.015〗"),
    .verdictFrameName = QStringLiteral("Frame4"),
    .verdictFrame = QRect(232, 300, 526, 108),
    .totalWeightTop = 30,
    .totalWeightColumns = RowColumns{14, 64, 80, 174, 24},
    .totalWeightField = 19,
    .stiffnessGeometry = QRect(14, 66, 240, 24),
    .strengthGeometry = QRect(272, 66, 240, 24),
};

const GirderTab beamGirderTab = {
    .titleName = QStringLiteral("Label39"),
    .inputFrameName = QStringLiteral("Frame5"),
    .inputFrame = QRect(232, 6, 220, 404),
    .inputTop = 24,
    .inputPitch = 27,
    .inputColumns = RowColumns{8, 112, 122, 58, 32},
    .inputRows = {{QStringLiteral("梁宽度L1"), QStringLiteral("mm")},
                  {QStringLiteral("侧板宽度L2"), QStringLiteral("mm")},
                  {QStringLiteral("加强板宽度L3"), QStringLiteral("mm")},
                  {QStringLiteral("包板高度h1"), QStringLiteral("mm")},
                  {QStringLiteral("工字钢高度h2"), QStringLiteral("mm")},
                  {QStringLiteral("工字钢露出高度h3"), QStringLiteral("mm")},
                  {QStringLiteral("包板厚度t1"), QStringLiteral("mm")},
                  {QStringLiteral("斜板厚度t2"), QStringLiteral("mm")},
                  {QStringLiteral("加强板厚度t3"), QStringLiteral("mm")},
                  {QStringLiteral("主梁总高度H"), QStringLiteral("mm")},
                  {QStringLiteral("工字钢宽度B"), QStringLiteral("mm")},
                  {QStringLiteral("工字钢截面面积S"), QStringLiteral("cm^2")},
                  {QStringLiteral("工字钢惯性距Ix"), QStringLiteral("cm^4")},
                  {QStringLiteral("工字钢惯性距Iy"), QStringLiteral("cm^4")}},
    .firstInput = 22,
    .solveName = QStringLiteral("Command4"),
    .clearName = QStringLiteral("Command5"),
    .resultFrameName = QStringLiteral("Frame6"),
    .centroidCaption = QStringLiteral("中心位置C"),
    .firstResult = 36,
    .weldNoteName = QStringLiteral("Label83"),
    .weldNote = QStringLiteral("〖焊缝重量系数：1.020〗"),
    .verdictFrameName = QStringLiteral("Frame7"),
    .verdictFrame = QRect(498, 300, 260, 110),
    .totalWeightTop = 24,
    .totalWeightColumns = RowColumns{10, 60, 72, 146, 24},
    .totalWeightField = 43,
    .stiffnessGeometry = QRect(10, 52, 240, 22),
    .strengthGeometry = QRect(10, 80, 240, 22),
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mian"));
    setWindowTitle(QStringLiteral("【corvell】"));
    setFixedSize(780, 548);
    createWidgets();
    createStatusBar();
    createConnections();
}

void MainWindow::addFields(const QList<QLineEdit *> &fields) {
    for (QLineEdit *field : fields)
        fields_.insert(field->objectName().mid(4).toInt(), field);
}

void MainWindow::createWidgets() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(6, 6, 768, 450);
    auto *boxTab = new QWidget;
    auto *beamTab = new QWidget;
    tabs_->addTab(boxTab, QStringLiteral("欧标箱行主梁"));
    tabs_->addTab(beamTab, QStringLiteral("国产工字钢包梁"));
    std::tie(boxSolveButton_, boxClearButton_) =
        createGirderTab(boxTab, new BoxSectionSketch(boxTab), boxGirderTab);
    std::tie(beamSolveButton_, beamClearButton_) =
        createGirderTab(beamTab, new IBeamSectionSketch(beamTab), beamGirderTab);
    tabs_->setCurrentIndex(0);
    createBasicParameterFrame();
}

std::pair<QPushButton *, QPushButton *> MainWindow::createGirderTab(QWidget *tab, QWidget *sketch,
                                                                    const GirderTab &plan) {
    QLabel *title =
        addBlueLabel(tab, plan.titleName, QStringLiteral("■主梁截面简图■"), QRect(8, 8, 218, 20));
    title->setAlignment(Qt::AlignCenter);
    sketch->setGeometry(8, 32, 218, 376);

    QGroupBox *inputs =
        AddFrame(tab, plan.inputFrameName, QStringLiteral("已知参数录入"), plan.inputFrame);
    const QList<QLineEdit *> inputFields = addRows(
        inputs, plan.inputTop, plan.inputPitch, plan.inputRows, plan.firstInput, plan.inputColumns);
    for (QLineEdit *input : inputFields)
        makeInput(input);
    addFields(inputFields);
    runtime::SetCaptionColor(inputs, runtime::RedField);

    QPushButton *solve =
        new runtime::VerticalTextButton(plan.solveName, solveCaption, QRect(458, 20, 34, 116), tab);
    QPushButton *clear = new runtime::VerticalTextButton(plan.clearName, clearCaption,
                                                         QRect(458, 146, 34, 116), tab);

    QGroupBox *results = AddFrame(tab, plan.resultFrameName, QStringLiteral("截面参数求解"),
                                  QRect(498, 6, 260, 262));
    const QList<FrameRow> resultRows = {{QStringLiteral("理论重量G"), QStringLiteral("Kg")},
                                        {QStringLiteral("截面面积S"), QStringLiteral("cm^2")},
                                        {plan.centroidCaption, QStringLiteral("cm")},
                                        {QStringLiteral("垂直惯性距Ix"), QStringLiteral("cm^4")},
                                        {QStringLiteral("截面模数Wx"), QStringLiteral("cm^3")},
                                        {QStringLiteral("水平惯性距Iy"), QStringLiteral("cm^4")},
                                        {QStringLiteral("截面模数Wy"), QStringLiteral("cm^3")}};
    const QList<QLineEdit *> resultFields =
        addRows(results, 28, 32, resultRows, plan.firstResult, RowColumns{10, 84, 96, 118, 34});
    for (QLineEdit *result : resultFields)
        makeResult(result);
    addFields(resultFields);
    runtime::SetCaptionColor(results, runtime::RedField);

    addBlueLabel(tab, plan.weldNoteName, plan.weldNote, QRect(506, 274, 252, 20));

    QGroupBox *verdicts =
        AddFrame(tab, plan.verdictFrameName, QStringLiteral("结果"), plan.verdictFrame);
    QLineEdit *totalWeight =
        addRow(verdicts, plan.totalWeightTop, QStringLiteral("主梁总重"), plan.totalWeightField,
               QStringLiteral("Kg"), plan.totalWeightColumns);
    QLineEdit *stiffness = AddField(verdicts, fieldName(plan.totalWeightField + 1),
                                    plan.stiffnessGeometry, stiffnessPrompt);
    QLineEdit *strength = AddField(verdicts, fieldName(plan.totalWeightField + 2),
                                   plan.strengthGeometry, strengthPrompt);
    for (QLineEdit *result : {totalWeight, stiffness, strength})
        makeResult(result);
    stiffness->setAlignment(Qt::AlignCenter);
    strength->setAlignment(Qt::AlignCenter);
    addFields({totalWeight, stiffness, strength});
    runtime::SetCaptionColor(verdicts, runtime::RedField);
    return {solve, clear};
}

void MainWindow::createBasicParameterFrame() {
    QGroupBox *frame = AddFrame(this, QStringLiteral("Frame3"), QStringLiteral("起重机基本参数"),
                                QRect(6, 462, 768, 58));
    constexpr int y = 26;
    AddLabel(frame, {}, QStringLiteral("载荷与葫芦总重"), QRect(10, y + 3, 96, 18));
    QLineEdit *load = AddField(frame, fieldName(15), QRect(106, y, 64, 22));
    AddLabel(frame, {}, QStringLiteral("吨"), QRect(174, y + 3, 16, 18));
    AddLabel(frame, {}, QStringLiteral("跨度"), QRect(204, y + 3, 30, 18));
    QLineEdit *span = AddField(frame, fieldName(16), QRect(236, y, 56, 22));
    AddLabel(frame, {}, QStringLiteral("米"), QRect(296, y + 3, 16, 18));
    estimateButton_ =
        runtime::AddButton(frame, QStringLiteral("Command3"), QStringLiteral("估算惯性距>>"),
                           QRect(322, y - 2, 104, 26));
    AddLabel(frame, {}, QStringLiteral("Ix"), QRect(438, y + 3, 16, 18));
    QLineEdit *requiredX = AddField(frame, fieldName(17), QRect(456, y, 100, 22));
    AddLabel(frame, {}, QStringLiteral("cm^4"), QRect(560, y + 3, 34, 18));
    AddLabel(frame, {}, QStringLiteral("Iy"), QRect(604, y + 3, 16, 18));
    QLineEdit *requiredY = AddField(frame, fieldName(18), QRect(622, y, 100, 22));
    AddLabel(frame, {}, QStringLiteral("cm^4"), QRect(726, y + 3, 34, 18));
    makeInput(load);
    makeInput(span);
    makeResult(requiredX);
    makeResult(requiredY);
    addFields({load, span, requiredX, requiredY});
    runtime::SetCaptionColor(frame, captionBlue);
}

void MainWindow::createStatusBar() {
    statusBar_ = new runtime::PanelStatusBar(QStringLiteral("St1"), this);
    new runtime::StatusClock(QStringLiteral("Timer1"), statusBar_);
}

void MainWindow::createConnections() {
    runtime::OnClick(boxSolveButton_, [this] { solveBoxGirder(); });
    runtime::OnClick(boxClearButton_, [this] { clearTab(boxGirderTab); });
    runtime::OnClick(estimateButton_, [this] { estimateRequiredMoments(); });
    runtime::OnClick(beamSolveButton_, [this] { solveIBeamGirder(); });
    runtime::OnClick(beamClearButton_, [this] { clearTab(beamGirderTab); });
}

double MainWindow::readField(int number) const {
    return runtime::ReadNumber(runtime::FromQt(field(number)->text()));
}

CraneParameters MainWindow::readCraneParameters() const {
    return {readField(15), readField(16), readField(17), readField(18)};
}

ResultWriter MainWindow::writerFor(const QMap<Result, int> &fieldOfResult) const {
    return [this, fieldOfResult](Result result, const std::string &text) {
        runtime::ShowResult(field(fieldOfResult.value(result)), runtime::ToQt(text));
    };
}

void MainWindow::solveBoxGirder() {
    BoxSection section;
    section.topFlangeThickness = readField(1);
    section.bottomFlangeThickness = readField(2);
    section.webThickness = readField(3);
    section.topFlangeWidth = readField(4);
    section.bottomFlangeWidth = readField(5);
    section.webSpacing = readField(6);
    section.webHeight = readField(7);
    const CraneParameters crane = readCraneParameters();
    SolveBoxGirder(section, crane,
                   writerFor({{Result::Weight, 8},
                              {Result::Area, 9},
                              {Result::CentroidHeight, 10},
                              {Result::MomentX, 11},
                              {Result::ModulusX, 12},
                              {Result::MomentY, 13},
                              {Result::ModulusY, 14},
                              {Result::TotalWeight, 19},
                              {Result::Stiffness, 20},
                              {Result::Strength, 21}}));
}

void MainWindow::solveIBeamGirder() {
    IBeamSection section;
    section.girderWidth = readField(22);
    section.inclinedPlateLength = readField(23);
    section.reinforcingPlateWidth = readField(24);
    section.sidePlateHeight = readField(25);
    section.beamHeight = readField(26);
    section.beamExposedHeight = readField(27);
    section.sidePlateThickness = readField(28);
    section.inclinedPlateThickness = readField(29);
    section.reinforcingPlateThickness = readField(30);
    section.girderHeight = readField(31);
    section.beamWidth = readField(32);
    section.beamArea = readField(33);
    section.beamMomentX = readField(34);
    section.beamMomentY = readField(35);
    const CraneParameters crane = readCraneParameters();
    SolveIBeamGirder(section, crane,
                     writerFor({{Result::Weight, 36},
                                {Result::Area, 37},
                                {Result::CentroidHeight, 38},
                                {Result::MomentX, 39},
                                {Result::ModulusX, 40},
                                {Result::MomentY, 41},
                                {Result::ModulusY, 42},
                                {Result::TotalWeight, 43},
                                {Result::Stiffness, 44},
                                {Result::Strength, 45}}));
}

void MainWindow::estimateRequiredMoments() {
    EstimateRequiredMoments(
        readField(15), readField(16),
        writerFor({{Result::RequiredMomentX, 17}, {Result::RequiredMomentY, 18}}),
        [](const std::string &text, int kind, const std::string &title) {
            runtime::ShowMessage(runtime::ToQt(text), kind, runtime::ToQt(title));
        });
}

// Empties the tab's inputs, results and total weight and puts the verdict prompts back; the
// other tab and the basic parameters stay as they are.
void MainWindow::clearTab(const GirderTab &plan) {
    for (int number = plan.firstInput; number < plan.firstResult + 7; ++number)
        field(number)->clear();
    field(plan.totalWeightField)->clear();
    field(plan.totalWeightField + 1)->setText(stiffnessPrompt);
    field(plan.totalWeightField + 2)->setText(strengthPrompt);
}

} // namespace girder
