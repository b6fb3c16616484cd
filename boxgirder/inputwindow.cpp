#include "inputwindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "infowindow.h"
#include "outputwindow.h"
#include "programend.h"
#include "programicon.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace elsbrook {

using runtime::AddButton;
using runtime::AddField;
using runtime::AddLabel;
using runtime::FormFont;

InputWindow::InputWindow() {
    PrepareFixedWindow(this, QStringLiteral("inputwin"), QStringLiteral("elsbrook"),
                       QSize(440, 300));
    KeepInPlace(this);
    setFont(FormFont(QStringLiteral("宋体"), 10.5));
    createWidgets();
    createConnections();

    // Load: the single-girder crane is the usual case; the duty text as the box shows it.
    singleGirder_->setChecked(true);
    dutyText_ = dutyBox_->currentText();
}

InputWindow::~InputWindow() {
    delete infoWindow_.data();
    delete outputWindow_.data();
}

void InputWindow::createWidgets() {
    QLabel *title = AddLabel(this, "Label1", "elsbrook", QRect(20, 10, 290, 54));
    title->setFont(FormFont(QStringLiteral("隶书"), 28, true));
    title->setAlignment(Qt::AlignCenter);
    runtime::SetForeground(title, runtime::FormColor(0, 0, 128));

    QGroupBox *frame = runtime::AddFrame(this, "Frame1", "条件输入", QRect(20, 70, 290, 214));
    singleGirder_ = runtime::AddOption(frame, "Option1", "单梁", QRect(24, 28, 90, 24));
    doubleGirder_ = runtime::AddOption(frame, "Option2", "双梁", QRect(140, 28, 90, 24));

    const int rowTop = 64, rowStep = 36, rowHeight = 26;
    auto rowRect = [&](int row, int left, int width) {
        return QRect(left, rowTop + row * rowStep, width, rowHeight);
    };
    AddLabel(frame, "Label2", "起重量", rowRect(0, 24, 64));
    liftField_ = AddField(frame, "TextG", rowRect(0, 92, 130));
    AddLabel(frame, "Label5", "吨", rowRect(0, 230, 40));
    AddLabel(frame, "Label8", "小车重", rowRect(1, 24, 64));
    trolleyField_ = AddField(frame, "TextGxc", rowRect(1, 92, 130));
    AddLabel(frame, "Label7", "吨", rowRect(1, 230, 40));
    AddLabel(frame, "Label3", "跨  度", rowRect(2, 24, 64));
    spanField_ = AddField(frame, "TextS", rowRect(2, 92, 130));
    AddLabel(frame, "Label6", "米", rowRect(2, 230, 40));
    AddLabel(frame, "Label4", "工作制", rowRect(3, 24, 64));
    dutyBox_ = runtime::AddCombo(frame, "ComboC", rowRect(3, 92, 130));
    dutyBox_->setEditable(true);
    dutyBox_->setInsertPolicy(QComboBox::NoInsert);
    dutyBox_->addItems({"A2", "A3", "A4", "A5", "A6", "A7"});
    dutyBox_->setCurrentText(QStringLiteral("A3"));

    const QFont buttonFont = FormFont(QStringLiteral("幼圆"), 11);
    beginButton_ = AddButton(this, "begin", "开始", QRect(330, 86, 90, 36));
    exitButton_ = AddButton(this, "exit1", "退出", QRect(330, 150, 90, 36));
    infoButton_ = AddButton(this, "info1", "信息", QRect(330, 214, 90, 36));
    for (QPushButton *button : {beginButton_, exitButton_, infoButton_})
        button->setFont(buttonFont);
}

void InputWindow::createConnections() {
    connect(liftField_, &QLineEdit::textChanged, this, [this](const QString &t) { liftText_ = t; });
    connect(trolleyField_, &QLineEdit::textChanged, this,
            [this](const QString &t) { trolleyText_ = t; });
    connect(spanField_, &QLineEdit::textChanged, this, [this](const QString &t) { spanText_ = t; });
    // Picked from the list or typed: either way the duty text is the one 开始 uses.
    connect(dutyBox_, &QComboBox::currentTextChanged, this,
            [this](const QString &t) { dutyText_ = t; });

    runtime::OnClick(beginButton_, [this] { begin(); });
    runtime::OnClick(exitButton_, [] { EndProgram(); });
    runtime::OnClick(infoButton_, [this] { showInfo(); });
}

void InputWindow::begin() {
    using runtime::FromQt;
    calculation_.StoreCraneData(FromQt(dutyText_), FromQt(liftText_), FromQt(trolleyText_),
                                FromQt(spanText_), singleGirder_->isChecked());
    if (!outputWindow_)
        outputWindow_ = new OutputWindow(calculation_, this);
    outputWindow_->show();
    hide();
}

void InputWindow::showInfo() {
    setEnabled(false);
    if (!infoWindow_)
        infoWindow_ = new InfoWindow(this);
    infoWindow_->show();
    infoWindow_->raise();
    infoWindow_->activateWindow();
}

void InputWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    EndProgram();
}

} // namespace elsbrook
