#include "lugcheckwindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "lugcheck.h"
#include "lugpicture.h"
#include "message.h"
#include "numbers.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using runtime::AddField;
using runtime::AddLabel;
using runtime::ArrayName;
using runtime::FromQt;
using runtime::ToQt;

namespace lug {
namespace {

enum LugField { Force, BaseLength, HoleDiameter, TopRadius, Thickness };

QLineEdit *addVerdictField(QWidget *parent, const QString &name, const QRect &geometry) {
    QLineEdit *field = AddField(parent, name, geometry);
    field->setReadOnly(true);
    runtime::SetForeground(field, runtime::RedField);
    return field;
}

double readField(const QLineEdit *field) {
    return runtime::ReadNumber(FromQt(field->text()));
}

} // namespace

LugCheckWindow::LugCheckWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("harnock"));
    runtime::SetBackground(this, QColor(0xE0, 0xE0, 0xE0));
    createWidgets();
    createConnections();
    setFixedSize(760, 484);
}

void LugCheckWindow::createWidgets() {
    QGroupBox *geometry =
        runtime::AddFrame(this, "Frame1", "吊耳结构基本参数", QRect(10, 8, 340, 232));
    struct Row {
        QString name, label, unit;
    };
    const QList<Row> rows{
        {ArrayName("Text1", 0), "吊耳受力F：", "吨"},
        {"Text2", "夹角θ:", "°"},
        {ArrayName("Text1", 1), "吊耳底部L：", "mm"},
        {ArrayName("Text1", 2), "开孔直径(2r)：", "mm"},
        {ArrayName("Text1", 3), "上端圆角半径R：", "mm"},
        {ArrayName("Text1", 4), "吊耳板厚度δ：", "mm"},
    };
    for (int i = 0; i < rows.size(); ++i) {
        const int y = 30 + 32 * i;
        AddLabel(geometry, ArrayName("Label1", i), rows[i].label, QRect(14, y, 128, 22));
        QLineEdit *field = AddField(geometry, rows[i].name, QRect(146, y - 2, 120, 26));
        AddLabel(geometry, ArrayName("Label2", i), rows[i].unit, QRect(274, y, 50, 22));
        if (rows[i].name == "Text2")
            angleField_ = field;
        else
            lugFields_ << field;
    }

    QGroupBox *material =
        runtime::AddFrame(this, "Frame2", "选择输入吊耳材质[σ]", QRect(10, 248, 340, 150));
    AddLabel(material, "Label3", "对应[σ]值", QRect(14, 30, 80, 22));
    allowableField_ = AddField(material, "Text6", QRect(96, 28, 110, 26));
    AddLabel(material, "Label4", "N/mm", QRect(212, 30, 36, 22));
    QLabel *squared = AddLabel(material, "Label5", "2", QRect(248, 24, 10, 12));
    squared->setFont(runtime::FormFont(QStringLiteral("宋体"), 6));
    auto *grid = new AllowableStressGrid(material);
    grid->setObjectName("StressTable");
    grid->setGeometry(14, 66, 312, 72);

    auto *picture = new LugPicture(this);
    picture->setObjectName("Picture1");
    picture->setGeometry(362, 14, 388, 300);

    QGroupBox *results = runtime::AddFrame(this, "Frame3", "吊耳各断面强度及底部焊缝验算分析：",
                                           QRect(362, 322, 388, 150));
    const QStringList sections{"断面A1－B1", "断面A2－B2", "断面A3－B3", "焊缝验算："};
    for (int i = 0; i < sections.size(); ++i) {
        const int y = 28 + 30 * i;
        AddLabel(results, ArrayName("Label6", i), sections[i], QRect(12, y, 84, 22));
        verdictFields_ << addVerdictField(results, ArrayName("Text3", i),
                                          QRect(98, y - 2, 278, 26));
    }

    QGroupBox *checking = runtime::AddFrame(this, "Frame4", "验算：", QRect(10, 406, 340, 66));
    checkButton_ = runtime::AddButton(checking, "Command1", "确     定", QRect(14, 24, 104, 30));
    AddLabel(checking, "Label7", "结论：", QRect(130, 30, 44, 22));
    conclusionField_ = addVerdictField(checking, "Text4", QRect(174, 26, 154, 26));
}

void LugCheckWindow::createConnections() {
    runtime::OnClick(checkButton_, [this] { check(); });
}

void LugCheckWindow::check() {
    LugInputs lug;
    lug.force = readField(lugFields_[Force]);
    lug.angle = readField(angleField_);
    lug.baseLength = readField(lugFields_[BaseLength]);
    lug.topRadius = readField(lugFields_[TopRadius]);
    lug.thickness = readField(lugFields_[Thickness]);
    lug.allowable = readField(allowableField_);
    lug.holeRadius = HoleRadius(FromQt(lugFields_[HoleDiameter]->text()));
    const LugCheck result = CheckLug(lug);

    // Each section's verdict is written as the check reaches it. A step that cannot be
    // computed stops the check with its cause; the sections after it keep what they showed.
    for (int i = 0; i < static_cast<int>(result.verdicts.size()); ++i)
        verdictFields_[i]->setText(ToQt(result.verdicts[static_cast<std::size_t>(i)]));
    if (result.stop)
        throw *result.stop;

    conclusionField_->setText(ToQt(result.conclusion));
    runtime::ShowMessage(ToQt(ClosingAdvice));
    conclusionField_->clear();
}

} // namespace lug
