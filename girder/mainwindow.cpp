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

namespace girder {
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

// Where the label, the field and the unit of a frame's rows stand.
struct RowColumns {
    int labelLeft, labelWidth, fieldLeft, fieldWidth, unitWidth;
};

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

void makeInput(QLineEdit *field) {
    field->setAlignment(Qt::AlignCenter);
    runtime::SetBackground(field, runtime::LightBlueField);
}

void makeResult(QLineEdit *field) {
    runtime::SetBackground(field, runtime::RedField);
}

// Sets a frame's caption colour. The caption takes the frame's text colour, which its labels
// and fields would otherwise inherit; they keep black.
QLabel *addBlueLabel(QWidget *parent, const QString &name, const QString &text,
                     const QRect &geometry) {
    QLabel *label = AddLabel(parent, name, text, geometry);
    runtime::SetForeground(label, captionBlue);
    return label;
}

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
    createBoxGirderTab(boxTab);
    createIBeamGirderTab(beamTab);
    tabs_->setCurrentIndex(0);
    createBasicParameterFrame();
}

void MainWindow::createBoxGirderTab(QWidget *tab) {
    QLabel *title = addBlueLabel(tab, QStringLiteral("Label1"), QStringLiteral("■主梁截面简图■"),
                                 QRect(8, 8, 218, 20));
    title->setAlignment(Qt::AlignCenter);
    (new BoxSectionSketch(tab))->setGeometry(8, 32, 218, 376);

    const RowColumns inputColumns{10, 92, 104, 70, 24};
    QGroupBox *inputs = AddFrame(tab, QStringLiteral("Frame1"), QStringLiteral("已知参数录入"),
                                 QRect(232, 6, 220, 262));
    const QStringList inputCaptions = {
        QStringLiteral("上翼缘厚度t1"), QStringLiteral("下翼缘厚度t2"),
        QStringLiteral("腹板厚度t3"),   QStringLiteral("上翼缘宽度B1"),
        QStringLiteral("下翼缘宽度B2"), QStringLiteral("腹板距离B3"),
        QStringLiteral("腹板高度H")};
    for (int row = 0; row < inputCaptions.size(); ++row) {
        QLineEdit *input = addRow(inputs, 28 + 32 * row, inputCaptions[row], row + 1,
                                  QStringLiteral("mm"), inputColumns);
        makeInput(input);
        addFields({input});
    }
    runtime::SetCaptionColor(inputs, runtime::RedField);

    boxSolveButton_ = new runtime::VerticalTextButton(QStringLiteral("Command1"), solveCaption,
                                                      QRect(458, 20, 34, 116), tab);
    boxClearButton_ = new runtime::VerticalTextButton(QStringLiteral("Command2"), clearCaption,
                                                      QRect(458, 146, 34, 116), tab);

    const RowColumns resultColumns{10, 84, 96, 118, 34};
    QGroupBox *results = AddFrame(tab, QStringLiteral("Frame2"), QStringLiteral("截面参数求解"),
                                  QRect(498, 6, 260, 262));
    const QList<QPair<QString, QString>> resultRows = {
        {QStringLiteral("理论重量G"), QStringLiteral("Kg")},
        {QStringLiteral("截面面积S"), QStringLiteral("cm^2")},
        {QStringLiteral("中心位置Yc"), QStringLiteral("cm")},
        {QStringLiteral("垂直惯性距Ix"), QStringLiteral("cm^4")},
        {QStringLiteral("截面模数Wx"), QStringLiteral("cm^3")},
        {QStringLiteral("水平惯性距Iy"), QStringLiteral("cm^4")},
        {QStringLiteral("截面模数Wy"), QStringLiteral("cm^3")}};
    for (int row = 0; row < resultRows.size(); ++row) {
        QLineEdit *result = addRow(results, 28 + 32 * row, resultRows[row].first, row + 8,
                                   resultRows[row].second, resultColumns);
        makeResult(result);
        addFields({result});
    }
    runtime::SetCaptionColor(results, runtime::RedField);

    addBlueLabel(tab, QStringLiteral("Label36"), QStringLiteral("〖焊缝重量系数：1.015〗"),
                 QRect(506, 274, 252, 20));

    QGroupBox *verdicts =
        AddFrame(tab, QStringLiteral("Frame4"), QStringLiteral("结果"), QRect(232, 300, 526, 108));
    QLineEdit *totalWeight = addRow(verdicts, 30, QStringLiteral("主梁总重"), 19,
                                    QStringLiteral("Kg"), RowColumns{14, 64, 80, 174, 24});
    QLineEdit *stiffness =
        AddField(verdicts, fieldName(20), QRect(14, 66, 240, 24), stiffnessPrompt);
    QLineEdit *strength =
        AddField(verdicts, fieldName(21), QRect(272, 66, 240, 24), strengthPrompt);
    for (QLineEdit *result : {totalWeight, stiffness, strength})
        makeResult(result);
    stiffness->setAlignment(Qt::AlignCenter);
    strength->setAlignment(Qt::AlignCenter);
    addFields({totalWeight, stiffness, strength});
    runtime::SetCaptionColor(verdicts, runtime::RedField);
}

void MainWindow::createIBeamGirderTab(QWidget *tab) {
    QLabel *title = addBlueLabel(tab, QStringLiteral("Label39"), QStringLiteral("■主梁截面简图■"),
                                 QRect(8, 8, 218, 20));
    title->setAlignment(Qt::AlignCenter);
    (new IBeamSectionSketch(tab))->setGeometry(8, 32, 218, 376);

    const RowColumns inputColumns{8, 112, 122, 58, 32};
    QGroupBox *inputs = AddFrame(tab, QStringLiteral("Frame5"), QStringLiteral("已知参数录入"),
                                 QRect(232, 6, 220, 404));
    const QList<QPair<QString, QString>> inputRows = {
        {QStringLiteral("梁宽度L1"), QStringLiteral("mm")},
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
        {QStringLiteral("工字钢惯性距Iy"), QStringLiteral("cm^4")}};
    for (int row = 0; row < inputRows.size(); ++row) {
        QLineEdit *input = addRow(inputs, 24 + 27 * row, inputRows[row].first, row + 22,
                                  inputRows[row].second, inputColumns);
        makeInput(input);
        addFields({input});
    }
    runtime::SetCaptionColor(inputs, runtime::RedField);

    beamSolveButton_ = new runtime::VerticalTextButton(QStringLiteral("Command4"), solveCaption,
                                                       QRect(458, 20, 34, 116), tab);
    beamClearButton_ = new runtime::VerticalTextButton(QStringLiteral("Command5"), clearCaption,
                                                       QRect(458, 146, 34, 116), tab);

    const RowColumns resultColumns{10, 84, 96, 118, 34};
    QGroupBox *results = AddFrame(tab, QStringLiteral("Frame6"), QStringLiteral("截面参数求解"),
                                  QRect(498, 6, 260, 262));
    const QList<QPair<QString, QString>> resultRows = {
        {QStringLiteral("理论重量G"), QStringLiteral("Kg")},
        {QStringLiteral("截面面积S"), QStringLiteral("cm^2")},
        {QStringLiteral("中心位置C"), QStringLiteral("cm")},
        {QStringLiteral("垂直惯性距Ix"), QStringLiteral("cm^4")},
        {QStringLiteral("截面模数Wx"), QStringLiteral("cm^3")},
        {QStringLiteral("水平惯性距Iy"), QStringLiteral("cm^4")},
        {QStringLiteral("截面模数Wy"), QStringLiteral("cm^3")}};
    for (int row = 0; row < resultRows.size(); ++row) {
        QLineEdit *result = addRow(results, 28 + 32 * row, resultRows[row].first, row + 36,
                                   resultRows[row].second, resultColumns);
        makeResult(result);
        addFields({result});
    }
    runtime::SetCaptionColor(results, runtime::RedField);

    addBlueLabel(tab, QStringLiteral("Label83"), QStringLiteral("〖焊缝重量系数：1.020〗"),
                 QRect(506, 274, 252, 20));

    QGroupBox *verdicts =
        AddFrame(tab, QStringLiteral("Frame7"), QStringLiteral("结果"), QRect(498, 300, 260, 110));
    QLineEdit *totalWeight = addRow(verdicts, 24, QStringLiteral("主梁总重"), 43,
                                    QStringLiteral("Kg"), RowColumns{10, 60, 72, 146, 24});
    QLineEdit *stiffness =
        AddField(verdicts, fieldName(44), QRect(10, 52, 240, 22), stiffnessPrompt);
    QLineEdit *strength = AddField(verdicts, fieldName(45), QRect(10, 80, 240, 22), strengthPrompt);
    for (QLineEdit *result : {totalWeight, stiffness, strength})
        makeResult(result);
    stiffness->setAlignment(Qt::AlignCenter);
    strength->setAlignment(Qt::AlignCenter);
    addFields({totalWeight, stiffness, strength});
    runtime::SetCaptionColor(verdicts, runtime::RedField);
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
    runtime::OnClick(boxClearButton_, [this] { clearBoxGirderTab(); });
    runtime::OnClick(estimateButton_, [this] { estimateRequiredMoments(); });
    runtime::OnClick(beamSolveButton_, [this] { solveIBeamGirder(); });
    runtime::OnClick(beamClearButton_, [this] { clearIBeamGirderTab(); });
}

double MainWindow::readField(int number) const {
    return runtime::ReadNumber(runtime::FromQt(field(number)->text()));
}

CraneParameters MainWindow::readCraneParameters() const {
    return {readField(15), readField(16), readField(17), readField(18)};
}

ResultWriter MainWindow::writerFor(const QMap<Result, int> &fieldOfResult) const {
    return [this, fieldOfResult](Result result, const std::string &text) {
        field(fieldOfResult.value(result))->setText(runtime::ToQt(text));
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

void MainWindow::clearBoxGirderTab() {
    for (int number = 1; number <= 14; ++number)
        field(number)->clear();
    field(19)->clear();
    field(20)->setText(stiffnessPrompt);
    field(21)->setText(strengthPrompt);
}

void MainWindow::clearIBeamGirderTab() {
    for (int number = 22; number <= 43; ++number)
        field(number)->clear();
    field(44)->setText(stiffnessPrompt);
    field(45)->setText(strengthPrompt);
}

} // namespace girder
