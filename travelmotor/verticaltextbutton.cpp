#include "verticaltextbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace travelmotor {

VerticalTextButton::VerticalTextButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent) {}

void VerticalTextButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // A blank takes half a line, so two blanks leave the gap of one character.
    const QFontMetricsF metrics(font());
    const double lineHeight = metrics.height();
    double columnHeight = 0;
    for (const QChar character : text())
        columnHeight += character.isSpace() ? lineHeight / 2 : lineHeight;

    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    double top = (height() - columnHeight) / 2;
    for (const QChar character : text()) {
        if (character.isSpace()) {
            top += lineHeight / 2;
            continue;
        }
        painter.drawText(QRectF(0, top, width(), lineHeight), Qt::AlignCenter, character);
        top += lineHeight;
    }
}

} // namespace travelmotor
