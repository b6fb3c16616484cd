#include "lugpicture.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

const QColor DimensionColor(0, 0, 160);
const QColor SectionColor(200, 0, 0);

void drawArrowHead(QPainter &painter, QPointF tip, double towardsAngle) {
    // towardsAngle: direction the arrow points, degrees counter-clockwise from +x.
    const QLineF back1 = QLineF::fromPolar(9, towardsAngle + 180 + 18);
    const QLineF back2 = QLineF::fromPolar(9, towardsAngle + 180 - 18);
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF{tip, tip + QPointF(back1.dx(), back1.dy()),
                                  tip + QPointF(back2.dx(), back2.dy())});
    painter.restore();
}

void drawLabel(QPainter &painter, QPointF centre, const QString &text) {
    painter.drawText(QRectF(centre.x() - 20, centre.y() - 10, 40, 20), Qt::AlignCenter, text);
}

} // namespace

namespace lug {

LugPicture::LugPicture(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LugPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const double w = width();
    const double h = height();
    const double scale = std::min(w / 380, h / 300);
    const double baseY = h * 0.82;
    const double centreX = w * 0.40;
    const QPointF centre(centreX, baseY - 132 * scale);
    const double bigR = 66 * scale;
    const double smallR = 26 * scale;
    const QPointF a1(centreX - 100 * scale, baseY);
    const QPointF b1(centreX + 100 * scale, baseY);

    // The structure the lug is welded to.
    painter.setPen(QPen(Qt::black, 1));
    const double groundLeft = a1.x() - 30 * scale;
    const double groundRight = b1.x() + 30 * scale;
    painter.drawLine(QPointF(groundLeft, baseY), QPointF(groundRight, baseY));
    for (double x = groundLeft; x < groundRight; x += 10 * scale)
        painter.drawLine(QPointF(x + 8 * scale, baseY), QPointF(x, baseY + 8 * scale));

    // The plate: straight sides from the base up to the top arc round the hole.
    QPainterPath plate;
    plate.moveTo(a1);
    plate.lineTo(centre.x() - bigR, centre.y());
    plate.arcTo(QRectF(centre.x() - bigR, centre.y() - bigR, 2 * bigR, 2 * bigR), 180, -180);
    plate.lineTo(b1);
    plate.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, smallR, smallR);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(215, 225, 235));
    painter.drawPath(plate.subtracted(hole));

    // Fillet welds at both sides of the base.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    const double weld = 7 * scale;
    painter.drawPolygon(QPolygonF{a1, a1 - QPointF(weld, 0), a1 + QPointF(weld * 0.3, -weld)});
    painter.drawPolygon(QPolygonF{b1, b1 + QPointF(weld, 0), b1 + QPointF(-weld * 0.3, -weld)});
    painter.setBrush(Qt::NoBrush);

    QFont font = painter.font();
    font.setPointSizeF(9);
    painter.setFont(font);

    // Sections, dash-dotted in red.
    painter.setPen(QPen(SectionColor, 1, Qt::DashDotLine));
    const double sectionReach = 22 * scale;
    painter.drawLine(QPointF(centre.x() - bigR - sectionReach, centre.y()),
                     QPointF(centre.x() + bigR + sectionReach, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - bigR - sectionReach),
                     QPointF(centre.x(), centre.y() - smallR));
    painter.setPen(SectionColor);
    drawLabel(painter, QPointF(centre.x() - bigR - sectionReach - 12 * scale, centre.y() - 12),
              "A2");
    drawLabel(painter, QPointF(centre.x() + bigR + sectionReach + 12 * scale, centre.y() - 12),
              "B2");
    drawLabel(painter,
              QPointF(centre.x() - 18 * scale, centre.y() - bigR - sectionReach + 4 * scale), "A3");
    drawLabel(painter, QPointF(centre.x() - 12 * scale, centre.y() - smallR - 8 * scale), "B3");
    drawLabel(painter, a1 + QPointF(-14 * scale, -12 * scale), "A1");
    drawLabel(painter, b1 + QPointF(16 * scale, -12 * scale), "B1");

    // Radii R and r.
    painter.setPen(QPen(DimensionColor, 1));
    const QLineF bigRadius = QLineF::fromPolar(bigR, 150).translated(centre);
    painter.drawLine(bigRadius);
    drawArrowHead(painter, bigRadius.p2(), 150);
    drawLabel(painter, centre + QPointF(-bigR * 0.52, -bigR * 0.3 - 10 * scale), "R");
    const QLineF smallRadius = QLineF::fromPolar(smallR, 315).translated(centre);
    painter.drawLine(smallRadius);
    drawArrowHead(painter, smallRadius.p2(), 315);
    drawLabel(painter, centre + QPointF(-smallR * 0.4, smallR * 0.35), "r");

    // Base length L.
    const double dimensionY = baseY + 24 * scale;
    painter.drawLine(QPointF(a1.x(), baseY + 3), QPointF(a1.x(), dimensionY + 5));
    painter.drawLine(QPointF(b1.x(), baseY + 3), QPointF(b1.x(), dimensionY + 5));
    painter.drawLine(QPointF(a1.x(), dimensionY), QPointF(b1.x(), dimensionY));
    drawArrowHead(painter, QPointF(a1.x(), dimensionY), 180);
    drawArrowHead(painter, QPointF(b1.x(), dimensionY), 0);
    painter.fillRect(QRectF(centreX - 10, dimensionY - 9, 20, 18), Qt::white);
    drawLabel(painter, QPointF(centreX, dimensionY), "L");

    // The pull F at the angle θ above the horizontal, from the pin in the hole.
    const double theta = 55;
    painter.setPen(QPen(Qt::darkGreen, 1, Qt::DashLine));
    painter.drawLine(centre, centre + QPointF(bigR + 66 * scale, 0));
    painter.setPen(QPen(Qt::darkGreen, 2));
    const QLineF pull = QLineF::fromPolar(bigR + 58 * scale, theta).translated(centre);
    painter.drawLine(pull);
    drawArrowHead(painter, pull.p2(), theta);
    font.setBold(true);
    painter.setFont(font);
    drawLabel(painter, pull.p2() + QPointF(12 * scale, 4 * scale), "F");
    painter.setPen(QPen(Qt::darkGreen, 1));
    const double arcRadius = bigR + 34 * scale;
    painter.drawArc(
        QRectF(centre.x() - arcRadius, centre.y() - arcRadius, 2 * arcRadius, 2 * arcRadius), 0,
        static_cast<int>(theta * 16));
    const double half = theta / 2 * std::numbers::pi / 180;
    drawLabel(painter,
              centre + QPointF(std::cos(half) * (arcRadius + 10 * scale),
                               -std::sin(half) * (arcRadius + 10 * scale)),
              QStringLiteral("θ"));
}

AllowableStressGrid::AllowableStressGrid(QWidget *parent) : QWidget(parent) {}

void AllowableStressGrid::paintEvent(QPaintEvent *) {
    static const QStringList cells{
        "",      "δ≤20", ">20~40", ">40~50", //
        "Q235 ", "170",  "155",    "155",    //
        "Q345",  "240",  "230",    "215",
    };
    constexpr int columns = 4;
    constexpr int rows = 3;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    const double cellWidth = (width() - 1.0) / columns;
    const double cellHeight = (height() - 1.0) / rows;
    for (int row = 0; row <= rows; ++row)
        painter.drawLine(QPointF(0, row * cellHeight), QPointF(width() - 1, row * cellHeight));
    for (int column = 0; column <= columns; ++column)
        painter.drawLine(QPointF(column * cellWidth, 0), QPointF(column * cellWidth, height() - 1));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            painter.drawText(QRectF(column * cellWidth, row * cellHeight, cellWidth, cellHeight),
                             Qt::AlignCenter, cells[row * columns + column]);
}

} // namespace lug
