#include "sectionsketch.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace girder {
namespace {

const QColor plateFill(200, 200, 200);
const QColor dimensionColor(0, 0, 160);
const QColor centroidColor(200, 0, 0);
constexpr double arrowLength = 5;
constexpr double arrowHalfWidth = 1.8;
constexpr double letterHeight = 11;

void drawArrowHead(QPainter &painter, const QPointF &tip, const QPointF &towards) {
    const QPointF direction = towards - tip;
    const double length = std::hypot(direction.x(), direction.y());
    if (length == 0)
        return;
    const QPointF along = direction / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip + along * arrowLength;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + across * arrowHalfWidth);
    head.lineTo(base - across * arrowHalfWidth);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

} // namespace

SectionSketch::SectionSketch(const QString &name, const QSizeF &drawingSize, QWidget *parent)
    : QWidget(parent), drawingSize_(drawingSize) {
    setObjectName(name);
}

void SectionSketch::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    // Fit the drawing into the widget, keeping its proportions, centred.
    const double scale = std::min(width() / drawingSize_.width(), height() / drawingSize_.height());
    painter.translate((width() - drawingSize_.width() * scale) / 2,
                      (height() - drawingSize_.height() * scale) / 2);
    painter.scale(scale, scale);
    drawSection(painter);
}

void SectionSketch::drawPlate(QPainter &painter, const QRectF &plate) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(plateFill);
    painter.drawRect(plate);
}

void SectionSketch::drawDimension(QPainter &painter, const QPointF &from, const QPointF &to,
                                  const QString &letter, const QPointF &letterOffset) {
    painter.setPen(QPen(dimensionColor, 0.7));
    painter.drawLine(from, to);
    drawArrowHead(painter, from, to);
    drawArrowHead(painter, to, from);
    drawLetter(painter, (from + to) / 2 + letterOffset, letter);
}

void SectionSketch::drawExtension(QPainter &painter, const QPointF &from, const QPointF &to) {
    painter.setPen(QPen(dimensionColor, 0.5, Qt::DotLine));
    painter.drawLine(from, to);
}

void SectionSketch::drawLetter(QPainter &painter, const QPointF &centre, const QString &letter) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    font.setPixelSize(static_cast<int>(letterHeight));
    painter.setFont(font);
    painter.setPen(dimensionColor);
    const QRectF box(centre.x() - 20, centre.y() - letterHeight / 2 - 1, 40, letterHeight + 2);
    painter.drawText(box, Qt::AlignCenter, letter);
}

void SectionSketch::drawLeader(QPainter &painter, const QPointF &letterAt, const QPointF &pointAt,
                               const QString &letter) {
    painter.setPen(QPen(dimensionColor, 0.6));
    painter.drawLine(letterAt, pointAt);
    drawArrowHead(painter, pointAt, letterAt);
    const double side = letterAt.x() < pointAt.x() ? -9 : 9;
    drawLetter(painter, letterAt + QPointF(side, 0), letter);
}

void SectionSketch::drawCentroidLine(QPainter &painter, double left, double right, double y) {
    QPen pen(centroidColor, 0.7, Qt::DashDotLine);
    painter.setPen(pen);
    painter.drawLine(QPointF(left, y), QPointF(right, y));
}

BoxSectionSketch::BoxSectionSketch(QWidget *parent)
    : SectionSketch(QStringLiteral("Image1"), QSizeF(230, 372), parent) {}

void BoxSectionSketch::drawSection(QPainter &painter) const {
    // Plates, in drawing units: top flange, two webs between the flanges, bottom flange.
    const QRectF topFlange(45, 56, 140, 10);
    const QRectF leftWeb(78, 66, 8, 240);
    const QRectF rightWeb(144, 66, 8, 240);
    const QRectF bottomFlange(55, 306, 120, 10);
    for (const QRectF &plate : {topFlange, bottomFlange, leftWeb, rightWeb})
        drawPlate(painter, plate);

    // B1 over the top flange.
    drawExtension(painter, topFlange.topLeft(), QPointF(topFlange.left(), 34));
    drawExtension(painter, topFlange.topRight(), QPointF(topFlange.right(), 34));
    drawDimension(painter, QPointF(topFlange.left(), 38), QPointF(topFlange.right(), 38),
                  QStringLiteral("B1"), QPointF(0, -8));

    // t1 beside the top flange.
    drawExtension(painter, topFlange.topRight(), QPointF(200, topFlange.top()));
    drawExtension(painter, topFlange.bottomRight(), QPointF(200, topFlange.bottom()));
    drawDimension(painter, QPointF(196, topFlange.top()), QPointF(196, topFlange.bottom()),
                  QStringLiteral("t1"), QPointF(14, 0));

    // H, the web height between the flanges, on the left.
    drawExtension(painter, leftWeb.topLeft(), QPointF(22, leftWeb.top()));
    drawExtension(painter, leftWeb.bottomLeft(), QPointF(22, leftWeb.bottom()));
    drawDimension(painter, QPointF(26, leftWeb.top()), QPointF(26, leftWeb.bottom()),
                  QStringLiteral("H"), QPointF(-10, 0));

    // B3, the clear distance between the webs.
    drawDimension(painter, QPointF(leftWeb.right(), 120), QPointF(rightWeb.left(), 120),
                  QStringLiteral("B3"), QPointF(0, -8));

    // t3 points at the left web.
    drawLeader(painter, QPointF(50, 262), QPointF(leftWeb.left(), 252), QStringLiteral("t3"));

    // t2 beside the bottom flange.
    drawExtension(painter, bottomFlange.topRight(), QPointF(190, bottomFlange.top()));
    drawExtension(painter, bottomFlange.bottomRight(), QPointF(190, bottomFlange.bottom()));
    drawDimension(painter, QPointF(186, bottomFlange.top()), QPointF(186, bottomFlange.bottom()),
                  QStringLiteral("t2"), QPointF(-10, -12));

    // B2 under the bottom flange.
    drawExtension(painter, bottomFlange.bottomLeft(), QPointF(bottomFlange.left(), 346));
    drawExtension(painter, bottomFlange.bottomRight(), QPointF(bottomFlange.right(), 346));
    drawDimension(painter, QPointF(bottomFlange.left(), 342), QPointF(bottomFlange.right(), 342),
                  QStringLiteral("B2"), QPointF(0, 10));

    // Yc, the centroid height above the underside of the bottom flange.
    const double centroidY = 190;
    drawCentroidLine(painter, 35, 222, centroidY);
    drawExtension(painter, bottomFlange.bottomRight(), QPointF(218, bottomFlange.bottom()));
    drawDimension(painter, QPointF(212, centroidY), QPointF(212, bottomFlange.bottom()),
                  QStringLiteral("Yc"), QPointF(-10, 0));
}

IBeamSectionSketch::IBeamSectionSketch(QWidget *parent)
    : SectionSketch(QStringLiteral("Image2"), QSizeF(250, 370), parent) {}

void IBeamSectionSketch::drawSection(QPainter &painter) const {
    const double top = 40;
    const double bottom = 340; // underside of the reinforcing plate
    const double left = 45, right = 205;
    const double centre = (left + right) / 2;
    const double plate = 6;             // t1
    const double sidePlateBottom = 130; // top + h1
    const double reinforcing = 10;      // t3
    const double beamFoot = bottom - reinforcing;
    const double beamTop = 205; // beamFoot − h2
    const double flange = 7;
    const double beamHalfWidth = 26; // B / 2
    const double joint = 300;        // beamFoot − h3: where the inclined plates meet the web

    // Top plate between the side plates, the side plates hanging from it.
    drawPlate(painter, QRectF(left + plate, top, right - left - 2 * plate, plate));
    drawPlate(painter, QRectF(left, top, plate, sidePlateBottom - top));
    drawPlate(painter, QRectF(right - plate, top, plate, sidePlateBottom - top));

    // Inclined plates from the side plates down to the I-beam's web.
    const double web = 6;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(200, 200, 200));
    const QPointF leftUpper(left, sidePlateBottom), rightUpper(right, sidePlateBottom);
    const QPointF leftLower(centre - web / 2, joint), rightLower(centre + web / 2, joint);
    painter.drawPolygon(QPolygonF(
        {leftUpper, leftUpper + QPointF(plate, 0), leftLower + QPointF(0, -9), leftLower}));
    painter.drawPolygon(QPolygonF(
        {rightUpper, rightUpper - QPointF(plate, 0), rightLower + QPointF(0, -9), rightLower}));

    // The rolled I-beam on its reinforcing plate.
    drawPlate(painter, QRectF(centre - beamHalfWidth, beamTop, 2 * beamHalfWidth, flange));
    drawPlate(painter,
              QRectF(centre - web / 2, beamTop + flange, web, beamFoot - beamTop - 2 * flange));
    drawPlate(painter,
              QRectF(centre - beamHalfWidth, beamFoot - flange, 2 * beamHalfWidth, flange));
    const QRectF reinforcingPlate(centre - 45, beamFoot, 90, reinforcing);
    drawPlate(painter, reinforcingPlate);

    // L1 over the girder.
    drawExtension(painter, QPointF(left, top), QPointF(left, 18));
    drawExtension(painter, QPointF(right, top), QPointF(right, 18));
    drawDimension(painter, QPointF(left, 22), QPointF(right, 22), QStringLiteral("L1"),
                  QPointF(0, -8));

    // t1 points at the top plate, h1 beside the right side plate.
    drawLeader(painter, QPointF(95, 62), QPointF(100, top + plate), QStringLiteral("t1"));
    drawExtension(painter, QPointF(right, sidePlateBottom), QPointF(224, sidePlateBottom));
    drawExtension(painter, QPointF(right, top), QPointF(224, top));
    drawDimension(painter, QPointF(220, top), QPointF(220, sidePlateBottom), QStringLiteral("h1"),
                  QPointF(11, 0));

    // t2 and L2 on the inclined plates.
    drawLeader(painter, QPointF(55, 190), QPointF(72, 180), QStringLiteral("t2"));
    const QPointF along = rightLower - rightUpper;
    const double length = std::hypot(along.x(), along.y());
    const QPointF outward = QPointF(along.y(), -along.x()) / length * 12;
    drawDimension(painter, rightUpper + outward, rightLower + outward, QStringLiteral("L2"),
                  QPointF(10, 2));

    // H over the whole girder on the left.
    drawExtension(painter, QPointF(left, top), QPointF(16, top));
    drawExtension(painter, reinforcingPlate.bottomLeft(), QPointF(16, bottom));
    drawDimension(painter, QPointF(20, top), QPointF(20, bottom), QStringLiteral("H"),
                  QPointF(-9, 0));

    // h2 and B of the I-beam, h3 where it stands free.
    drawExtension(painter, QPointF(centre + beamHalfWidth, beamTop), QPointF(222, beamTop));
    drawExtension(painter, QPointF(centre + beamHalfWidth, beamFoot), QPointF(222, beamFoot));
    drawDimension(painter, QPointF(218, beamTop), QPointF(218, beamFoot), QStringLiteral("h2"),
                  QPointF(-10, 14));
    drawDimension(painter, QPointF(centre - beamHalfWidth, beamTop - 8),
                  QPointF(centre + beamHalfWidth, beamTop - 8), QStringLiteral("B"),
                  QPointF(0, -8));
    drawExtension(painter, QPointF(centre - web / 2, joint), QPointF(72, joint));
    drawExtension(painter, QPointF(centre - beamHalfWidth, beamFoot), QPointF(72, beamFoot));
    drawDimension(painter, QPointF(76, joint), QPointF(76, beamFoot), QStringLiteral("h3"),
                  QPointF(-11, 0));

    // L3 and t3 of the reinforcing plate.
    drawExtension(painter, reinforcingPlate.bottomLeft(), QPointF(reinforcingPlate.left(), 362));
    drawExtension(painter, reinforcingPlate.bottomRight(), QPointF(reinforcingPlate.right(), 362));
    drawDimension(painter, QPointF(reinforcingPlate.left(), 358),
                  QPointF(reinforcingPlate.right(), 358), QStringLiteral("L3"), QPointF(0, 8));
    drawExtension(painter, reinforcingPlate.topRight(), QPointF(196, beamFoot));
    drawExtension(painter, reinforcingPlate.bottomRight(), QPointF(196, bottom));
    drawDimension(painter, QPointF(192, beamFoot), QPointF(192, bottom), QStringLiteral("t3"),
                  QPointF(10, 0));

    // C, the centroid height above the underside.
    const double centroidY = 215;
    drawCentroidLine(painter, 30, 242, centroidY);
    drawExtension(painter, QPointF(reinforcingPlate.right(), bottom), QPointF(240, bottom));
    drawDimension(painter, QPointF(236, centroidY), QPointF(236, bottom), QStringLiteral("C"),
                  QPointF(-8, 0));
}

} // namespace girder
