#include "verticalbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace runtime {

VerticalTextButton::VerticalTextButton(const QString &name, const QString &text,
                                       const QRect &geometry, QWidget *parent)
    : QPushButton(text, parent) {
    setObjectName(name);
    setGeometry(geometry);
}

void VerticalTextButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QFontMetricsF metrics(font());
    const double lineHeight = metrics.height();
    const double blankHeight = lineHeight / 2;
    double captionHeight = 0;
    for (const QChar character : text())
        captionHeight += character.isSpace() ? blankHeight : lineHeight;

    const QPoint shift =
        isDown() ? QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this))
                 : QPoint();
    double y = (height() - captionHeight) / 2 + shift.y();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (const QChar character : text()) {
        if (character.isSpace()) {
            y += blankHeight;
            continue;
        }
        painter.drawText(QRectF(shift.x(), y, width(), lineHeight), Qt::AlignCenter,
                         QString(character));
        y += lineHeight;
    }
}

} // namespace runtime
