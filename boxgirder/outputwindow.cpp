#include "outputwindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "programend.h"
#include "programicon.h"
#include "resultwindow.h"
#include "sectionpicture.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace elsbrook {

namespace {

struct DimensionField {
    const char *fieldName;
    const char *letter;
    const char *initialText;
};

// H, B, B1, T1, T2, T3 in mm: a 500 mm deep girder of 8 mm flanges and 6 mm webs to start from.
constexpr std::array<DimensionField, 6> dimensionFields = {{{"Texth", "H", "500"},
                                                            {"Textb", "B", "300"},
                                                            {"Textb1", "B1", "250"},
                                                            {"Textt1", "T1", "8"},
                                                            {"Textt2", "T2", "8"},
                                                            {"Textt3", "T3", "6"}}};

} // namespace

OutputWindow::OutputWindow(GirderCalculation &calculation, QWidget *inputWindow)
    : calculation_(calculation), inputWindow_(inputWindow) {
    PrepareFixedWindow(this, QStringLiteral("outputwin"), QStringLiteral("截面几何参数"),
                       QSize(572, 360));
    setFont(runtime::FormFont(QStringLiteral("宋体"), 10.5));
    createWidgets();
    createConnections();

    // Load: the initial dimensions, copied as they are written.
    for (std::size_t i = 0; i < dimensionFields.size(); ++i)
        dimensionFields_[i]->setText(QString::fromUtf8(dimensionFields[i].initialText));
}

OutputWindow::~OutputWindow() {
    delete resultWindow_.data();
}

void OutputWindow::createWidgets() {
    picture_ = new SectionPicture(this);
    picture_->setGeometry(10, 10, 340, 340);
    const QFont letterFont = runtime::FormFont(QStringLiteral("宋体"), 10.5, true);
    const std::array<QString, DimensionCount> letters = {"H", "B", "B1", "T1", "T2", "T3", "T3"};
    for (int i = 0; i < DimensionCount; ++i) {
        QLabel *label =
            runtime::AddLabel(picture_, runtime::ArrayName("Label7", i), letters[i], QRect());
        label->setFont(letterFont);
        picture_->PlaceLabel(label, static_cast<SectionDimension>(i));
    }

    QGroupBox *frame = runtime::AddFrame(this, "Frame1", "截面参数", QRect(362, 6, 200, 256));
    for (std::size_t i = 0; i < dimensionFields.size(); ++i) {
        const int top = 30 + static_cast<int>(i) * 36;
        QLabel *letter =
            runtime::AddLabel(frame, QStringLiteral("Label%1").arg(i + 1),
                              QString::fromUtf8(dimensionFields[i].letter), QRect(16, top, 40, 26));
        letter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        dimensionFields_[i] = runtime::AddField(
            frame, QString::fromUtf8(dimensionFields[i].fieldName), QRect(66, top, 116, 26));
    }

    const QFont buttonFont = runtime::FormFont(QStringLiteral("幼圆"), 11);
    checkButton_ = runtime::AddButton(this, "xyjs", "校验计算", QRect(372, 272, 180, 34));
    reenterButton_ = runtime::AddButton(this, "tjcs", "条件重输", QRect(372, 314, 180, 34));
    checkButton_->setFont(buttonFont);
    reenterButton_->setFont(buttonFont);
}

void OutputWindow::createConnections() {
    for (std::size_t i = 0; i < dimensionFields_.size(); ++i)
        connect(dimensionFields_[i], &QLineEdit::textChanged, this,
                [this, i](const QString &text) { dimensionTexts_[i] = text; });
    runtime::OnClick(checkButton_, [this] { check(); });
    runtime::OnClick(reenterButton_, [this] { reenterConditions(); });
}

void OutputWindow::check() {
    using runtime::FromQt;
    const auto &t = dimensionTexts_;
    calculation_.ComputeSection(FromQt(t[0]), FromQt(t[1]), FromQt(t[2]), FromQt(t[3]),
                                FromQt(t[4]), FromQt(t[5]));
    calculation_.ComputeDeflection();

    // The result window is built afresh for every check.
    delete resultWindow_.data();
    resultWindow_ = new ResultWindow(calculation_, this);
    resultWindow_->show();
}

void OutputWindow::reenterConditions() {
    hide();
    inputWindow_->show();
}

void OutputWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    EndProgram();
}

} // namespace elsbrook
