#include "form1.h"

#include "balancesearch.h"
#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "numbers.h"
#include "reevingpicture.h"
#include "runtimeerror.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace sheave {
namespace {

using runtime::FormColor;

const QColor choiceGreen = FormColor(128, 255, 128);
const QColor optionCyan = FormColor(128, 255, 255);
const QColor groupBlue = FormColor(128, 128, 255);
const QColor inputPaleBlue = FormColor(192, 192, 255);
const QColor labelGreen = FormColor(128, 255, 128);

constexpr int pictureLeft = 684;
constexpr int pictureTop = 12;
constexpr int pictureWidth = 306;
constexpr int pictureHeight = 372;

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("动滑轮与定滑轮相互尺寸的计算"));
    setFont(runtime::FormFont(QStringLiteral("宋体"), 12));
    setFixedSize(1000, 640);
    createReportBox();
    createChoiceFrame();
    createPictures();
    createInputFrame();
    createButtons();
    createConnections();

    // The window opens on the choice of arrangement, reminding the engineer of the units.
    runtime::ShowMessage(QStringLiteral("注意！本设计中所有长度单位为 mm "), runtime::PlainMessage,
                         QStringLiteral("信息提示"));
}

void Form1::createReportBox() {
    report_ = new QPlainTextEdit(this);
    report_->setObjectName(QStringLiteral("Text13"));
    report_->setGeometry(8, 8, 424, 624);
    report_->setFont(runtime::FormFont(QStringLiteral("宋体"), 10.5));
    report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    runtime::SetForeground(report_, FormColor(0, 0, 255));
}

void Form1::createChoiceFrame() {
    choiceFrame_ = runtime::AddFrame(this, QStringLiteral("Frame2"),
                                     QStringLiteral("选择钢丝绳缠绕方式"), QRect(442, 6, 232, 380));
    runtime::SetBackground(choiceFrame_, choiceGreen);

    struct Group {
        QString name, caption;
        int arrangements[5];
    };
    const Group groups[] = {
        {QStringLiteral("Label11"), QStringLiteral(" 同侧下绳"), {1, 2, 3, 7, 8}},
        {QStringLiteral("Label12"), QStringLiteral(" 异侧下绳"), {4, 5, 6, 9, 10}},
    };
    const QString captions[ArrangementCount] = {
        QStringLiteral("所有动滑轮大小相等"),     QStringLiteral("动滑轮中间有一个小滑轮"),
        QStringLiteral("动滑轮中间有两个大滑轮"), QStringLiteral("所有动滑轮大小相等"),
        QStringLiteral("动滑轮中间有一个小滑轮"), QStringLiteral("动滑轮中间有两个大滑轮"),
        QStringLiteral("带平衡臂动滑轮大小相等"), QStringLiteral("带平衡臂中有两个大滑轮"),
        QStringLiteral("带平衡臂动滑轮大小相等"), QStringLiteral("带平衡臂中有两个大滑轮"),
    };
    int y = 28;
    for (const Group &group : groups) {
        QLabel *label =
            runtime::AddLabel(choiceFrame_, group.name, group.caption, QRect(10, y, 212, 22));
        runtime::SetBackground(label, groupBlue);
        y += 26;
        for (const int k : group.arrangements) {
            QRadioButton *option =
                runtime::AddOption(choiceFrame_, QStringLiteral("Option%1").arg(k), captions[k - 1],
                                   QRect(10, y, 212, 22));
            runtime::SetBackground(option, optionCyan);
            // Moving the mouse over an option shows its sketch.
            option->setMouseTracking(true);
            option->installEventFilter(this);
            options_[static_cast<std::size_t>(k - 1)] = option;
            y += 24;
        }
        y += 8;
    }
    options_[0]->setChecked(true);

    confirmButton_ = runtime::AddButton(choiceFrame_, QStringLiteral("Command3"),
                                        QStringLiteral("确定"), QRect(66, 332, 100, 34));
}

void Form1::createPictures() {
    // All ten sketches lie at one place; until the first choice the one of the preset option
    // is in front.
    for (int k = ArrangementCount; k >= 1; --k) {
        auto *picture = new ReevingPicture(k, this);
        picture->setGeometry(pictureLeft, pictureTop, pictureWidth, pictureHeight);
        pictures_[static_cast<std::size_t>(k - 1)] = picture;
    }
}

void Form1::createInputFrame() {
    inputFrame_ = runtime::AddFrame(this, QStringLiteral("Frame1"), QStringLiteral("计算"),
                                    QRect(442, 392, 392, 240));
    runtime::SetBackground(inputFrame_, inputPaleBlue);
    // While locked the dimensions stay readable: the engineer checks them before confirming.
    QPalette locked = inputFrame_->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        locked.setColor(QPalette::Disabled, role, FormColor(72, 72, 72));
    inputFrame_->setPalette(locked);
    inputFrame_->setEnabled(false);

    struct Row {
        QString label, caption;
        int field;
        QString text;
    };
    const Row left[] = {
        {QStringLiteral("Label1"), QStringLiteral("起升高度H"), 1, QStringLiteral("34000")},
        {QStringLiteral("Label2"), QStringLiteral("上极限h0"), 2, QStringLiteral("2884")},
        {QStringLiteral("Label3"), QStringLiteral("   l0"), 3, QStringLiteral("1565")},
        {QStringLiteral("Label4"), QStringLiteral("    h"), 4, QStringLiteral("0")},
        {QStringLiteral("Label5"), QStringLiteral("   R0"), 5, QStringLiteral("800")},
        {QStringLiteral("Label14"), QStringLiteral("   l1"), 12, QStringLiteral("2068")},
    };
    const Row right[] = {
        {QStringLiteral("Label6"), QStringLiteral("   R1"), 6, QStringLiteral("450")},
        {QStringLiteral("Label7"), QStringLiteral("   R2"), 7, QStringLiteral("450")},
        {QStringLiteral("Label8"), QStringLiteral("小滑轮R3"), 8, QStringLiteral("300")},
        {QStringLiteral("Label9"), QStringLiteral("大滑轮R4"), 9, QStringLiteral("560")},
        {QStringLiteral("Label10"), QStringLiteral("滑轮倍率n"), 10, QStringLiteral("6")},
        {QStringLiteral("Label13"), QStringLiteral("   h1"), 11, QStringLiteral("625")},
    };
    const auto addColumn = [this](const Row(&rows)[6], int x) {
        int y = 26;
        for (const Row &row : rows) {
            QLabel *label =
                runtime::AddLabel(inputFrame_, row.label, row.caption, QRect(x, y, 96, 24));
            label->setTextFormat(Qt::PlainText);
            runtime::SetBackground(label, labelGreen);
            QLineEdit *field =
                runtime::AddField(inputFrame_, QStringLiteral("Text%1").arg(row.field),
                                  QRect(x + 100, y, 82, 24), row.text);
            runtime::SetBackground(field, Qt::white);
            fields_[static_cast<std::size_t>(row.field - 1)] = field;
            y += 29;
        }
    };
    addColumn(left, 10);
    addColumn(right, 200);

    const auto find = [this](const char *name) {
        return inputFrame_->findChild<QWidget *>(QString::fromLatin1(name));
    };
    smallSheaveRow_ = {find("Label8"), find("Text8")};
    largeSheaveRow_ = {find("Label9"), find("Text9")};
    balanceArmRows_ = {find("Label13"), find("Text11"), find("Label14"), find("Text12")};

    calculateButton_ = runtime::AddButton(inputFrame_, QStringLiteral("Command1"),
                                          QStringLiteral("计算"), QRect(146, 202, 100, 30));
    calculateButton_->hide();
}

void Form1::createButtons() {
    againButton_ = runtime::AddButton(this, QStringLiteral("Command4"), QStringLiteral("重算"),
                                      QRect(854, 446, 130, 40));
    againButton_->hide();
    exitButton_ = runtime::AddButton(this, QStringLiteral("Command2"), QStringLiteral("退出"),
                                     QRect(854, 560, 130, 40));
}

void Form1::createConnections() {
    runtime::OnClick(confirmButton_, [this] { confirmChoice(); });
    runtime::OnClick(calculateButton_, [this] { calculate(); });
    runtime::OnClick(againButton_, [this] { startAgain(); });
    runtime::OnClick(exitButton_, [this] { close(); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseMove) {
        for (int k = 1; k <= ArrangementCount; ++k) {
            QRadioButton *option = options_[static_cast<std::size_t>(k - 1)];
            // A disabled option takes no mouse movement, as the window shows it greyed.
            if (watched == option && option->isEnabled())
                showOnlyPicture(k);
        }
    }
    return QWidget::eventFilter(watched, event);
}

int Form1::chosenArrangement() const {
    for (int k = 1; k <= ArrangementCount; ++k)
        if (options_[static_cast<std::size_t>(k - 1)]->isChecked())
            return k;
    return 0;
}

void Form1::showOnlyPicture(int arrangement) {
    for (ReevingPicture *picture : pictures_)
        picture->setVisible(picture->arrangement() == arrangement);
}

void Form1::showInputRows(int arrangement) {
    for (QWidget *control : smallSheaveRow_)
        control->setVisible(UsesSmallSheave(arrangement));
    for (QWidget *control : largeSheaveRow_)
        control->setVisible(UsesLargeSheave(arrangement));
    for (QWidget *control : balanceArmRows_)
        control->setVisible(UsesBalanceArm(arrangement));
}

void Form1::setOptionsEnabled(bool enabled) {
    for (QRadioButton *option : options_)
        option->setEnabled(enabled);
}

// 确定: Choosing → Entering.
void Form1::confirmChoice() {
    if (const int arrangement = chosenArrangement()) {
        showInputRows(arrangement);
        showOnlyPicture(arrangement);
    }
    confirmButton_->hide();
    calculateButton_->show();
    inputFrame_->setEnabled(true);
    setOptionsEnabled(false);
}

// A field whose number lies beyond the range of a double stops the calculation with the name
// of the dimension, as the engineer knows it from its label.
double Form1::readField(int number) const {
    static const char *const names[] = {"起升高度H", "上极限h0",  "l0", "h",
                                        "R0",        "R1",        "R2", "小滑轮R3",
                                        "大滑轮R4",  "滑轮倍率n", "h1", "l1"};
    const auto index = static_cast<std::size_t>(number - 1);
    try {
        return runtime::ReadNumber(runtime::FromQt(fields_[index]->text()));
    } catch (const runtime::RuntimeError &error) {
        throw runtime::RuntimeError(error.kind(), std::string(names[index]) +
                                                      " 的数值过大，超出计算范围（" + error.what() +
                                                      "）");
    }
}

// 计算: Entering → Reported. A step that cannot be computed stops the report with its cause;
// the lines written before it stay, and the window still moves on so that 重算 is offered.
void Form1::calculate() {
    std::string lines;
    try {
        layout_.pi = 3.1415926;
        const double H = readField(1);
        layout_.h0 = readField(2);
        layout_.l0 = readField(3);
        layout_.h = readField(4);
        layout_.R0 = readField(5);
        layout_.R1 = readField(6);
        layout_.R2 = readField(7);
        layout_.R3 = readField(8);
        layout_.R4 = readField(9);
        layout_.n = readField(10);
        layout_.h1 = readField(11);
        layout_.l1 = readField(12);
        WriteReport(layout_, H, chosenArrangement(),
                    [&lines](const std::string &line) { lines += line; });
    } catch (...) {
        appendToReport(lines);
        enterReported();
        throw;
    }
    appendToReport(lines);
    enterReported();
}

void Form1::enterReported() {
    inputFrame_->setEnabled(false);
    calculateButton_->hide();
    againButton_->show();
}

// Each report line opens with a line feed and closes with a carriage return; the box breaks
// the line at the line feed and has no use for the carriage return.
void Form1::appendToReport(const std::string &lines) {
    if (lines.empty())
        return;
    QString text = runtime::ToQt(lines);
    text.remove(QLatin1Char('\r'));
    QTextCursor end(report_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

// 重算: Reported → Choosing. The rows and the sketch stay as the last choice left them.
void Form1::startAgain() {
    report_->clear();
    confirmButton_->show();
    againButton_->hide();
    setOptionsEnabled(true);
}

} // namespace sheave
