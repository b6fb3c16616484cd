#include "slingsketch.h"

#include "formwidgets.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawHook(QPainter &painter, QPointF eye) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(eye + QPointF(0, -12), 4, 4);
    painter.drawLine(eye + QPointF(0, -8), eye);
    QPainterPath hook;
    hook.moveTo(eye);
    hook.arcTo(QRectF(eye.x() - 6, eye.y() - 3, 12, 12), 90, 240);
    painter.drawPath(hook);
    painter.restore();
}

// A dimension line with arrow heads at both ends and its letter beside the middle.
void drawDimension(QPainter &painter, QPointF from, QPointF to, const QString &letter,
                   QPointF letterOffset) {
    painter.save();
    QPen pen(QColor(0, 0, 160), 1);
    painter.setPen(pen);
    painter.drawLine(from, to);
    const QLineF line(from, to);
    for (const auto &[tip, angle] :
         {std::pair{from, line.angle()}, std::pair{to, line.angle() + 180}}) {
        QLineF wing1 = QLineF::fromPolar(7, angle + 20);
        QLineF wing2 = QLineF::fromPolar(7, angle - 20);
        painter.drawLine(tip, tip + QPointF(wing1.dx(), wing1.dy()));
        painter.drawLine(tip, tip + QPointF(wing2.dx(), wing2.dy()));
    }
    QFont font = painter.font();
    font.setItalic(true);
    font.setBold(true);
    painter.setFont(font);
    const QPointF middle = (from + to) / 2 + letterOffset;
    painter.drawText(QRectF(middle.x() - 10, middle.y() - 10, 20, 20), Qt::AlignCenter, letter);
    painter.restore();
}

void drawExtension(QPainter &painter, QPointF from, QPointF to) {
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 160), 1, Qt::DotLine));
    painter.drawLine(from, to);
    painter.restore();
}

} // namespace

namespace hoistrope {

SlingSketch::SlingSketch(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SlingSketch::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(runtime::FormFont(QStringLiteral("宋体"), 12));

    const double w = width();
    const double h = height();
    const QPen ropePen(Qt::black, 1.5);
    const QBrush loadBrush(QColor(200, 200, 200));

    // Two slings: a long load hanging from its two ends.
    {
        const QPointF hook(w * 0.25, h * 0.14);
        const double loadTop = h * 0.70;
        const QPointF leftPoint(w * 0.07, loadTop);
        const QPointF rightPoint(w * 0.43, loadTop);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(loadBrush);
        painter.drawRect(
            QRectF(leftPoint.x() - 4, loadTop, rightPoint.x() - leftPoint.x() + 8, h * 0.09));
        painter.setPen(ropePen);
        painter.drawLine(hook, leftPoint);
        painter.drawLine(hook, rightPoint);
        drawHook(painter, hook);

        const double hLine = w * 0.29;
        drawExtension(painter, hook, QPointF(hLine + 6, hook.y()));
        drawDimension(painter, QPointF(hLine, hook.y()), QPointF(hLine, loadTop), "H",
                      QPointF(12, 0));
        const double lLine = h * 0.90;
        drawExtension(painter, leftPoint, QPointF(leftPoint.x(), lLine + 6));
        drawExtension(painter, rightPoint, QPointF(rightPoint.x(), lLine + 6));
        drawDimension(painter, QPointF(leftPoint.x(), lLine), QPointF(rightPoint.x(), lLine), "L",
                      QPointF(0, -11));
    }

    painter.setPen(QPen(Qt::lightGray, 1, Qt::DashLine));
    painter.drawLine(QPointF(w * 0.5, h * 0.06), QPointF(w * 0.5, h * 0.94));

    // Four slings: a rectangular load seen obliquely, a sling to each corner.
    {
        const QPointF depth(w * 0.06, -h * 0.11); // the width B runs back into the picture
        const QPointF frontLeft(w * 0.60, h * 0.76);
        const QPointF frontRight(w * 0.88, h * 0.76);
        const QPointF backLeft = frontLeft + depth;
        const QPointF backRight = frontRight + depth;
        const QPointF centre = (frontLeft + backRight) / 2;
        const QPointF hook(centre.x(), h * 0.12);
        const double thickness = h * 0.07;

        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(loadBrush);
        const QPointF down(0, thickness);
        painter.drawPolygon(QPolygonF{frontLeft, frontRight, frontRight + down, frontLeft + down});
        painter.setBrush(QColor(225, 225, 225));
        painter.drawPolygon(QPolygonF{frontLeft, backLeft, backRight, frontRight});
        painter.setBrush(QColor(170, 170, 170));
        painter.drawPolygon(QPolygonF{frontRight, backRight, backRight + down, frontRight + down});

        painter.setPen(ropePen);
        for (const QPointF &corner : {backLeft, backRight, frontLeft, frontRight})
            painter.drawLine(hook, corner);
        drawHook(painter, hook);

        // Hook height from the hook down to the plane of the lifting points, dimensioned to
        // the left of the load.
        const double hLine = w * 0.555;
        drawExtension(painter, hook, QPointF(hLine - 6, hook.y()));
        drawExtension(painter, hook, centre);
        drawExtension(painter, centre, QPointF(hLine - 6, centre.y()));
        drawDimension(painter, QPointF(hLine, hook.y()), QPointF(hLine, centre.y()), "H",
                      QPointF(12, 0));

        const double lLine = frontLeft.y() + thickness + h * 0.09;
        drawExtension(painter, frontLeft + down, QPointF(frontLeft.x(), lLine + 6));
        drawExtension(painter, frontRight + down, QPointF(frontRight.x(), lLine + 6));
        drawDimension(painter, QPointF(frontLeft.x(), lLine), QPointF(frontRight.x(), lLine), "L",
                      QPointF(0, -11));

        const QPointF bOffset(w * 0.035, 0);
        drawExtension(painter, frontRight + down * 0.5, frontRight + down * 0.5 + bOffset * 1.3);
        drawExtension(painter, backRight + down * 0.5, backRight + down * 0.5 + bOffset * 1.3);
        drawDimension(painter, frontRight + down * 0.5 + bOffset, backRight + down * 0.5 + bOffset,
                      "B", QPointF(13, 4));
    }
}

} // namespace hoistrope
