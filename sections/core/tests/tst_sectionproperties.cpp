#include "fields.h"
#include "sectionproperties.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace sections;

namespace {

// Dimensions written as the input dialog's labels read, "B1=200 t1=10 ...".
SectionDimensions Dimensions(const QString &text) {
    static const std::pair<const char *, float SectionDimensions::*> names[] = {
        {"B", &SectionDimensions::B},   {"B1", &SectionDimensions::B1},
        {"b1", &SectionDimensions::b1}, {"B2", &SectionDimensions::B2},
        {"d1", &SectionDimensions::d1}, {"d2", &SectionDimensions::d2},
        {"H", &SectionDimensions::H},   {"h1", &SectionDimensions::h1},
        {"t1", &SectionDimensions::t1}, {"t2", &SectionDimensions::t2},
        {"t3", &SectionDimensions::t3}, {"t4", &SectionDimensions::t4},
        {"t5", &SectionDimensions::t5}, {"t6", &SectionDimensions::t6},
        {"l", &SectionDimensions::l},   {"d3", &SectionDimensions::d3},
        {"d4", &SectionDimensions::d4}, {"R", &SectionDimensions::R},
        {"t", &SectionDimensions::t},
    };
    SectionDimensions dimensions;
    for (const QString &entry : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split('=');
        bool known = false;
        for (const auto &[name, member] : names) {
            if (parts.value(0) == QLatin1String(name)) {
                dimensions.*member = parts.value(1).toFloat();
                known = true;
            }
        }
        if (!known)
            qFatal("no dimension %s", qPrintable(entry));
    }
    return dimensions;
}

QString Printed(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return QString::fromLatin1(text);
}

// Within two units in the last place of the single-precision value, plus a hair of the
// section's size for quantities that may lie near zero (a centroid on a reference line).
bool AgreesInSingle(float stored, double reference, double size = 0) {
    const double unit = std::nextafter(std::abs(static_cast<float>(reference)), FLT_MAX) -
                        std::abs(static_cast<float>(reference));
    return std::abs(stored - reference) <= 2 * unit + 1e-9 * size;
}

#define CHECK_SINGLE(stored, reference, size)                                                      \
    QVERIFY2(AgreesInSingle(stored, reference, size),                                              \
             qPrintable(QStringLiteral("%1: stored %2, outline gives %3")                          \
                            .arg(#stored)                                                          \
                            .arg(static_cast<double>(stored), 0, 'g', 10)                          \
                            .arg(reference, 0, 'g', 10)))

// Exact integrals of a region bounded by polygons (counter-clockwise outlines, clockwise
// holes), by Green's theorem over the edges. X to the right, Y upward.
struct Point {
    double X, Y;
};
using Outline = std::vector<Point>;

struct Moments {
    double area = 0, firstX = 0, firstY = 0, secondX = 0, secondY = 0; // about the origin
};

Moments Integrate(const std::vector<Outline> &outlines, double X0 = 0, double Y0 = 0) {
    Moments m;
    for (const Outline &polygon : outlines) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Point &p = polygon[i];
            const Point &q = polygon[(i + 1) % polygon.size()];
            const double x1 = p.X - X0, y1 = p.Y - Y0, x2 = q.X - X0, y2 = q.Y - Y0;
            const double cross = x1 * y2 - x2 * y1;
            m.area += cross / 2;
            m.firstX += (x1 + x2) * cross / 6;
            m.firstY += (y1 + y2) * cross / 6;
            m.secondX += (y1 * y1 + y1 * y2 + y2 * y2) * cross / 12; // about the X axis
            m.secondY += (x1 * x1 + x1 * x2 + x2 * x2) * cross / 12; // about the Y axis
        }
    }
    return m;
}

// The part of each outline at or above the level Y (Sutherland-Hodgman against one line;
// the seams it leaves along the line enclose no area).
std::vector<Outline> Above(const std::vector<Outline> &outlines, double level) {
    std::vector<Outline> result;
    for (const Outline &polygon : outlines) {
        Outline clipped;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Point &p = polygon[i];
            const Point &q = polygon[(i + 1) % polygon.size()];
            const bool pIn = p.Y >= level, qIn = q.Y >= level;
            if (pIn)
                clipped.push_back(p);
            if (pIn != qIn) {
                const double s = (level - p.Y) / (q.Y - p.Y);
                clipped.push_back({p.X + s * (q.X - p.X), level});
            }
        }
        if (!clipped.empty())
            result.push_back(clipped);
    }
    return result;
}

// The outline of each shape drawn from its description, with the reference lines of its
// results: x is measured from Xref (leftward when xLeftward), y downward from Yref.
struct Drawing {
    std::vector<Outline> outlines;
    double Xref = 0, Yref = 0;
    bool xLeftward = false;
    double size = 0;
};

Drawing Draw(int code, const SectionDimensions &d) {
    Drawing g;
    const double B = d.B, B1 = d.B1, b1 = d.b1, B2 = d.B2, d1 = d.d1, d2 = d.d2, H = d.H;
    double h1 = d.h1, t1 = d.t1, t2 = d.t2;
    const double t3 = d.t3, t4 = d.t4, t5 = d.t5, t6 = d.t6;
    switch (code) {
    case shapes::Box:
        // The box is the stepped box with no second top plate and an even right web.
        h1 = 0, t2 = t3;
        [[fallthrough]];
    case shapes::SteppedBox: {
        // Origin at the inner face of the right web, level with the underside of the top flange.
        const double leftFace = -B - t4, topLeft = leftFace - d1, bottomLeft = leftFace - d2;
        const double plateJoint = topLeft + B1, plateEnd = plateJoint + (code == 1 ? b1 : 0);
        const double secondPlate = code == 1 ? t1 : t5;
        g.outlines.push_back({{bottomLeft, -H - t6},
                              {bottomLeft + B2, -H - t6},
                              {bottomLeft + B2, -H},
                              {t3, -H},
                              {t3, -h1},
                              {t2, -h1},
                              {t2, 0},
                              {plateEnd, 0},
                              {plateEnd, secondPlate},
                              {plateJoint, secondPlate},
                              {plateJoint, t5},
                              {topLeft, t5},
                              {topLeft, 0},
                              {leftFace, 0},
                              {leftFace, -H},
                              {bottomLeft, -H}});
        g.outlines.push_back({{-B, 0}, {0, 0}, {0, -H}, {-B, -H}}); // the cell, clockwise
        g.xLeftward = true;
        g.size = B + B1 + B2 + H;
        break;
    }
    case shapes::IBeam: {
        const double top = t2 + H + t1;
        g.outlines.push_back({{-B2 / 2, 0},
                              {B2 / 2, 0},
                              {B2 / 2, t2},
                              {t3 / 2, t2},
                              {t3 / 2, t2 + H},
                              {B1 / 2, t2 + H},
                              {B1 / 2, top},
                              {-B1 / 2, top},
                              {-B1 / 2, t2 + H},
                              {-t3 / 2, t2 + H},
                              {-t3 / 2, t2},
                              {-B2 / 2, t2}});
        g.Yref = t2 + H;
        g.size = B1 + B2 + H;
        break;
    }
    case shapes::Channel: {
        const double top = t2 + H + t1;
        g.outlines.push_back(
            {{0, 0}, {B2, 0}, {B2, t2}, {t3, t2}, {t3, t2 + H}, {B1, t2 + H}, {B1, top}, {0, top}});
        g.Xref = t3, g.Yref = t2 + H;
        g.size = B1 + B2 + H;
        break;
    }
    case shapes::Angle:
        g.outlines.push_back({{0, 0}, {B, 0}, {B, t2}, {t1, t2}, {t1, t2 + H}, {0, t2 + H}});
        g.Xref = t1, g.Yref = t2 + H;
        g.size = B + H;
        break;
    case shapes::Tee:
        g.outlines.push_back({{-t2 / 2, 0},
                              {t2 / 2, 0},
                              {t2 / 2, H},
                              {B / 2, H},
                              {B / 2, H + t1},
                              {-B / 2, H + t1},
                              {-B / 2, H},
                              {-t2 / 2, H}});
        g.Yref = H;
        g.size = B + H;
        break;
    }
    return g;
}

SectionRecord Computed(int code, const SectionDimensions &dimensions) {
    SectionRecord record;
    ComputeSectionProperties(record, code, dimensions);
    return record;
}

} // namespace

class SectionPropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void slotsWritten_data();
    void slotsWritten();
    void agreesWithOutline_data();
    void agreesWithOutline();
    void ringClosedForm_data();
    void ringClosedForm();
    void trapezoidalBox();
    void equalLegAngleIsSymmetric();
    void zeroDimensionsStoreQuotientsUnchecked_data();
    void zeroDimensionsStoreQuotientsUnchecked();
    void unknownCodeLeavesRecord();
};

void SectionPropertiesTest::workedExamples_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("dimensions");
    QTest::addColumn<QString>("printed");

    const QString box = "B=400 B1=500 B2=500 d1=20 d2=20 H=800 t3=10 t4=10 t5=20 t6=20";
    QTest::newRow("box") << 2 << box
                         << "A=36000.0 x=188.9 y=400.0 ex=200.0 ey=400.0 Sx=5700000.0 "
                            "In=2205472000.0 b1=0.0 h1=0.0 t1=0.0 t2=0.0";
    QTest::newRow("stepped box")
        << 1
        << "B=400 B1=300 b1=150 B2=500 d1=20 d2=20 H=800 h1=200 t1=24 t2=12 t3=10 t4=10 t5=20 "
           "t6=20"
        << "A=36000.0 x=190.9 y=401.0 ex=200.0 ey=400.0 In=2205472000.0";
    // Flanges of unequal thickness each enter the torsion sum with their own thickness:
    // 4 (410 x 815)^2 / (20.5 + 41 + 81.5 + 81.5).
    QTest::newRow("box, thinner bottom flange")
        << 2 << "B=400 B1=500 B2=500 d1=20 d2=20 H=800 t3=10 t4=10 t5=20 t6=10"
        << "In=1989420416.0";
    QTest::newRow("trapezoidal box")
        << 8 << "B1=600 B2=300 d1=20 d2=20 d3=20 d4=20 H=800 t3=10 t4=10 t5=20 t6=20 l=150"
        << "x=300.0 A=34278.8 y=328.2 l=150.0 d3=20.0 d4=20.0";
    QTest::newRow("I-beam") << 3 << "B1=200 B2=200 t1=10 t2=10 H=400 t3=8"
                            << "A=7200.0 y=200.0 Ix=210800000.0 Iy=13350400.0 Wx1=1003809.5 "
                               "Wx2=1003809.5 Sx=570000.0 In=262080.0";
    QTest::newRow("ring") << 7 << "R=40 t=10"
                          << "A=2826.0 Ix=2896650.0 Iy=2896650.0 Wx1=57933.0 Wy1=57933.0 "
                             "In=5796067.5 B=40.0 t1=10.0";
}

void SectionPropertiesTest::workedExamples() {
    QFETCH(int, code);
    QFETCH(QString, dimensions);
    QFETCH(QString, printed);
    SectionRecord record;
    // The box clears the slots of the stepped box's second plate and upper web.
    record.b1 = record.h1 = record.t1 = record.t2 = 99;
    ComputeSectionProperties(record, code, Dimensions(dimensions));
    QCOMPARE(record.shape, code);
    for (const QString &entry : printed.split(' ')) {
        const QString name = entry.section('=', 0, 0);
        QCOMPARE(name + '=' + Printed(Slot(record, name)), entry);
    }
}

void SectionPropertiesTest::slotsWritten_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("changed");

    const QString allResults = " A x y ex ey Ix Iy Wx1 Wy1 Wx2 Wy2 Sx In";
    QTest::newRow("stepped box") << 1 << "B B1 b1 B2 d1 d2 H h1 t1 t2 t3 t4 t5 t6" + allResults;
    QTest::newRow("box") << 2 << "B B1 b1 B2 d1 d2 H h1 t1 t2 t3 t4 t5 t6" + allResults;
    QTest::newRow("I-beam") << 3 << "B1 B2 H t1 t2 t3 A y Ix Iy Wx1 Wy1 Wx2 Wy2 Sx In";
    QTest::newRow("channel") << 4 << "B1 B2 H t1 t2 t3 A x y Ix Iy Wx1 Wy1 Wx2 Wy2 In";
    QTest::newRow("angle") << 5 << "B H t1 t2 A x y Ix Iy Wx1 Wy1 Wx2 Wy2 In";
    QTest::newRow("tee") << 6 << "B H t1 t2 A y Ix Iy Wx1 Wy1 Wx2 Wy2 In";
    QTest::newRow("ring") << 7 << "B t1 A Ix Iy Wx1 Wy1 In";
    QTest::newRow("trapezoidal box")
        << 8 << "B1 B2 d1 d2 d3 d4 H l t3 t4 t5 t6 A x y Ix Iy Wx1 Wy1 Wx2 Wy2 In";
}

// Each shape writes its own dimensions and results and nothing else, so a section computed
// after an opened document keeps the slots the new shape does not name.
void SectionPropertiesTest::slotsWritten() {
    QFETCH(int, code);
    QFETCH(QString, changed);
    const float previous = -12345.0f;
    SectionRecord record;
    for (const auto &[name, member] : RecordSlots)
        record.*member = previous;
    record.shape = 4711;

    const SectionDimensions entered = Dimensions("B=401 B1=502 b1=153 B2=504 d1=25 d2=26 H=807 "
                                                 "h1=208 t1=9 t2=11 t3=12 t4=13 t5=14 t6=15 "
                                                 "l=117 d3=18 d4=19 R=55 t=7");
    ComputeSectionProperties(record, code, entered);
    QCOMPARE(record.shape, code);

    const QStringList written = changed.split(' ');
    SectionRecord asEntered;
    asEntered.B = entered.B, asEntered.B1 = entered.B1, asEntered.b1 = entered.b1;
    asEntered.B2 = entered.B2, asEntered.d1 = entered.d1, asEntered.d2 = entered.d2;
    asEntered.H = entered.H, asEntered.h1 = entered.h1, asEntered.t1 = entered.t1;
    asEntered.t2 = entered.t2, asEntered.t3 = entered.t3, asEntered.t4 = entered.t4;
    asEntered.t5 = entered.t5, asEntered.t6 = entered.t6, asEntered.l = entered.l;
    asEntered.d3 = entered.d3, asEntered.d4 = entered.d4;
    if (code == shapes::Ring)
        asEntered.B = entered.R, asEntered.t1 = entered.t;
    if (code == shapes::Box)
        asEntered.b1 = asEntered.h1 = asEntered.t1 = asEntered.t2 = 0;

    for (const auto &[name, member] : RecordSlots) {
        const float value = record.*member;
        if (!written.contains(QLatin1String(name))) {
            QVERIFY2(value == previous, name);
        } else if (QString(name).contains(QRegularExpression("^[BbdHhtl]"))) {
            QVERIFY2(value == asEntered.*member, name);
        } else {
            QVERIFY2(value != previous && std::isfinite(value), name);
        }
    }
}

void SectionPropertiesTest::agreesWithOutline_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("dimensions");

    QTest::newRow("stepped box, axis below the step")
        << 1
        << "B=400 B1=300 b1=150 B2=500 d1=20 d2=20 H=800 h1=200 t1=24 t2=12 t3=10 t4=10 t5=20 "
           "t6=20";
    QTest::newRow("stepped box, heavy bottom flange, axis above the step")
        << 1
        << "B=610 B1=420.5 b1=260 B2=760 d1=15 d2=30 H=1450 h1=1000 t1=16 t2=8 t3=14 t4=12 "
           "t5=10 t6=40";
    QTest::newRow("stepped box, thick second plate")
        << 1
        << "B=250 B1=180 b1=110 B2=300 d1=0 d2=10 H=500 h1=120 t1=30 t2=20 t3=8 t4=6 t5=12 t6=16";
    QTest::newRow("box") << 2 << "B=400 B1=500 B2=500 d1=20 d2=20 H=800 t3=10 t4=10 t5=20 t6=20";
    QTest::newRow("box, unequal") << 2
                                  << "B=355.5 B1=480 B2=420 d1=40 d2=12.5 H=963.25 t3=14 t4=6 "
                                     "t5=25 t6=9";
    QTest::newRow("I-beam") << 3 << "B1=200 B2=200 t1=10 t2=10 H=400 t3=8";
    QTest::newRow("I-beam, unequal flanges") << 3 << "B1=320 B2=180.5 t1=22 t2=14 H=612.75 t3=11";
    QTest::newRow("channel") << 4 << "B1=100 t1=11 B2=100 t2=11 H=178 t3=7";
    QTest::newRow("channel, unequal flanges") << 4 << "B1=140.5 t1=9 B2=85 t2=16 H=260 t3=12.5";
    QTest::newRow("angle") << 5 << "t1=10 H=90 t2=10 B=100";
    QTest::newRow("angle, unequal legs") << 5 << "t1=6.5 H=143 t2=12 B=75.25";
    QTest::newRow("tee") << 6 << "B=200 t1=12 H=188 t2=9";
    QTest::newRow("tee, stubby") << 6 << "B=96.5 t1=31 H=40 t2=22.75";
}

// Area, centroid and second moments against an exact integration of the drawn outline, and
// the first moment above the neutral axis against the clipped outline.
void SectionPropertiesTest::agreesWithOutline() {
    QFETCH(int, code);
    QFETCH(QString, dimensions);
    const SectionDimensions d = Dimensions(dimensions);
    const SectionRecord r = Computed(code, d);
    const Drawing g = Draw(code, d);

    const Moments origin = Integrate(g.outlines);
    const double Xc = origin.firstX / origin.area, Yc = origin.firstY / origin.area;
    const Moments central = Integrate(g.outlines, Xc, Yc);
    const double x = g.xLeftward ? g.Xref - Xc : Xc - g.Xref;
    const double y = g.Yref - Yc;

    CHECK_SINGLE(r.A, origin.area, 0);
    CHECK_SINGLE(r.y, y, g.size);
    if (code == shapes::SteppedBox || code == shapes::Box || code == shapes::Channel ||
        code == shapes::Angle)
        CHECK_SINGLE(r.x, x, g.size);
    CHECK_SINGLE(r.Ix, central.secondX, 0);
    CHECK_SINGLE(r.Iy, central.secondY, 0);

    if (code == shapes::SteppedBox || code == shapes::Box || code == shapes::IBeam) {
        double Sx = Integrate(Above(g.outlines, Yc), 0, Yc).firstY;
        // The stepped box's first moment takes the whole upper web part as above the axis,
        // so an axis through that part counts the lower web's thickness t3 for the thinner
        // or thicker upper part t2 between axis and step.
        if (code == shapes::SteppedBox && y < d.h1)
            Sx += (d.t3 - d.t2) * (d.h1 - y) * (d.h1 - y) / 2;
        CHECK_SINGLE(r.Sx, Sx, 0);
    }
}

void SectionPropertiesTest::ringClosedForm_data() {
    QTest::addColumn<float>("R");
    QTest::addColumn<float>("t");
    QTest::newRow("tube 100 x 10") << 40.0f << 10.0f;
    QTest::newRow("thin wall") << 500.0f << 3.0f;
    QTest::newRow("solid bar") << 0.0f << 25.0f;
    QTest::newRow("fractional") << 13.75f << 2.5f;
}

// A ring of radii r and r + t with pi as 3.14: A = pi t (2r + t), I = pi/4 (ro^4 - ri^4),
// W = I / ro; the torsion constant takes pi as 3.1415: In = pi/2 (ro^4 - ri^4).
void SectionPropertiesTest::ringClosedForm() {
    QFETCH(float, R);
    QFETCH(float, t);
    SectionDimensions d;
    d.R = R, d.t = t;
    const SectionRecord r = Computed(shapes::Ring, d);
    const double ri = R, ro = static_cast<double>(R) + t;
    const double quartics = ro * ro * ro * ro - ri * ri * ri * ri;
    CHECK_SINGLE(r.A, 3.14 * t * (2 * ri + t), 0);
    CHECK_SINGLE(r.Ix, 3.14 / 4 * quartics, 0);
    CHECK_SINGLE(r.Iy, 3.14 / 4 * quartics, 0);
    CHECK_SINGLE(r.Wx1, 3.14 / 4 * quartics / ro, 0);
    CHECK_SINGLE(r.Wy1, 3.14 / 4 * quartics / ro, 0);
    CHECK_SINGLE(r.In, 3.1415 / 2 * quartics, 0);
}

void SectionPropertiesTest::trapezoidalBox() {
    // Symmetric: the section modulus to the bottom flange's right end takes its distance
    // from the centroid, 300 - 150.
    SectionRecord r = Computed(shapes::TrapezoidalBox,
                               Dimensions("B1=600 B2=300 d1=20 d2=20 d3=20 d4=20 H=800 t3=10 "
                                          "t4=10 t5=20 t6=20 l=150"));
    CHECK_SINGLE(r.Wy2, static_cast<double>(r.Iy) / 150, 0);
    CHECK_SINGLE(r.Wy1, static_cast<double>(r.Iy) / 300, 0);

    // Webs of different run and thickness: each web's area is its own inclined length, from
    // its joints on the flanges, times its own thickness.
    r = Computed(shapes::TrapezoidalBox, Dimensions("B1=700 B2=260 d1=30 d2=10 d3=15 d4=25 "
                                                    "H=600 t3=12 t4=8 t5=16 t6=24 l=90"));
    const double rightRun = (90 + 25) - 15;         // top joint 15, bottom joint 90 + 25
    const double leftRun = (700 - 30) - (90 + 250); // top joint 670, bottom joint 90 + 260 - 10
    const double A =
        700 * 16 + 260 * 24 + std::hypot(rightRun, 600) * 12 + std::hypot(leftRun, 600) * 8;
    CHECK_SINGLE(r.A, A, 0);
}

// An angle with equal legs (the horizontal leg measured over the vertical one) is the same
// section turned about its diagonal.
void SectionPropertiesTest::equalLegAngleIsSymmetric() {
    const SectionRecord r = Computed(shapes::Angle, Dimensions("t1=8 H=92 t2=8 B=100"));
    QCOMPARE(Printed(r.Ix), Printed(r.Iy));
    QCOMPARE(Printed(r.Wx1), Printed(r.Wy2));
    QCOMPARE(Printed(r.Wx2), Printed(r.Wy1));
}

void SectionPropertiesTest::zeroDimensionsStoreQuotientsUnchecked_data() {
    QTest::addColumn<int>("code");
    for (int code = 1; code <= 8; ++code)
        QTest::addRow("code %d", code) << code;
}

// A dialog accepted with every field at 0 computes without complaint: zero area and
// undefined quotients, stored as they come.
void SectionPropertiesTest::zeroDimensionsStoreQuotientsUnchecked() {
    QFETCH(int, code);
    const SectionRecord r = Computed(code, SectionDimensions{});
    QCOMPARE(r.shape, code);
    QCOMPARE(r.A, 0.0f);
    QVERIFY(std::isnan(r.Wx1));
    const bool closedCell =
        code == shapes::SteppedBox || code == shapes::Box || code == shapes::TrapezoidalBox;
    QVERIFY(closedCell ? std::isnan(r.In) : r.In == 0);
    if (code != shapes::Ring)
        QVERIFY(std::isnan(r.y));
}

void SectionPropertiesTest::unknownCodeLeavesRecord() {
    SectionRecord record;
    record.A = 3;
    record.shape = 2;
    const SectionRecord before = record;
    ComputeSectionProperties(record, 0, Dimensions("B=1 H=2 t1=3 t2=4"));
    ComputeSectionProperties(record, 9, Dimensions("B=1 H=2 t1=3 t2=4"));
    QVERIFY(record == before);
}

QTEST_APPLESS_MAIN(SectionPropertiesTest)
#include "tst_sectionproperties.moc"
