#include "driveunitpicture.h"

#include "formwidgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace travelmotor {
namespace {

// The drawing is laid out on a 240 × 240 sheet and scaled to the widget, keeping its shape.
constexpr double sheetSize = 240;

const QColor lineColor(30, 30, 60);
const QColor housingColor(214, 222, 232);
const QColor gearColor(250, 236, 180);
const QColor motorColor(196, 212, 236);
const QColor brakeColor(236, 200, 196);
const QColor steelColor(200, 200, 200);
const QColor centreLineColor(160, 40, 40);

QPen outline(double width = 1.2) {
    return QPen(lineColor, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void drawCentreLine(QPainter &painter, QPointF from, QPointF to) {
    painter.save();
    QPen pen(centreLineColor, 0.6, Qt::DashDotLine);
    painter.setPen(pen);
    painter.drawLine(from, to);
    painter.restore();
}

// The rail seen end on under the wheel: head, web and foot.
void drawRail(QPainter &painter) {
    QPainterPath rail;
    rail.addRect(QRectF(36, 212, 28, 9));
    rail.addRect(QRectF(46, 221, 8, 11));
    rail.addRect(QRectF(30, 232, 40, 5));
    painter.setPen(outline());
    painter.setBrush(steelColor);
    painter.drawPath(rail.simplified());
}

// The double-flanged wheel seen edge on, with its axle and outer bearing.
void drawWheel(QPainter &painter) {
    painter.setPen(outline());
    painter.setBrush(steelColor);
    painter.drawRect(QRectF(30, 100, 6, 118));  // inner flange
    painter.drawRect(QRectF(64, 100, 6, 118));  // outer flange
    painter.drawRect(QRectF(36, 108, 28, 104)); // tread
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRect(QRectF(12, 154, 96, 12)); // axle, into the reducer
    painter.setBrush(housingColor);
    painter.drawRect(QRectF(8, 146, 16, 28)); // outer bearing block
    drawCentreLine(painter, QPointF(4, 160), QPointF(150, 160));
}

// One gear of the train seen across its shaft: the tip width as a rectangle with the pitch
// line dashed inside it.
void drawGear(QPainter &painter, double left, double width, double centre, double radius) {
    painter.setPen(outline(1.0));
    painter.setBrush(gearColor);
    painter.drawRect(QRectF(left, centre - radius, width, 2 * radius));
    painter.save();
    painter.setPen(QPen(lineColor, 0.5, Qt::DashLine));
    painter.drawLine(QPointF(left, centre - radius + 3),
                     QPointF(left + width, centre - radius + 3));
    painter.drawLine(QPointF(left, centre + radius - 3),
                     QPointF(left + width, centre + radius - 3));
    painter.restore();
}

// The reducer housing, its front wall cut away: the section of the walls is hatched and the
// three-stage train shows inside, from the motor pinion at the top to the wheel gear below.
void drawReducer(QPainter &painter) {
    const QRectF outer(84, 34, 88, 178);
    const QRectF inner = outer.adjusted(6, 6, -6, -6);
    painter.setPen(outline(1.4));
    painter.setBrush(housingColor);
    painter.drawRoundedRect(outer, 10, 10);
    painter.setBrush(QBrush(lineColor, Qt::BDiagPattern));
    painter.drawRoundedRect(outer, 10, 10);
    painter.setBrush(QColor(248, 248, 250));
    painter.setPen(outline(0.8));
    painter.drawRoundedRect(inner, 6, 6);

    // shafts across the housing
    painter.setPen(outline(0.8));
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRect(QRectF(90, 57, 86, 8));   // input shaft from the motor
    painter.drawRect(QRectF(90, 108, 76, 6));  // intermediate shaft
    painter.drawRect(QRectF(90, 155, 76, 10)); // output hollow shaft on the wheel axle

    drawGear(painter, 146, 16, 61, 14);  // motor pinion
    drawGear(painter, 146, 16, 111, 36); // first wheel
    drawGear(painter, 106, 16, 111, 14); // second pinion
    drawGear(painter, 106, 16, 160, 35); // wheel gear

    drawCentreLine(painter, QPointF(86, 61), QPointF(236, 61));
    drawCentreLine(painter, QPointF(86, 111), QPointF(170, 111));
}

// The motor beside the reducer with its cooling ribs and terminal box, and the brake closing
// its far end.
void drawMotorAndBrake(QPainter &painter) {
    painter.setPen(outline());
    painter.setBrush(motorColor);
    painter.drawRect(QRectF(172, 32, 6, 58));  // flange to the reducer
    painter.drawRect(QRectF(178, 30, 36, 62)); // stator housing
    painter.setPen(outline(0.6));
    for (double x = 183; x < 212; x += 5)
        painter.drawLine(QPointF(x, 33), QPointF(x, 89)); // cooling ribs
    painter.setPen(outline());
    painter.setBrush(motorColor.darker(112));
    painter.drawRect(QRectF(186, 20, 20, 10)); // terminal box
    painter.setBrush(brakeColor);
    painter.drawRoundedRect(QRectF(214, 38, 20, 46), 4, 4); // brake housing
    painter.setPen(outline(0.6));
    painter.drawLine(QPointF(220, 38), QPointF(220, 84)); // brake disc
    painter.drawLine(QPointF(224, 38), QPointF(224, 84));
}

void drawCallouts(QPainter &painter) {
    struct Callout {
        QString text;
        QPointF part;     // where the leader touches the part
        QPointF textEnd;  // where the leader meets the text
        QPointF baseline; // start of the text's baseline
    };
    const Callout callouts[] = {
        {QStringLiteral("电机"), {200, 44}, {214, 14}, {214, 12}},
        {QStringLiteral("制动器"), {230, 80}, {214, 106}, {204, 116}},
        {QStringLiteral("减速器"), {96, 40}, {70, 22}, {38, 20}},
        {QStringLiteral("车轮"), {50, 122}, {30, 86}, {10, 84}},
        {QStringLiteral("齿轮"), {158, 136}, {186, 166}, {186, 176}},
    };
    painter.setFont(runtime::FormFont(QStringLiteral("宋体"), 7));
    for (const auto &callout : callouts) {
        painter.setPen(QPen(lineColor, 0.5));
        painter.drawLine(callout.part, callout.textEnd);
        painter.setBrush(lineColor);
        painter.drawEllipse(callout.part, 1.2, 1.2);
        painter.setPen(lineColor);
        painter.drawText(callout.baseline, callout.text);
    }
}

void drawSheet(QPainter &painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawRail(painter);
    drawWheel(painter);
    drawReducer(painter);
    drawMotorAndBrake(painter);
    drawCallouts(painter);
}

} // namespace

DriveUnitPicture::DriveUnitPicture(QWidget *parent) : QWidget(parent) {
    setAutoFillBackground(true);
    runtime::SetBackground(this, Qt::white);
}

void DriveUnitPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const double scale = std::min(width(), height()) / sheetSize;
    painter.translate((width() - sheetSize * scale) / 2, (height() - sheetSize * scale) / 2);
    painter.scale(scale, scale);
    drawSheet(painter);
}

QIcon DriveUnitIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        painter.setPen(QPen(lineColor, 1.5));
        painter.setBrush(motorColor);
        painter.drawRect(QRectF(12, 3, 17, 11)); // motor
        painter.setBrush(housingColor);
        painter.drawRect(QRectF(12, 14, 10, 13)); // reducer
        painter.setBrush(steelColor);
        painter.drawEllipse(QRectF(2, 13, 15, 15));        // wheel
        painter.drawLine(QPointF(1, 30), QPointF(31, 30)); // rail
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace travelmotor
