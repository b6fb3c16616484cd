#include "shapepickerdlg.h"

#include "currentsection.h"
#include "formwidgets.h"
#include "inputdialogs.h"
#include "resourceids.h"
#include "sectionpictures.h"
#include "sectionproperties.h"

#include <QPainter>

#include <memory>

namespace fenwold {

PictureButton::PictureButton(int id, const QString &text, QWidget *parent)
    : QAbstractButton(parent) {
    setObjectName(QString::number(id));
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::LoadBitmaps(const QPixmap &up, const QPixmap &down) {
    up_ = up;
    down_ = down;
    setFixedSize(up_.deviceIndependentSize().toSize());
}

QSize PictureButton::sizeHint() const {
    return up_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, isDown() ? down_ : up_);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

CShapePickerDlg::CShapePickerDlg() : QDialog(nullptr) {
    setObjectName(QStringLiteral("CShapePickerDlg"));
    setWindowTitle(QStringLiteral("fenwold计算程序"));
    setFont(runtime::FormFont(QStringLiteral("宋体"), 9));
    setModal(true);
    OnInitDialog();
}

void CShapePickerDlg::OnInitDialog() {
    constexpr int gap = 8;
    const qreal ratio = devicePixelRatioF();
    for (int index = 0; index < 8; ++index) {
        const int shape = index + 1;
        auto *button =
            new PictureButton(ChooserButtonIds[index], QStringLiteral("Button%1").arg(shape), this);
        button->LoadBitmaps(ButtonPicture(shape, false, ratio), ButtonPicture(shape, true, ratio));
        button->move(gap + (index % 4) * (ButtonPictureSize + gap),
                     gap + (index / 4) * (ButtonPictureSize + gap));
        connect(button, &QAbstractButton::clicked, this, [this, shape] { OnShapeButton(shape); });
    }
    setFixedSize(gap + 4 * (ButtonPictureSize + gap), gap + 2 * (ButtonPictureSize + gap));
}

void CShapePickerDlg::OnShapeButton(int shape) {
    std::unique_ptr<SectionInputDialog> dialog(CreateInputDialog(shape));
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (accepted)
        sections::ComputeSectionProperties(CurrentSection(), shape, dialog->dimensions());
    done(accepted ? 1 : 0);
}

// Closing the chooser itself, by its close box or Esc, is the engineer's way out of the program.
void CShapePickerDlg::reject() {
    done(IDCANCEL);
}

} // namespace fenwold
