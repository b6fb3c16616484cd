#include "sectionpictures.h"

#include "formwidgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace fenwold {
namespace {

const QColor SteelFill(216, 226, 240);
const QColor OutlineInk(0, 0, 0);
const QColor DimensionInk(0, 0, 140);
const QColor AxisInk(170, 0, 0);

// Draws in the 200 x 200 picture square: plates, dimension lines with their letters, the axes
// through the centroid. Without annotation only the plates are drawn.
class Sketch {
public:
    Sketch(QPainter &painter, bool annotate) : painter_(painter), annotate_(annotate) {
        QFont font = runtime::FormFont(QStringLiteral("宋体"), 9);
        font.setFamilies(QStringList{QStringLiteral("DejaVu Sans")} + font.families());
        font.setPixelSize(11);
        painter_.setFont(font);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    void plate(const QPolygonF &outline) {
        painter_.setPen(
            QPen(OutlineInk, annotate_ ? 1.2 : 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.setBrush(SteelFill);
        painter_.drawPolygon(outline);
    }
    void plate(qreal left, qreal top, qreal right, qreal bottom) {
        plate(QPolygonF(QRectF(QPointF(left, top), QPointF(right, bottom))));
    }
    void ring(QPointF centre, qreal inner, qreal outer) {
        QPainterPath path;
        path.addEllipse(centre, outer, outer);
        path.addEllipse(centre, inner, inner);
        painter_.setPen(QPen(OutlineInk, annotate_ ? 1.2 : 2.0));
        painter_.setBrush(SteelFill);
        painter_.drawPath(path);
    }

    // A horizontal dimension from x1 to x2 on height y, its letter above the line.
    void horizontal(qreal x1, qreal x2, qreal y, const QString &letter, qreal letterX = -1) {
        if (!annotate_)
            return;
        dimensionPen();
        painter_.drawLine(QPointF(x1, y), QPointF(x2, y));
        arrow(QPointF(x1, y), QPointF(x1 < x2 ? 1 : -1, 0));
        arrow(QPointF(x2, y), QPointF(x1 < x2 ? -1 : 1, 0));
        text(QPointF(letterX < 0 ? (x1 + x2) / 2 : letterX, y - 7), letter);
    }
    // A vertical dimension from y1 to y2 at x, its letter left or right of the line.
    void vertical(qreal x, qreal y1, qreal y2, const QString &letter, bool letterLeft) {
        if (!annotate_)
            return;
        dimensionPen();
        painter_.drawLine(QPointF(x, y1), QPointF(x, y2));
        arrow(QPointF(x, y1), QPointF(0, y1 < y2 ? 1 : -1));
        arrow(QPointF(x, y2), QPointF(0, y1 < y2 ? -1 : 1));
        text(QPointF(x + (letterLeft ? -9 : 9), (y1 + y2) / 2), letter);
    }
    // A thin extension line from the outline to a dimension line.
    void extension(QPointF from, QPointF to) {
        if (!annotate_)
            return;
        painter_.setPen(QPen(DimensionInk, 0.6));
        painter_.drawLine(from, to);
    }
    // A thickness: two arrows pointing at the plate's faces from outside, letter beside them.
    void thicknessAcross(qreal x1, qreal x2, qreal y, const QString &letter, bool letterRight) {
        if (!annotate_)
            return;
        dimensionPen();
        painter_.drawLine(QPointF(x1 - 9, y), QPointF(x2 + 9, y));
        arrow(QPointF(x1, y), QPointF(-1, 0));
        arrow(QPointF(x2, y), QPointF(1, 0));
        text(QPointF(letterRight ? x2 + 17 : x1 - 17, y), letter);
    }
    void thicknessDown(qreal x, qreal y1, qreal y2, const QString &letter, bool letterRight) {
        if (!annotate_)
            return;
        dimensionPen();
        painter_.drawLine(QPointF(x, y1 - 9), QPointF(x, y2 + 9));
        arrow(QPointF(x, y1), QPointF(0, -1));
        arrow(QPointF(x, y2), QPointF(0, 1));
        text(QPointF(letterRight ? x + 10 : x - 10, (y1 + y2) / 2), letter);
    }
    // A letter with a short leader to the plate it names.
    void leader(QPointF letterAt, QPointF target, const QString &letter) {
        if (!annotate_)
            return;
        painter_.setPen(QPen(DimensionInk, 0.7));
        QPointF start =
            letterAt + (target - letterAt) *
                           (8.0 / std::hypot(target.x() - letterAt.x(), target.y() - letterAt.y()));
        painter_.drawLine(start, target);
        painter_.setBrush(DimensionInk);
        painter_.drawEllipse(target, 1.2, 1.2);
        text(letterAt, letter);
    }
    // The x and y axes through the centroid o, drawn dash-dot across the section.
    void axes(QPointF o, qreal left, qreal right, qreal top, qreal bottom) {
        if (!annotate_)
            return;
        QPen pen(AxisInk, 0.8, Qt::DashDotLine);
        painter_.setPen(pen);
        painter_.drawLine(QPointF(left, o.y()), QPointF(right, o.y()));
        painter_.drawLine(QPointF(o.x(), top), QPointF(o.x(), bottom));
        painter_.setPen(AxisInk);
        text(QPointF(right + 6, o.y() - 6), QStringLiteral("x"));
        text(QPointF(o.x() + 7, bottom - 2), QStringLiteral("y"));
        point(o, QStringLiteral("o"), QPointF(-7, -7));
    }
    void point(QPointF at, const QString &letter, QPointF letterOffset) {
        if (!annotate_)
            return;
        painter_.setPen(QPen(AxisInk, 0.8));
        painter_.setBrush(AxisInk);
        painter_.drawEllipse(at, 2.0, 2.0);
        text(at + letterOffset, letter);
    }
    void text(QPointF centre, const QString &letter) {
        QPen previous = painter_.pen();
        if (previous.color() != AxisInk)
            painter_.setPen(DimensionInk);
        painter_.drawText(QRectF(centre.x() - 20, centre.y() - 8, 40, 16), Qt::AlignCenter, letter);
        painter_.setPen(previous);
    }

private:
    void dimensionPen() {
        painter_.setPen(QPen(DimensionInk, 0.7));
        painter_.setBrush(DimensionInk);
    }
    void arrow(QPointF tip, QPointF direction) {
        // direction points from the tip back along the line
        QPointF normal(-direction.y(), direction.x());
        QPolygonF head{tip, tip + direction * 5 + normal * 1.8, tip + direction * 5 - normal * 1.8};
        painter_.setPen(Qt::NoPen);
        painter_.drawPolygon(head);
        painter_.setPen(QPen(DimensionInk, 0.7));
    }

    QPainter &painter_;
    bool annotate_;
};

QString L(const char *letters) {
    return QString::fromLatin1(letters);
}

// Box with a split top flange and a stepped right web.
void drawSteppedBox(Sketch &s) {
    s.plate(45, 40, 53, 150);   // left web t4
    s.plate(140, 40, 152, 75);  // right web, upper part t2
    s.plate(140, 75, 147, 150); // right web, lower part t3
    s.plate(35, 32, 110, 40);   // top plate B1 x t5
    s.plate(110, 28, 165, 40);  // top plate b1 x t1
    s.plate(38, 150, 160, 158); // bottom flange B2 x t6
    s.horizontal(35, 110, 12, L("B1"));
    s.horizontal(110, 165, 12, L("b1"));
    s.extension({35, 31}, {35, 8});
    s.extension({110, 27}, {110, 8});
    s.extension({165, 27}, {165, 8});
    s.horizontal(35, 45, 22, L("d1"), 23);
    s.extension({45, 39}, {45, 18});
    s.horizontal(53, 140, 136, L("B"));
    s.vertical(22, 40, 150, L("H"), true);
    s.extension({44, 40}, {18, 40});
    s.extension({37, 150}, {18, 150});
    s.vertical(178, 40, 75, L("h1"), false);
    s.extension({153, 75}, {182, 75});
    s.extension({166, 40}, {182, 40});
    s.leader({185, 22}, {162, 34}, L("t1"));
    s.leader({168, 60}, {152, 60}, L("t2"));
    s.leader({165, 110}, {147, 110}, L("t3"));
    s.leader({66, 112}, {53, 112}, L("t4"));
    s.leader({82, 52}, {82, 40}, L("t5"));
    s.leader({175, 160}, {160, 154}, L("t6"));
    s.horizontal(38, 45, 170, L("d2"), 25);
    s.extension({45, 159}, {45, 174});
    s.extension({38, 159}, {38, 188});
    s.extension({160, 159}, {160, 188});
    s.horizontal(38, 160, 184, L("B2"));
    s.axes({92, 92}, 30, 185, 24, 196);
    s.point({100, 104}, L("e"), {7, 7});
}

void drawBox(Sketch &s) {
    s.plate(45, 40, 53, 150);   // left web t4
    s.plate(140, 40, 148, 150); // right web t3
    s.plate(35, 32, 165, 40);   // top flange B1 x t5
    s.plate(38, 150, 160, 158); // bottom flange B2 x t6
    s.horizontal(35, 165, 12, L("B1"));
    s.extension({35, 31}, {35, 8});
    s.extension({165, 31}, {165, 8});
    s.horizontal(35, 45, 22, L("d1"), 23);
    s.extension({45, 39}, {45, 18});
    s.horizontal(53, 140, 136, L("B"));
    s.vertical(22, 40, 150, L("H"), true);
    s.extension({44, 40}, {18, 40});
    s.extension({37, 150}, {18, 150});
    s.leader({165, 110}, {148, 110}, L("t3"));
    s.leader({66, 112}, {53, 112}, L("t4"));
    s.leader({82, 52}, {82, 40}, L("t5"));
    s.leader({175, 160}, {160, 154}, L("t6"));
    s.horizontal(38, 45, 170, L("d2"), 25);
    s.extension({45, 159}, {45, 174});
    s.extension({38, 159}, {38, 188});
    s.extension({160, 159}, {160, 188});
    s.horizontal(38, 160, 184, L("B2"));
    s.axes({96, 94}, 30, 185, 24, 196);
    s.point({96, 106}, L("e"), {8, 6});
}

void drawIBeam(Sketch &s) {
    s.plate(40, 30, 160, 44);   // top flange B1 x t1
    s.plate(94, 44, 106, 156);  // web t3
    s.plate(40, 156, 160, 170); // bottom flange B2 x t2
    s.horizontal(40, 160, 14, L("B1"), 70);
    s.extension({40, 29}, {40, 10});
    s.extension({160, 29}, {160, 10});
    s.horizontal(40, 160, 186, L("B2"), 70);
    s.extension({40, 171}, {40, 190});
    s.extension({160, 171}, {160, 190});
    s.vertical(182, 44, 156, L("H"), false);
    s.extension({161, 44}, {186, 44});
    s.extension({161, 156}, {186, 156});
    s.thicknessDown(30, 30, 44, L("t1"), false);
    s.thicknessDown(30, 156, 170, L("t2"), false);
    s.thicknessAcross(94, 106, 130, L("t3"), true);
    s.axes({100, 100}, 26, 172, 22, 180);
}

void drawChannel(Sketch &s) {
    s.plate(50, 30, 62, 170);   // web t3 over the full height
    s.plate(62, 30, 150, 44);   // top flange, B1 from the web's outer face
    s.plate(62, 156, 140, 170); // bottom flange, B2 from the web's outer face
    s.horizontal(50, 150, 14, L("B1"));
    s.extension({50, 29}, {50, 10});
    s.extension({150, 29}, {150, 10});
    s.horizontal(50, 140, 186, L("B2"), 112);
    s.extension({50, 171}, {50, 190});
    s.extension({140, 171}, {140, 190});
    s.vertical(28, 44, 156, L("H"), true);
    s.extension({49, 44}, {24, 44});
    s.extension({49, 156}, {24, 156});
    s.thicknessDown(162, 30, 44, L("t1"), true);
    s.thicknessDown(152, 156, 170, L("t2"), true);
    s.thicknessAcross(50, 62, 125, L("t3"), true);
    s.axes({84, 100}, 38, 178, 22, 180);
}

void drawAngle(Sketch &s) {
    s.plate(50, 30, 64, 150);   // vertical leg t1
    s.plate(50, 150, 170, 164); // horizontal leg B x t2
    s.vertical(30, 30, 150, L("H"), true);
    s.extension({49, 30}, {26, 30});
    s.extension({49, 150}, {26, 150});
    s.horizontal(50, 170, 182, L("B"));
    s.extension({50, 165}, {50, 186});
    s.extension({170, 165}, {170, 186});
    s.thicknessAcross(50, 64, 20, L("t1"), true);
    s.thicknessDown(180, 150, 164, L("t2"), true);
    s.axes({84, 126}, 40, 178, 40, 176);
}

void drawTee(Sketch &s) {
    s.plate(30, 30, 170, 44);  // flange B x t1
    s.plate(93, 44, 107, 170); // stem t2 x H
    s.horizontal(30, 170, 14, L("B"), 65);
    s.extension({30, 29}, {30, 10});
    s.extension({170, 29}, {170, 10});
    s.vertical(150, 44, 170, L("H"), false);
    s.extension({108, 170}, {154, 170});
    s.thicknessDown(20, 30, 44, L("t1"), true);
    s.thicknessAcross(93, 107, 150, L("t2"), false);
    s.axes({100, 76}, 20, 182, 22, 186);
}

void drawRing(Sketch &s) {
    const QPointF centre(100, 100);
    s.ring(centre, 50, 66);
    s.axes(centre, 22, 178, 22, 180);
    // R from the centre to the inner face, t across the wall, both on a slanting radius
    const qreal angle = -0.7;
    const QPointF unit(std::cos(angle), std::sin(angle));
    s.leader(centre + unit * 28 + QPointF(-4, -8), centre + unit * 50, L("R"));
    s.extension(centre, centre + unit * 50);
    s.leader(centre + unit * 80, centre + unit * 58, L("t"));
}

void drawTrapezoid(Sketch &s) {
    s.plate(24, 30, 168, 38);                                         // top flange B1 x t5
    s.plate(54, 150, 138, 158);                                       // bottom flange B2 x t6
    s.plate(QPolygonF{{148, 38}, {156, 38}, {130, 150}, {122, 150}}); // right web t3
    s.plate(QPolygonF{{36, 38}, {44, 38}, {70, 150}, {62, 150}});     // left web t4
    s.horizontal(24, 168, 12, L("B1"));
    s.extension({24, 29}, {24, 8});
    s.extension({168, 29}, {168, 8});
    s.horizontal(24, 36, 23, L("d1"), 12);
    s.extension({36, 37}, {36, 19});
    s.horizontal(156, 168, 23, L("d3"), 181);
    s.extension({156, 37}, {156, 19});
    s.vertical(184, 38, 150, L("H"), false);
    s.extension({169, 38}, {188, 38});
    s.extension({139, 150}, {188, 150});
    s.horizontal(54, 62, 170, L("d2"), 44);
    s.horizontal(130, 138, 170, L("d4"), 120);
    s.horizontal(138, 168, 170, L("l"), 153);
    s.extension({62, 151}, {62, 174});
    s.extension({130, 151}, {130, 174});
    s.extension({168, 39}, {168, 174});
    s.extension({54, 159}, {54, 188});
    s.extension({138, 159}, {138, 188});
    s.horizontal(54, 138, 184, L("B2"));
    s.leader({162, 112}, {137, 108}, L("t3"));
    s.leader({28, 112}, {56, 106}, L("t4"));
    s.leader({112, 50}, {112, 38}, L("t5"));
    s.leader({112, 140}, {112, 150}, L("t6"));
    s.axes({96, 84}, 10, 172, 44, 166);
}

void drawShape(QPainter &painter, int shape, const QRectF &target, bool annotate) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / ShapePictureSize, target.height() / ShapePictureSize);
    Sketch sketch(painter, annotate);
    switch (shape) {
    case 1:
        drawSteppedBox(sketch);
        break;
    case 2:
        drawBox(sketch);
        break;
    case 3:
        drawIBeam(sketch);
        break;
    case 4:
        drawChannel(sketch);
        break;
    case 5:
        drawAngle(sketch);
        break;
    case 6:
        drawTee(sketch);
        break;
    case 7:
        drawRing(sketch);
        break;
    case 8:
        drawTrapezoid(sketch);
        break;
    default:
        break;
    }
    painter.restore();
}

} // namespace

int ShapePictureId(int shape) {
    static const int ids[8] = {164, 166, 190, 192, 194, 196, 198, 206};
    return shape >= 1 && shape <= 8 ? ids[shape - 1] : 0;
}

void DrawShapePicture(QPainter &painter, int shape, const QRectF &target) {
    drawShape(painter, shape, target, true);
}

void DrawShapeOutline(QPainter &painter, int shape, const QRectF &target) {
    drawShape(painter, shape, target, false);
}

QPixmap ButtonPicture(int shape, bool down, qreal devicePixelRatio) {
    const int size = ButtonPictureSize;
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(down ? QColor(200, 200, 200) : QColor(236, 236, 236));
    QPainter painter(&pixmap);
    // a three-dimensional button face: light above and left when raised, the other way pressed
    const QColor light(255, 255, 255), shadow(128, 128, 128), dark(64, 64, 64);
    const QRectF face(0.5, 0.5, size - 1, size - 1);
    painter.setPen(QPen(down ? dark : light, 1));
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(QPen(down ? light : dark, 1));
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());
    painter.setPen(QPen(down ? shadow : QColor(250, 250, 250), 1));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(size - 2.5, 1.5));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(1.5, size - 2.5));
    if (!down) {
        painter.setPen(QPen(shadow, 1));
        painter.drawLine(QPointF(1.5, size - 1.5), QPointF(size - 1.5, size - 1.5));
        painter.drawLine(QPointF(size - 1.5, 1.5), QPointF(size - 1.5, size - 1.5));
    }
    const qreal shift = down ? 1.5 : 0;
    DrawShapeOutline(painter, shape, QRectF(8 + shift, 8 + shift, size - 16, size - 16));
    return pixmap;
}

QPixmap IconFrame(int frame, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size / 2.0, size / 2.0);
    painter.rotate(90.0 * (frame % IconFrameCount));
    const QColor blades[4] = {QColor(220, 30, 30), QColor(30, 160, 40), QColor(30, 60, 220),
                              QColor(240, 200, 0)};
    const qreal r = size / 2.0 - 0.5;
    for (int blade = 0; blade < 4; ++blade) {
        painter.setPen(QPen(Qt::black, size / 32.0));
        painter.setBrush(blades[blade]);
        painter.drawPolygon(QPolygonF{{0, 0}, {0, -r}, {r * 0.6, -r * 0.4}});
        painter.rotate(90);
    }
    return pixmap;
}

ShapePicture::ShapePicture(int shape, QWidget *parent) : QWidget(parent), shape_(shape) {
    setObjectName(QString::number(ShapePictureId(shape)));
    setFixedSize(ShapePictureSize, ShapePictureSize);
}

void ShapePicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawShapePicture(painter, shape_, QRectF(rect()));
}

} // namespace fenwold
