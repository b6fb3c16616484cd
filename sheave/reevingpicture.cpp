#include "reevingpicture.h"

#include "sheavelayout.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace sheave {
namespace {

// The sketch is laid out in units of its own, proportioned like a usual hoist (relative to the
// drum axis: x 66, h0 174, l0 124, h 30, l1 200, h1 74), and fitted to the control.
// The arrangements without balance arm leave out the right part of the sketch.
constexpr double sketchWidth = 330;
constexpr double sketchWidthWithoutArm = 272;
constexpr double sketchHeight = 380;

const QPointF drumCentre(72, 96);
constexpr double drumRadius = 40;
const QPointF fixedCentre(196, 126);
constexpr double fixedRadius = 21;
const QPointF blockCentre(138, 270);
constexpr double movingRadius = 25;
constexpr double smallRadius = 14;
constexpr double largeRadius = 34;
const QPointF armPoint(272, 170);
const QPointF armPivot(283, 140);

constexpr double dimensionLineX = 366; // level of the x dimension
constexpr double h0DimensionX = 18;
constexpr double hDimensionX = 244;
constexpr double h1DimensionX = 309;

const QColor outlineColour(25, 25, 25);
const QColor ropeColour(0, 72, 176);
const QColor dimensionColour(160, 32, 32);
const QColor centreLineColour(120, 120, 120);

struct Circle {
    QPointF centre;
    double radius;
};

// A rope fall leaving the block: the block sheave it runs on, the circle (or point) it runs to,
// and its direction as the balance procedure has it, measured upward from the horizontal.
struct Fall {
    Circle blockSheave;
    Circle other;
    double angle;
};

// T(r, d²) of the balance procedures: angle between a centre line and a common tangent.
double tangentAngle(double r, double squaredDistance) {
    return std::atan(r / std::sqrt(squaredDistance - r * r));
}

// The falls of an arrangement, with the directions worked out exactly as the balance procedure
// of that arrangement works them out for the sketch's own dimensions.
std::vector<Fall> fallsOf(int arrangement) {
    const double pi = 3.1415926;
    const double x = blockCentre.x() - drumCentre.x();
    const double y = blockCentre.y() - drumCentre.y();
    const double l0 = fixedCentre.x() - drumCentre.x();
    const double h = fixedCentre.y() - drumCentre.y();
    const double l1 = armPoint.x() - drumCentre.x();
    const double h1 = armPoint.y() - drumCentre.y();
    const double R0 = drumRadius, R1 = movingRadius, R2 = fixedRadius, R3 = smallRadius,
                 R4 = largeRadius;

    const double phi0 = std::atan(y / x), d0 = y * y + x * x;
    const double phi1 = std::atan((y - h) / (l0 - x)), d1 = (y - h) * (y - h) + (l0 - x) * (l0 - x);
    const double phi2 = std::atan((y - h1) / (l1 - x)),
                 d2 = (y - h1) * (y - h1) + (l1 - x) * (l1 - x);

    const Circle drum{drumCentre, drumRadius};
    const Circle fixed{fixedCentre, fixedRadius};
    const Circle arm{armPoint, 0};
    const Circle moving{blockCentre, movingRadius};
    const Circle small{blockCentre, smallRadius};
    const Circle large{blockCentre, largeRadius};

    const bool onLarge = DrumFallsOnLargeSheave(arrangement);
    const double rb = onLarge ? R4 : R1;
    const double A = SameSideLeadOff(arrangement) ? pi - phi0 - tangentAngle(R0 + rb, d0)
                                                  : pi - phi0 + tangentAngle(R0 - rb, d0);
    std::vector<Fall> falls{{onLarge ? large : moving, drum, A}};

    switch (arrangement) {
    case 1:
    case 4: // B and E run in one direction; one line shows both
        falls.push_back({moving, fixed, phi1 - tangentAngle(R1 - R2, d1)});
        falls.push_back({moving, fixed, phi1 + tangentAngle(R1 + R2, d1)});
        break;
    case 2:
    case 5:
        falls.push_back({moving, fixed, phi1 - tangentAngle(R1 - R2, d1)});
        falls.push_back({small, fixed, phi1 - tangentAngle(R3 - R2, d1)});
        falls.push_back({small, fixed, phi1 + tangentAngle(R3 + R2, d1)});
        break;
    case 3:
    case 6:
        falls.push_back({moving, fixed, phi1 - tangentAngle(R1 - R2, d1)});
        falls.push_back({moving, fixed, phi1 + tangentAngle(R1 + R2, d1)});
        falls.push_back({large, fixed, phi1 - tangentAngle(R4 - R2, d1)});
        break;
    case 7:
    case 9:
        falls.push_back({moving, fixed, phi1 + tangentAngle(R2 - R1, d1)});
        falls.push_back({moving, fixed, phi1 - tangentAngle(R2 - R1, d1)});
        falls.push_back({moving, arm, phi2 + tangentAngle(R1, d2)});
        break;
    default: // 8 and 10
        falls.push_back({moving, fixed, phi1 + tangentAngle(R2 - R1, d1)});
        falls.push_back({moving, fixed, phi1 - tangentAngle(R2 - R1, d1)});
        falls.push_back({large, fixed, phi1 - tangentAngle(R2 - R4, d1)});
        falls.push_back({moving, arm, phi2 + tangentAngle(R1, d2)});
        break;
    }
    return falls;
}

// Of the common tangents of the two circles, the segment (block end first) whose direction
// comes closest to the fall's direction.
QLineF tangentSegment(const Fall &fall) {
    const Circle &block = fall.blockSheave;
    const Circle &other = fall.other;
    const QPointF wanted(std::cos(fall.angle), -std::sin(fall.angle));
    const QPointF between = other.centre - block.centre;
    const double distance = std::hypot(between.x(), between.y());
    const QPointF u = between / distance;
    const QPointF v(-u.y(), u.x());
    QLineF best;
    double bestMatch = -2;
    for (const int blockSide : {1, -1}) {
        for (const int otherSide : {1, -1}) {
            const double q = (otherSide * other.radius - blockSide * block.radius) / distance;
            if (std::fabs(q) > 1)
                continue;
            for (const int root : {1, -1}) {
                const QPointF normal = q * u + root * std::sqrt(1 - q * q) * v;
                const QPointF from = block.centre - blockSide * block.radius * normal;
                const QPointF to = other.centre - otherSide * other.radius * normal;
                const QPointF along = to - from;
                const double length = std::hypot(along.x(), along.y());
                const double match = (along.x() * wanted.x() + along.y() * wanted.y()) / length;
                if (match > bestMatch) {
                    bestMatch = match;
                    best = QLineF(from, to);
                }
            }
        }
    }
    return best;
}

QPen pen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen result(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    return result;
}

QFont symbolFont(double pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif")});
    font.setItalic(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    return font;
}

// A dimension symbol such as l₀: an italic letter with an upright subscript, centred on at.
void drawSymbol(QPainter &painter, const QPointF &at, const QString &letter,
                const QString &subscript = {}) {
    const QFont letterFont = symbolFont(14);
    QFont subscriptFont = symbolFont(10);
    subscriptFont.setItalic(false);
    const QFontMetricsF letterMetrics(letterFont);
    const QFontMetricsF subscriptMetrics(subscriptFont);
    const double letterWidth = letterMetrics.horizontalAdvance(letter);
    const double width = letterWidth + subscriptMetrics.horizontalAdvance(subscript);
    const QPointF baseline(at.x() - width / 2,
                           at.y() + (letterMetrics.ascent() - letterMetrics.descent()) / 2);
    painter.setPen(dimensionColour);
    painter.setFont(letterFont);
    painter.drawText(baseline, letter);
    if (!subscript.isEmpty()) {
        painter.setFont(subscriptFont);
        painter.drawText(baseline + QPointF(letterWidth, 3), subscript);
    }
}

void drawArrowHead(QPainter &painter, const QPointF &tip, const QPointF &direction) {
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF u = direction / length;
    const QPointF v(-u.y(), u.x());
    const QPointF back = tip - 7 * u;
    const QPointF head[] = {tip, back + 2.2 * v, back - 2.2 * v};
    painter.setPen(Qt::NoPen);
    painter.setBrush(dimensionColour);
    painter.drawPolygon(head, 3);
    painter.setBrush(Qt::NoBrush);
}

void drawDimensionLine(QPainter &painter, const QPointF &from, const QPointF &to) {
    painter.setPen(pen(dimensionColour, 0.7));
    painter.drawLine(from, to);
    drawArrowHead(painter, from, from - to);
    drawArrowHead(painter, to, to - from);
}

void horizontalDimension(QPainter &painter, double fromX, double toX, double atY,
                         const QString &letter, const QString &subscript = {}) {
    drawDimensionLine(painter, {fromX, atY}, {toX, atY});
    drawSymbol(painter, {(fromX + toX) / 2, atY - 8}, letter, subscript);
}

void verticalDimension(QPainter &painter, double atX, double fromY, double toY,
                       const QString &letter, const QString &subscript = {}) {
    drawDimensionLine(painter, {atX, fromY}, {atX, toY});
    const double symbolWidth = subscript.isEmpty() ? 8 : 14;
    drawSymbol(painter, {atX + 4 + symbolWidth / 2, (fromY + toY) / 2}, letter, subscript);
}

void drawCentreLine(QPainter &painter, const QPointF &from, const QPointF &to) {
    QPen centrePen = pen(centreLineColour, 0.5);
    centrePen.setDashPattern({14, 3, 2, 3});
    centrePen.setCapStyle(Qt::FlatCap);
    painter.setPen(centrePen);
    painter.drawLine(from, to);
}

// A radius marked from the centre out along angleDegrees (upward from the horizontal), its
// arrow on the circle and its symbol beyond the outermost circle of that axis.
void radiusMark(QPainter &painter, const QPointF &centre, double radius, double outerRadius,
                double angleDegrees, const QString &subscript) {
    const double angle = qDegreesToRadians(angleDegrees);
    const QPointF u(std::cos(angle), -std::sin(angle));
    painter.setPen(pen(dimensionColour, 0.6));
    painter.drawLine(centre, centre + (outerRadius + 3) * u);
    drawArrowHead(painter, centre + radius * u, u);
    drawSymbol(painter, centre + (outerRadius + 12) * u, QStringLiteral("R"), subscript);
}

void drawSheave(QPainter &painter, const Circle &sheave, double width = 1.4) {
    painter.setPen(pen(outlineColour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(sheave.centre, sheave.radius, sheave.radius);
}

void drawHub(QPainter &painter, const QPointF &centre, double radius) {
    painter.setPen(pen(outlineColour, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

// Crosshead and hook hanging from the block axis below its outermost sheave.
void drawHook(QPainter &painter, double outerRadius) {
    const double top = blockCentre.y() + outerRadius + 4;
    const double cx = blockCentre.x();
    painter.setPen(pen(outlineColour, 1.3));
    painter.drawRect(QRectF(cx - 17, top, 34, 7));
    painter.drawLine(QPointF(cx, top + 7), QPointF(cx, top + 16));
    QPainterPath hook;
    hook.moveTo(cx, top + 16);
    hook.arcTo(QRectF(cx - 10, top + 16, 20, 20), 90, -290);
    painter.setPen(pen(outlineColour, 2.2));
    painter.drawPath(hook);
}

// The balance arm: the rope end point, the arm up to its pivot, and the pivot's support.
void drawBalanceArm(QPainter &painter) {
    painter.setPen(pen(outlineColour, 2.4));
    painter.drawLine(armPoint, armPivot);
    painter.setPen(pen(outlineColour, 1.1));
    const double baseY = armPivot.y() - 13;
    const QPointF support[] = {armPivot, {armPivot.x() - 7, baseY}, {armPivot.x() + 7, baseY}};
    painter.drawPolygon(support, 3);
    painter.drawLine(QPointF(armPivot.x() - 12, baseY), QPointF(armPivot.x() + 12, baseY));
    painter.setPen(pen(outlineColour, 0.7));
    for (double hx = armPivot.x() - 10; hx <= armPivot.x() + 12; hx += 4)
        painter.drawLine(QPointF(hx, baseY), QPointF(hx + 4, baseY - 5));
    drawHub(painter, armPivot, 2.5);
    drawHub(painter, armPoint, 3);
}

} // namespace

ReevingPicture::ReevingPicture(int arrangement, QWidget *parent)
    : QWidget(parent), arrangement_(arrangement) {
    setObjectName(QStringLiteral("Image%1").arg(arrangement));
}

void ReevingPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawReevingSketch(painter, QRectF(rect()).adjusted(3, 3, -3, -3), arrangement_);
}

void DrawReevingSketch(QPainter &painter, const QRectF &target, int arrangement) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const bool balanceArm = UsesBalanceArm(arrangement);
    const double width = balanceArm ? sketchWidth : sketchWidthWithoutArm;
    const double scale = std::min(target.width() / width, target.height() / sketchHeight);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-width / 2, -sketchHeight / 2);

    const bool small = UsesSmallSheave(arrangement);
    const bool large = UsesLargeSheave(arrangement);
    const double blockOuter = large ? largeRadius : movingRadius;
    const double topDimensionY = balanceArm ? 20 : 28;
    const double l0DimensionY = balanceArm ? 42 : 28;

    // Centre lines, which double as the extension lines of the dimensions.
    const double rightEnd = balanceArm ? h1DimensionX + 6 : hDimensionX + 6;
    drawCentreLine(painter, {drumCentre.x(), topDimensionY - 8},
                   {drumCentre.x(), dimensionLineX + 6});
    drawCentreLine(painter, {h0DimensionX - 6, drumCentre.y()}, {rightEnd, drumCentre.y()});
    drawCentreLine(painter, {fixedCentre.x(), l0DimensionY - 8},
                   {fixedCentre.x(), fixedCentre.y() + fixedRadius + 8});
    drawCentreLine(painter, {fixedCentre.x() - fixedRadius - 8, fixedCentre.y()},
                   {hDimensionX + 6, fixedCentre.y()});
    drawCentreLine(painter, {h0DimensionX - 6, blockCentre.y()},
                   {blockCentre.x() + blockOuter + 8, blockCentre.y()});
    drawCentreLine(painter, {blockCentre.x(), blockCentre.y() - blockOuter - 8},
                   {blockCentre.x(), blockCentre.y() + blockOuter + 2});
    drawCentreLine(painter, {blockCentre.x(), blockCentre.y() + blockOuter + 48},
                   {blockCentre.x(), dimensionLineX + 6});
    if (balanceArm) {
        drawCentreLine(painter, {armPoint.x(), topDimensionY - 8},
                       {armPoint.x(), armPoint.y() + 8});
        drawCentreLine(painter, {armPoint.x() - 8, armPoint.y()}, {h1DimensionX + 6, armPoint.y()});
    }

    // Rope falls.
    painter.setPen(pen(ropeColour, 1.5));
    for (const Fall &fall : fallsOf(arrangement))
        painter.drawLine(tangentSegment(fall));

    // Drum, fixed sheave, hook block.
    drawSheave(painter, {drumCentre, drumRadius}, 1.6);
    drawSheave(painter, {drumCentre, drumRadius - 5}, 0.6);
    drawHub(painter, drumCentre, 6);
    drawSheave(painter, {fixedCentre, fixedRadius});
    drawHub(painter, fixedCentre, 4);
    drawSheave(painter, {blockCentre, movingRadius});
    if (small)
        drawSheave(painter, {blockCentre, smallRadius});
    if (large)
        drawSheave(painter, {blockCentre, largeRadius});
    drawHub(painter, blockCentre, 4);
    drawHook(painter, blockOuter);
    if (balanceArm)
        drawBalanceArm(painter);

    // Radii.
    radiusMark(painter, drumCentre, drumRadius, drumRadius, 135, QStringLiteral("0"));
    radiusMark(painter, fixedCentre, fixedRadius, fixedRadius, 0, QStringLiteral("2"));
    radiusMark(painter, blockCentre, movingRadius, blockOuter, -35, QStringLiteral("1"));
    if (small)
        radiusMark(painter, blockCentre, smallRadius, movingRadius, -145, QStringLiteral("3"));
    if (large)
        radiusMark(painter, blockCentre, largeRadius, largeRadius, -145, QStringLiteral("4"));

    // Dimensions.
    horizontalDimension(painter, drumCentre.x(), blockCentre.x(), dimensionLineX,
                        QStringLiteral("x"));
    horizontalDimension(painter, drumCentre.x(), fixedCentre.x(), l0DimensionY, QStringLiteral("l"),
                        QStringLiteral("0"));
    verticalDimension(painter, h0DimensionX, drumCentre.y(), blockCentre.y(), QStringLiteral("h"),
                      QStringLiteral("0"));
    verticalDimension(painter, hDimensionX, drumCentre.y(), fixedCentre.y(), QStringLiteral("h"));
    if (balanceArm) {
        horizontalDimension(painter, drumCentre.x(), armPoint.x(), topDimensionY,
                            QStringLiteral("l"), QStringLiteral("1"));
        verticalDimension(painter, h1DimensionX, drumCentre.y(), armPoint.y(), QStringLiteral("h"),
                          QStringLiteral("1"));
    }
    painter.restore();
}

} // namespace sheave
