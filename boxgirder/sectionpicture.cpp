#include "sectionpicture.h"

#include "formwidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace elsbrook {
namespace {

// The sketch in drawing space: flanges 210 wide, webs set in by 35 from the flange edges.
constexpr double FlangeLeft = 70, FlangeRight = 280;
constexpr double TopFlangeTop = 40, TopFlangeBottom = 54;
constexpr double BottomFlangeTop = 286, BottomFlangeBottom = 300;
constexpr double LeftWebLeft = 105, LeftWebRight = 117;
constexpr double RightWebLeft = 233, RightWebRight = 245;

constexpr double HeightLineX = 35;      // dimension line of H, left of the section
constexpr double WidthLineY = 20;       // dimension line of B, above the section
constexpr double ClearWidthLineY = 170; // dimension line of B1, between the webs
constexpr double FlangeLineX = 305;     // dimension lines of T1 and T2, right of the section
constexpr double WebLineY = 240;        // dimension lines of T3, across the webs

const QColor PlateColor(196, 208, 224);
const QColor DimensionColor(0, 0, 160);

void arrowHead(QPainter &painter, QPointF tip, QPointF from) {
    const QPointF direction = (tip - from) / std::hypot(tip.x() - from.x(), tip.y() - from.y());
    const QPointF normal(-direction.y(), direction.x());
    const double length = 7, halfWidth = 2.5;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - direction * length + normal * halfWidth);
    head.lineTo(tip - direction * length - normal * halfWidth);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// A dimension between a and b with arrows pointing at both ends from inside.
void innerDimension(QPainter &painter, QPointF a, QPointF b) {
    painter.drawLine(a, b);
    arrowHead(painter, a, b);
    arrowHead(painter, b, a);
}

// A dimension of a thin plate: the arrows come from outside and point at the two faces.
void outerDimension(QPainter &painter, QPointF a, QPointF b) {
    const QPointF direction = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF start = a - direction * 18, end = b + direction * 18;
    painter.drawLine(start, end);
    arrowHead(painter, a, start);
    arrowHead(painter, b, end);
}

void drawSketch(QPainter &painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, SectionDrawing::Width, SectionDrawing::Height), Qt::white);

    // The four plates.
    QPen outline(Qt::black, 1.2);
    painter.setPen(outline);
    painter.setBrush(PlateColor);
    const double webTop = TopFlangeBottom, webHeight = BottomFlangeTop - TopFlangeBottom;
    painter.drawRect(
        QRectF(FlangeLeft, TopFlangeTop, FlangeRight - FlangeLeft, TopFlangeBottom - TopFlangeTop));
    painter.drawRect(QRectF(FlangeLeft, BottomFlangeTop, FlangeRight - FlangeLeft,
                            BottomFlangeBottom - BottomFlangeTop));
    painter.drawRect(QRectF(LeftWebLeft, webTop, LeftWebRight - LeftWebLeft, webHeight));
    painter.drawRect(QRectF(RightWebLeft, webTop, RightWebRight - RightWebLeft, webHeight));

    // Axis of symmetry.
    QPen axis(QColor(120, 120, 120), 0.8, Qt::DashDotLine);
    painter.setPen(axis);
    const double middle = (FlangeLeft + FlangeRight) / 2;
    painter.drawLine(QPointF(middle, TopFlangeTop - 8), QPointF(middle, BottomFlangeBottom + 12));

    // Extension lines, thin, then the dimension lines.
    QPen thin(DimensionColor, 0.7);
    painter.setPen(thin);
    painter.setBrush(Qt::NoBrush);
    for (double y : {TopFlangeTop, BottomFlangeBottom})
        painter.drawLine(QPointF(FlangeLeft - 3, y), QPointF(HeightLineX - 4, y));
    for (double x : {FlangeLeft, FlangeRight})
        painter.drawLine(QPointF(x, TopFlangeTop - 3), QPointF(x, WidthLineY - 4));
    for (double y : {TopFlangeTop, TopFlangeBottom, BottomFlangeTop, BottomFlangeBottom})
        painter.drawLine(QPointF(FlangeRight + 3, y), QPointF(FlangeLineX + 4, y));

    QPen dimension(DimensionColor, 0.9);
    painter.setPen(dimension);
    innerDimension(painter, QPointF(HeightLineX, TopFlangeTop),
                   QPointF(HeightLineX, BottomFlangeBottom));
    innerDimension(painter, QPointF(FlangeLeft, WidthLineY), QPointF(FlangeRight, WidthLineY));
    innerDimension(painter, QPointF(LeftWebRight, ClearWidthLineY),
                   QPointF(RightWebLeft, ClearWidthLineY));
    outerDimension(painter, QPointF(FlangeLineX, TopFlangeTop),
                   QPointF(FlangeLineX, TopFlangeBottom));
    outerDimension(painter, QPointF(FlangeLineX, BottomFlangeTop),
                   QPointF(FlangeLineX, BottomFlangeBottom));
    outerDimension(painter, QPointF(LeftWebLeft, WebLineY), QPointF(LeftWebRight, WebLineY));
    outerDimension(painter, QPointF(RightWebLeft, WebLineY), QPointF(RightWebRight, WebLineY));
}

// Maps drawing space into target, proportions kept, centred.
QTransform fitting(const QRectF &target) {
    const double scale =
        std::min(target.width() / SectionDrawing::Width, target.height() / SectionDrawing::Height);
    const double left = target.left() + (target.width() - SectionDrawing::Width * scale) / 2;
    const double top = target.top() + (target.height() - SectionDrawing::Height * scale) / 2;
    return QTransform(scale, 0, 0, scale, left, top);
}

} // namespace

void SectionDrawing::Draw(QPainter &painter, const QRectF &target) {
    painter.save();
    painter.setTransform(fitting(target), true);
    drawSketch(painter);
    painter.restore();
}

void SectionDrawing::DrawWithTexts(QPainter &painter, const QRectF &target,
                                   const std::array<QString, DimensionCount> &texts) {
    Draw(painter, target);
    painter.save();
    painter.setTransform(fitting(target), true);
    painter.setPen(Qt::black);
    for (int i = 0; i < DimensionCount; ++i) {
        const QSizeF size = painter.fontMetrics().size(Qt::TextSingleLine, texts[i]);
        const QRectF place = TextPlace(static_cast<SectionDimension>(i), size + QSizeF(6, 2));
        painter.fillRect(place, Qt::white);
        painter.drawText(place, Qt::AlignCenter, texts[i]);
    }
    painter.restore();
}

QRectF SectionDrawing::TextPlace(SectionDimension dimension, const QSizeF &size) {
    const double w = size.width(), h = size.height();
    // Texts of the long dimensions sit on their lines and break them; the thicknesses are
    // written beside their short lines.
    switch (dimension) {
    case DimH:
        return QRectF(HeightLineX - w / 2, (TopFlangeTop + BottomFlangeBottom) / 2 - h / 2, w, h);
    case DimB:
        return QRectF((FlangeLeft + FlangeRight) / 2 - w / 2, WidthLineY - h / 2, w, h);
    case DimB1:
        return QRectF((LeftWebRight + RightWebLeft) / 2 - w / 2, ClearWidthLineY - h / 2, w, h);
    case DimT1:
        return QRectF(FlangeLineX + 4, (TopFlangeTop + TopFlangeBottom) / 2 - h / 2, w, h);
    case DimT2:
        return QRectF(FlangeLineX + 4, (BottomFlangeTop + BottomFlangeBottom) / 2 - h / 2, w, h);
    case DimT3Left:
        return QRectF(LeftWebLeft - 20 - w, WebLineY - h / 2, w, h);
    case DimT3Right:
        return QRectF(RightWebRight + 20, WebLineY - h / 2, w, h);
    case DimensionCount:
        break;
    }
    return {};
}

SectionPicture::SectionPicture(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PicOutput"));
    runtime::SetBackground(this, Qt::white);
}

void SectionPicture::PlaceLabel(QLabel *label, SectionDimension dimension) const {
    label->setAlignment(Qt::AlignCenter);
    runtime::SetBackground(label, Qt::white);
    const QTransform toWidget = fitting(QRectF(rect()));
    const QSizeF size = QSizeF(label->sizeHint() + QSize(4, 0)) / toWidget.m11();
    label->setGeometry(
        toWidget.mapRect(SectionDrawing::TextPlace(dimension, size)).toAlignedRect());
    label->raise();
}

void SectionPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    SectionDrawing::Draw(painter, QRectF(rect()));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace elsbrook
