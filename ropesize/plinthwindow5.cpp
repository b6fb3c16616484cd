#include "plinthwindow5.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "stringtable.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <exception>

namespace ropesize {
namespace {

const QString ProgramTitle = QStringLiteral("ibbrin");
constexpr int GradeShownAtStart = 2;        // "150"
constexpr int ConstructionShownAtStart = 0; // "6×19"

// Columns and rows of the three frames: labels on the left, fields on the right.
constexpr int FrameWidth = 400;
constexpr int FrameHeight = 84;
constexpr int LabelX = 12;
constexpr int LabelWidth = 246;
constexpr int FieldX = 262;
constexpr int FieldWidth = 124;
constexpr int FirstRowY = 22;
constexpr int SecondRowY = 52;
constexpr int RowHeight = 22;

QComboBox *addChoiceList(QWidget *frame, const QString &name, int y,
                         const std::initializer_list<std::string_view> &items) {
    QComboBox *list = runtime::AddCombo(frame, name, QRect(FieldX, y, FieldWidth, RowHeight));
    list->setEditable(true);
    // The lists offer fixed values: typing must neither add an item nor complete one.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    for (std::string_view item : items)
        list->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    return list;
}

QLabel *addRowLabel(QWidget *frame, const QString &name, const QString &text, int y,
                    QWidget *buddy = nullptr) {
    QLabel *label = runtime::AddLabel(frame, name, text, QRect(LabelX, y, LabelWidth, RowHeight));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

bool openInBrowser(const QUrl &page) {
    return QDesktopServices::openUrl(page);
}

} // namespace

PlinthWindow5::PlinthWindow5(QWidget *parent)
    // A fixed dialog border with a close button only: no minimise, no maximise, no task bar.
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      pageOpener_(openInBrowser), supportPage_(InstalledSupportPage()) {
    setObjectName(QStringLiteral("PlinthWindow5"));
    setWindowTitle(ProgramTitle);
    createWidgets();
    createConnections();
    load();
}

QString PlinthWindow5::InstalledSupportPage() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/cranecalc/ibbrin/index.html"));
}

void PlinthWindow5::createWidgets() {
    using runtime::AddField;
    using runtime::AddFrame;
    using runtime::ArrayName;

    QGroupBox *inputFrame = AddFrame(this, ArrayName("Frame3", 0), QStringLiteral("原始数据"),
                                     QRect(10, 8, FrameWidth, FrameHeight));
    forceField_ =
        AddField(inputFrame, ArrayName("NT", 0), QRect(FieldX, FirstRowY, FieldWidth, RowHeight));
    factorField_ =
        AddField(inputFrame, ArrayName("NT", 1), QRect(FieldX, SecondRowY, FieldWidth, RowHeight));
    addRowLabel(inputFrame, ArrayName("Label1", 0), QStringLiteral("&A.钢丝绳受力(单位:吨力)："),
                FirstRowY, forceField_);
    addRowLabel(inputFrame, ArrayName("Label2", 0), QStringLiteral("&B.安全系数 ："), SecondRowY,
                factorField_);

    QGroupBox *ropeFrame = AddFrame(this, QStringLiteral("Frame4"), QStringLiteral("运输工况"),
                                    QRect(10, 100, FrameWidth, FrameHeight));
    gradeList_ = addChoiceList(ropeFrame, QStringLiteral("ComS"), FirstRowY,
                               {"130", "140", "150", "160", "170", "180", "190", "200"});
    constructionList_ = addChoiceList(ropeFrame, QStringLiteral("ComT"), SecondRowY,
                                      {"6×19", "6×37", "8×19", "8×37"});
    addRowLabel(ropeFrame, QStringLiteral("Label4"),
                QStringLiteral("&C.钢丝绳强度等级(公斤/平方毫米 ):"), FirstRowY, gradeList_);
    addRowLabel(ropeFrame, QStringLiteral("Label5"), QStringLiteral("&D.钢丝绳型号:"), SecondRowY,
                constructionList_);

    QGroupBox *resultFrame = AddFrame(this, ArrayName("Frame3", 1), QStringLiteral("原始数据"),
                                      QRect(10, 192, FrameWidth, FrameHeight));
    addRowLabel(resultFrame, ArrayName("Label1", 1), QStringLiteral("钢丝绳直径(单位:毫米)："),
                FirstRowY);
    addRowLabel(resultFrame, ArrayName("Label2", 1), QStringLiteral("强度裕度(单位:%)："),
                SecondRowY);
    diameterField_ = AddField(resultFrame, QStringLiteral("dia"),
                              QRect(FieldX, FirstRowY, FieldWidth, RowHeight));
    marginField_ = AddField(resultFrame, QStringLiteral("mor"),
                            QRect(FieldX, SecondRowY, FieldWidth, RowHeight));
    diameterField_->setReadOnly(true);
    marginField_->setReadOnly(true);

    calculateButton_ = runtime::AddButton(this, QStringLiteral("cacu"), QStringLiteral("计算(&E)"),
                                          QRect(60, 290, 120, 28));
    supportButton_ = runtime::AddButton(this, QStringLiteral("Command1"),
                                        QStringLiteral("技术支持(&T)"), QRect(240, 290, 120, 28));

    setFixedSize(420, 330);
}

void PlinthWindow5::createConnections() {
    runtime::OnClick(calculateButton_, [this] { calculate(); });
    runtime::OnClick(supportButton_, [this] { openSupportPage(); });

    // The lists refuse a typed value when the focus leaves them; the controls that could take
    // the focus away are watched so that the refused move does not act.
    for (QComboBox *list : {gradeList_, constructionList_}) {
        list->installEventFilter(this);
        list->lineEdit()->installEventFilter(this);
    }
    for (QWidget *control :
         std::initializer_list<QWidget *>{forceField_, factorField_, diameterField_, marginField_,
                                          calculateButton_, supportButton_})
        control->installEventFilter(this);
}

void PlinthWindow5::load() {
    try {
        values_.noStandardSize = false;
        gradeList_->setCurrentIndex(GradeShownAtStart);
        constructionList_->setCurrentIndex(ConstructionShownAtStart);
    } catch (const std::exception &error) {
        showErrorMessage(QString::fromUtf8(error.what()));
    }
}

void PlinthWindow5::showErrorMessage(const QString &description) {
    runtime::ShowMessage(description, runtime::PlainMessage, ProgramTitle);
}

void PlinthWindow5::calculate() {
    const RopeInputs inputs{runtime::FromQt(forceField_->text()),
                            runtime::FromQt(factorField_->text()),
                            runtime::FromQt(gradeList_->currentText()),
                            runtime::FromQt(constructionList_->currentText())};
    try {
        const RopeResults results = SizeRope(values_, inputs, StringTable::RopeDiameters());
        diameterField_->setText(runtime::ToQt(results.diameter));
        marginField_->setText(runtime::ToQt(results.margin));
    } catch (const std::exception &error) {
        // The margin of the last rope stays for comparison; the diameter would mislead.
        showErrorMessage(QString::fromUtf8(error.what()));
        values_.noStandardSize = false;
        diameterField_->clear();
    }
}

void PlinthWindow5::openSupportPage() {
    const QString page = QDir::toNativeSeparators(supportPage_);
    if (!QFileInfo(supportPage_).isFile()) {
        showErrorMessage(QStringLiteral("找不到技术支持网页：%1").arg(page));
        return;
    }
    if (!pageOpener_ || !pageOpener_(QUrl::fromLocalFile(supportPage_)))
        showErrorMessage(QStringLiteral("无法在浏览器中打开技术支持网页：%1").arg(page));
}

QComboBox *PlinthWindow5::choiceList(QObject *object) const {
    for (QComboBox *list : {gradeList_, constructionList_})
        if (object == list || object == list->lineEdit())
            return list;
    return nullptr;
}

// A typed grade or construction that is not one of the list's items is refused: the engineer
// is told, the list shows its usual choice again and keeps the focus.
bool PlinthWindow5::acceptChoice(QComboBox *list) {
    if (list->findText(list->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return true;
    runtime::ShowMessage(QStringLiteral("不得输入,只供选择!"), runtime::InformationMessage,
                         ProgramTitle);
    list->setCurrentIndex(-1);
    list->setCurrentIndex(list == gradeList_ ? GradeShownAtStart : ConstructionShownAtStart);
    refusedList_ = list;
    QTimer::singleShot(0, list, [this, list] {
        refusedList_ = nullptr;
        list->setFocus(Qt::OtherFocusReason);
    });
    return false;
}

bool PlinthWindow5::acceptFocusedChoice() {
    QComboBox *list = choiceList(QApplication::focusWidget());
    return !list || acceptChoice(list);
}

bool PlinthWindow5::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::FocusOut: {
        QComboBox *list = choiceList(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Opening the list's own drop-down or switching to another program is no move away.
        if (list && !refusedList_ && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason && !list->isAncestorOf(focusWidget()) &&
            focusWidget() != list)
            runtime::RunHandler([&] { acceptChoice(list); });
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (refusedList_ && choiceList(watched) != refusedList_)
            return true;
        break;
    case QEvent::Shortcut:
        // A button's access key clicks it without taking the focus first; the list it would
        // leave is checked here as leaving it by mouse is.
        if (watched == calculateButton_ || watched == supportButton_) {
            bool accepted = true;
            runtime::RunHandler([&] { accepted = acceptFocusedChoice(); });
            if (!accepted)
                return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ropesize
