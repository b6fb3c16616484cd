#include "ropeselectionwindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "numbers.h"
#include "slingsketch.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using runtime::AddCombo;
using runtime::AddField;
using runtime::AddLabel;
using runtime::ArrayName;
using runtime::FromQt;
using runtime::ToQt;

namespace hoistrope {

RopeSelectionWindow::RopeSelectionWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("galtry选择"));
    setFont(runtime::FormFont(QStringLiteral("宋体"), 12));
    createWidgets();
    createConnections();
    setFixedSize(760, 420);
}

namespace {

// A list that offers its items only; its prompt shows while nothing is chosen.
QComboBox *addList(QWidget *parent, const QString &name, const QString &prompt,
                   const QStringList &items, const QRect &geometry) {
    QComboBox *list = AddCombo(parent, name, geometry);
    list->setPlaceholderText(prompt);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

QLineEdit *addResultField(QWidget *parent, const QString &name, const QRect &geometry) {
    QLineEdit *field = AddField(parent, name, geometry);
    runtime::SetBackground(field, runtime::LightBlueField);
    return field;
}

} // namespace

void RopeSelectionWindow::createWidgets() {
    AddLabel(this, "Label1", "钢丝绳公称抗拉强度：", QRect(16, 18, 176, 24));
    strengthList_ =
        addList(this, "klqd", "请选择抗拉强度",
                {"1470", "1570", "1670", "1770", "1870", "1960", "2160"}, QRect(196, 16, 196, 28));
    AddLabel(this, ArrayName("Label5", 3), "N/mm", QRect(398, 18, 46, 24));
    QLabel *squared = AddLabel(this, ArrayName("Label5", 4), "2", QRect(444, 12, 10, 14));
    squared->setFont(runtime::FormFont(QStringLiteral("宋体"), 8));

    AddLabel(this, "Label3", "绳芯材料：", QRect(16, 56, 176, 24));
    coreList_ =
        addList(this, "sxcz", "请选择绳芯材料", {"纤维芯", "钢芯"}, QRect(196, 54, 196, 28));
    AddLabel(this, "Label2", "吊点分布：", QRect(16, 94, 176, 24));
    slingList_ =
        addList(this, "ddfb", "请选择吊点分布", {"二点起吊", "四点起吊"}, QRect(196, 92, 196, 28));

    auto *sketch = new SlingSketch(this);
    sketch->setObjectName("Image1");
    sketch->setGeometry(16, 134, 448, 270);

    const int labelX = 484;
    const int fieldX = 566;
    AddLabel(this, ArrayName("Label5", 0), "H（m）：", QRect(labelX, 18, 82, 24));
    heightField_ = AddField(this, "Text1", QRect(fieldX, 16, 150, 28));
    AddLabel(this, ArrayName("Label5", 1), "L（m）：", QRect(labelX, 56, 82, 24));
    spreadField_ = AddField(this, "Text2", QRect(fieldX, 54, 150, 28));
    AddLabel(this, ArrayName("Label5", 2), "B（m）：", QRect(labelX, 94, 82, 24));
    widthField_ = AddField(this, "Text3", QRect(fieldX, 92, 150, 28));
    AddLabel(this, ArrayName("Label5", 6), "载荷重：", QRect(labelX, 132, 82, 24));
    loadField_ = AddField(this, "Text5", QRect(fieldX, 130, 150, 28));
    AddLabel(this, ArrayName("Label5", 7), "t", QRect(fieldX + 156, 132, 20, 24));

    calculateButton_ = runtime::AddButton(this, "Command1", "计算", QRect(fieldX, 172, 110, 34));

    AddLabel(this, ArrayName("Label4", 0), "钢丝绳直径（mm）：", QRect(labelX, 224, 156, 24));
    diameterField_ = addResultField(this, "Text4", QRect(labelX + 158, 222, 100, 28));
    AddLabel(this, ArrayName("Label4", 5), "卸扣型号：", QRect(labelX, 262, 156, 24));
    shackleField_ = addResultField(this, "Text6", QRect(labelX + 90, 260, 168, 28));

    const QStringList note{"若无，按系列往高级选用", "GB3811以M6运动绳选用，",
                           "可据经验相应调整。仅供", "参考，不对实际操作负责。"};
    for (int line = 0; line < note.size(); ++line)
        AddLabel(this, ArrayName("Label4", line + 1), note[line],
                 QRect(labelX, 300 + 24 * line, 260, 22));
}

void RopeSelectionWindow::createConnections() {
    runtime::OnClick(calculateButton_, [this] { calculate(); });
}

void RopeSelectionWindow::calculate() {
    lift_.hookHeight = runtime::ReadNumber(FromQt(heightField_->text()));
    lift_.spread = runtime::ReadNumber(FromQt(spreadField_->text()));
    lift_.width = runtime::ReadNumber(FromQt(widthField_->text()));
    lift_.load = runtime::ReadNumber(FromQt(loadField_->text()));
    lift_.strength = strengthList_->currentIndex();
    lift_.core = coreList_->currentIndex();
    lift_.arrangement = slingList_->currentIndex();

    for (const std::string &advice : Advice(lift_))
        runtime::ShowMessage(ToQt(advice));

    // A step that cannot be computed stops the click with its cause before either result is
    // written, so the diameter and shackle already on the window stay as they were.
    SelectRope(lift_, selection_);

    diameterField_->setText(
        selection_.ropeDiameter ? ToQt(runtime::NumberText(*selection_.ropeDiameter)) : QString());
    if (selection_.shackleTooLarge)
        runtime::ShowMessage(ToQt(ShackleTooLargeMessage));
    shackleField_->setText(ToQt(selection_.shackle));
}

} // namespace hoistrope
