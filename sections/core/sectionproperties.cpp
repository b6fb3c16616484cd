#include "sectionproperties.h"

#include <cmath>
#include <span>

namespace sections {
namespace {

// The rectangles' own moments in the box, I-beam, channel, angle and tee sections take 1/12
// as the single-precision constant, as the hand tables of these sections were computed; the
// trapezoidal box takes it in full double precision.
constexpr double SingleTwelfth = static_cast<double>(0.083333336f);
constexpr double DoubleTwelfth = 1.0 / 12.0;

float Store(double value) {
    return static_cast<float>(value);
}

// One rectangular plate of a built-up section: area a, centroid depth z below the horizontal
// reference line, centroid offset u from the vertical reference line, own height h and width w.
struct Element {
    double a, z, u, h, w;
};

struct PlateSums {
    double A, x, y, Ix, Iy;
};

PlateSums SumPlates(std::span<const Element> elements) {
    PlateSums s{};
    double az = 0, au = 0;
    for (const Element &e : elements) {
        s.A += e.a;
        az += e.a * e.z;
        au += e.a * e.u;
    }
    s.y = az / s.A;
    s.x = au / s.A;
    for (const Element &e : elements) {
        s.Ix += e.a * (e.h * e.h * SingleTwelfth + (e.z - s.y) * (e.z - s.y));
        s.Iy += e.a * (e.w * e.w * SingleTwelfth + (e.u - s.x) * (e.u - s.x));
    }
    return s;
}

// Shear centre and Bredt torsion constant of a single-cell box on the mid-lines of its plates:
// only the lower part t3 of the right web and the plate t5 of the top flange enter.
void StoreBoxCellProperties(SectionRecord &r, double B, double H, double t3, double t4, double t5,
                            double t6) {
    const double b0 = B + (t3 + t4) / 2;
    const double h0 = H + (t5 + t6) / 2;
    r.ex = Store(b0 * t4 / (t3 + t4) - t3 / 2);
    r.ey = Store(h0 * t6 / (t5 + t6) - t5 / 2);
    r.In = Store(4 * (b0 * h0) * (b0 * h0) / (b0 / t5 + b0 / t6 + h0 / t4 + h0 / t3));
}

void ComputeSteppedBox(SectionRecord &r, const SectionDimensions &d) {
    r.B = d.B, r.B1 = d.B1, r.b1 = d.b1, r.B2 = d.B2, r.d1 = d.d1, r.d2 = d.d2, r.H = d.H;
    r.h1 = d.h1, r.t1 = d.t1, r.t2 = d.t2, r.t3 = d.t3, r.t4 = d.t4, r.t5 = d.t5, r.t6 = d.t6;
    const double B = d.B, B1 = d.B1, b1 = d.b1, B2 = d.B2, d1 = d.d1, d2 = d.d2, H = d.H;
    const double h1 = d.h1, t1 = d.t1, t2 = d.t2, t3 = d.t3, t4 = d.t4, t5 = d.t5, t6 = d.t6;

    // z downward from the underside of the top flange, u leftward from the right web's inner face.
    const Element elements[] = {
        {B1 * t5, -t5 / 2, B + t4 + d1 - B1 / 2, t5, B1},
        {b1 * t1, -t1 / 2, B + t4 + d1 - B1 - b1 / 2, t1, b1},
        {h1 * t2, h1 / 2, -t2 / 2, h1, t2},
        {(H - h1) * t3, (H + h1) / 2, -t3 / 2, H - h1, t3},
        {H * t4, H / 2, B + t4 / 2, H, t4},
        {B2 * t6, H + t6 / 2, B + t4 + d2 - B2 / 2, t6, B2},
    };
    const PlateSums s = SumPlates(elements);
    const double x = s.x, y = s.y;
    r.A = Store(s.A);
    r.x = Store(x);
    r.y = Store(y);
    r.Ix = Store(s.Ix);
    r.Iy = Store(s.Iy);
    r.Wx1 = Store(s.Ix / (y + t1));
    r.Wx2 = Store(s.Ix / (H + t6 - y));
    r.Wy1 = Store(s.Iy / (x + B1 + b1 - B - t4 - d1));
    r.Wy2 = Store(s.Iy / (x + B2 - B - t4 - d2));
    // The whole upper web part counts as lying above the neutral axis, also when the axis
    // passes through it.
    r.Sx = Store(B1 * t5 * (y + t5 / 2) + b1 * t1 * (y + t1 / 2) + h1 * t2 * (y - h1 / 2) +
                 t3 * (y - h1) * (y - h1) / 2 + t4 * y * y / 2);
    StoreBoxCellProperties(r, B, H, t3, t4, t5, t6);
}

void ComputeBox(SectionRecord &r, const SectionDimensions &d) {
    r.B = d.B, r.B1 = d.B1, r.B2 = d.B2, r.d1 = d.d1, r.d2 = d.d2, r.H = d.H;
    r.t3 = d.t3, r.t4 = d.t4, r.t5 = d.t5, r.t6 = d.t6;
    r.b1 = 0, r.h1 = 0, r.t1 = 0, r.t2 = 0;
    const double B = d.B, B1 = d.B1, B2 = d.B2, d1 = d.d1, d2 = d.d2, H = d.H;
    const double t3 = d.t3, t4 = d.t4, t5 = d.t5, t6 = d.t6;

    const Element elements[] = {
        {B1 * t5, -t5 / 2, B + t4 + d1 - B1 / 2, t5, B1},
        {H * t3, H / 2, -t3 / 2, H, t3},
        {H * t4, H / 2, B + t4 / 2, H, t4},
        {B2 * t6, H + t6 / 2, B + t4 + d2 - B2 / 2, t6, B2},
    };
    const PlateSums s = SumPlates(elements);
    const double x = s.x, y = s.y;
    r.A = Store(s.A);
    r.x = Store(x);
    r.y = Store(y);
    r.Ix = Store(s.Ix);
    r.Iy = Store(s.Iy);
    r.Wx1 = Store(s.Ix / (y + t5));
    r.Wx2 = Store(s.Ix / (H + t6 - y));
    r.Wy1 = Store(s.Iy / (x + B1 - B - t4 - d1));
    r.Wy2 = Store(s.Iy / (x + B2 - B - t4 - d2));
    r.Sx = Store(B1 * t5 * (y + t5 / 2) + (t3 + t4) * y * y / 2);
    StoreBoxCellProperties(r, B, H, t3, t4, t5, t6);
}

void ComputeIBeam(SectionRecord &r, const SectionDimensions &d) {
    r.B1 = d.B1, r.B2 = d.B2, r.H = d.H, r.t1 = d.t1, r.t2 = d.t2, r.t3 = d.t3;
    const double B1 = d.B1, B2 = d.B2, H = d.H, t1 = d.t1, t2 = d.t2, t3 = d.t3;

    const double A = B1 * t1 + B2 * t2 + H * t3;
    const double yb = (B1 * t1 * (t2 + H + t1 / 2) + B2 * t2 * t2 / 2 + H * t3 * (t2 + H / 2)) / A;
    const double y = t2 + H - yb;
    const double Ix = (B1 * t1 * t1 * t1 + B2 * t2 * t2 * t2 + t3 * H * H * H) * SingleTwelfth +
                      B1 * t1 * (y + t1 / 2) * (y + t1 / 2) +
                      B2 * t2 * (yb - t2 / 2) * (yb - t2 / 2) +
                      H * t3 * (t2 + H / 2 - yb) * (t2 + H / 2 - yb);
    const double Iy = (t1 * B1 * B1 * B1 + t2 * B2 * B2 * B2 + H * t3 * t3 * t3) * SingleTwelfth;
    r.A = Store(A);
    r.y = Store(y);
    r.Ix = Store(Ix);
    r.Iy = Store(Iy);
    r.Wx1 = Store(Ix / (y + t1));
    r.Wx2 = Store(Ix / yb);
    r.Wy1 = Store(Iy / (B1 / 2));
    r.Wy2 = Store(Iy / (B2 / 2));
    r.Sx = Store(B1 * t1 * (y + t1 / 2) + t3 * y * y / 2);
    // Rolled I-beams take the torsion factor 1.3/3 for their fillets.
    r.In = Store(0.43333333333333335 * (B1 * t1 * t1 * t1 + B2 * t2 * t2 * t2 + H * t3 * t3 * t3));
}

void ComputeChannel(SectionRecord &r, const SectionDimensions &d) {
    r.B1 = d.B1, r.B2 = d.B2, r.H = d.H, r.t1 = d.t1, r.t2 = d.t2, r.t3 = d.t3;
    const double B1 = d.B1, B2 = d.B2, H = d.H, t1 = d.t1, t2 = d.t2, t3 = d.t3;

    const double A = B1 * t1 + B2 * t2 + H * t3;
    const double xo = (H * t3 * t3 + t1 * B1 * B1 + t2 * B2 * B2) / (2 * A);
    const double x = xo - t3;
    const double yb = (B1 * t1 * (t2 + H + t1 / 2) + H * t3 * (t2 + H / 2) + B2 * t2 * t2 / 2) / A;
    const double y = t2 + H - yb;
    const double Ix = B1 * t1 * (y + t1 / 2) * (y + t1 / 2) + B1 * t1 * t1 * t1 * SingleTwelfth +
                      H * t3 * (t2 + H / 2 - yb) * (t2 + H / 2 - yb) +
                      t3 * H * H * H * SingleTwelfth + B2 * t2 * (yb - t2 / 2) * (yb - t2 / 2) +
                      B2 * t2 * t2 * t2 * SingleTwelfth;
    const double Iy = (H * t3 * t3 * t3 + t1 * B1 * B1 * B1 + t2 * B2 * B2 * B2) * SingleTwelfth +
                      B1 * t1 * (B1 / 2 - xo) * (B1 / 2 - xo) +
                      B2 * t2 * (B2 / 2 - xo) * (B2 / 2 - xo) +
                      H * t3 * (x + t3 / 2) * (x + t3 / 2);
    r.A = Store(A);
    r.x = Store(x);
    r.y = Store(y);
    r.Ix = Store(Ix);
    r.Iy = Store(Iy);
    r.Wx1 = Store(Ix / (y + t1));
    r.Wx2 = Store(Ix / yb);
    r.Wy1 = Store(Iy / (B1 - xo));
    r.Wy2 = Store(Iy / (B2 - xo));
    // Thin-walled open section, factor 1.12/3: the web over the full height, the flanges
    // only where they stand out beyond it.
    r.In = Store(0.37333333333333335 * ((H + t1 + t2) * t3 * t3 * t3 + (B1 - t3) * t1 * t1 * t1 +
                                        (B2 - t3) * t2 * t2 * t2));
}

void ComputeAngle(SectionRecord &r, const SectionDimensions &d) {
    r.B = d.B, r.H = d.H, r.t1 = d.t1, r.t2 = d.t2;
    const double B = d.B, H = d.H, t1 = d.t1, t2 = d.t2;

    const double A = B * t2 + H * t1;
    const double xo = (H * t1 * t1 + t2 * B * B) / (2 * A);
    const double x = xo - t1;
    const double yb = (H * t1 * (t2 + H / 2) + B * t2 * t2 / 2) / A;
    const double y = t2 + H - yb;
    const double Ix = H * t1 * (t2 + H / 2 - yb) * (t2 + H / 2 - yb) +
                      t1 * H * H * H * SingleTwelfth + B * t2 * (yb - t2 / 2) * (yb - t2 / 2) +
                      B * t2 * t2 * t2 * SingleTwelfth;
    const double Iy = H * t1 * (x + t1 / 2) * (x + t1 / 2) + H * t1 * t1 * t1 * SingleTwelfth +
                      B * t2 * (B / 2 - t1 - x) * (B / 2 - t1 - x) + t2 * B * B * B * SingleTwelfth;
    r.A = Store(A);
    r.x = Store(x);
    r.y = Store(y);
    r.Ix = Store(Ix);
    r.Iy = Store(Iy);
    r.Wx1 = Store(Ix / y);
    r.Wx2 = Store(Ix / yb);
    r.Wy1 = Store(Iy / (x + t1));
    r.Wy2 = Store(Iy / (B - xo));
    r.In = Store(0.37333333333333335 * ((B - t1) * t2 * t2 * t2 + H * t1 * t1 * t1));
}

void ComputeTee(SectionRecord &r, const SectionDimensions &d) {
    r.B = d.B, r.H = d.H, r.t1 = d.t1, r.t2 = d.t2;
    const double B = d.B, H = d.H, t1 = d.t1, t2 = d.t2;

    const double A = B * t1 + H * t2;
    const double yb = (B * t1 * (H + t1 / 2) + H * t2 * H / 2) / A;
    const double y = H - yb;
    const double Ix = H * t2 * (H / 2 - y) * (H / 2 - y) + t2 * H * H * H * SingleTwelfth +
                      B * t1 * (y + t1 / 2) * (y + t1 / 2) + B * t1 * t1 * t1 * SingleTwelfth;
    const double Iy = (t1 * B * B * B + H * t2 * t2 * t2) * SingleTwelfth;
    r.A = Store(A);
    r.y = Store(y);
    r.Ix = Store(Ix);
    r.Iy = Store(Iy);
    r.Wx1 = Store(Ix / (y + t1));
    r.Wx2 = Store(Ix / yb);
    r.Wy1 = Store(Iy / (B / 2));
    r.Wy2 = Store(Iy / (t2 / 2));
    r.In = Store(0.37333333333333335 * (H * t2 * t2 * t2 + B * t1 * t1 * t1));
}

void ComputeRing(SectionRecord &r, const SectionDimensions &d) {
    r.B = d.R, r.t1 = d.t;
    const double R = d.R, t = d.t;

    // The tube tables take pi as 3.14, and 3.1415 for the torsion constant.
    const double D = 2 * (R + t);
    const double di = 2 * R;
    const double diameterTerm = D * D * D * D - di * di * di * di;
    r.A = Store(3.14 * (R + t) * (R + t) - 3.14 * R * R);
    const double I = 0.0490625 * diameterTerm;
    r.Ix = Store(I);
    r.Iy = Store(I);
    const double W = 3.14 / (32 * D) * diameterTerm;
    r.Wx1 = Store(W);
    r.Wy1 = Store(W);
    r.In = Store(0.098171875 * diameterTerm);
}

void ComputeTrapezoidalBox(SectionRecord &r, const SectionDimensions &d) {
    r.B1 = d.B1, r.B2 = d.B2, r.d1 = d.d1, r.d2 = d.d2, r.l = d.l, r.d3 = d.d3, r.d4 = d.d4;
    r.H = d.H, r.t3 = d.t3, r.t4 = d.t4, r.t5 = d.t5, r.t6 = d.t6;
    const double B1 = d.B1, B2 = d.B2, d1 = d.d1, d2 = d.d2, d3 = d.d3, d4 = d.d4, H = d.H;
    const double l = d.l, t3 = d.t3, t4 = d.t4, t5 = d.t5, t6 = d.t6;

    // Horizontal runs and inclined lengths of the right and left webs.
    const double sr = l - d3 + d4;
    const double Lr = std::sqrt(sr * sr + H * H);
    const double sl = B1 - l - B2 - d1 + d2;
    const double Ll = std::sqrt(sl * sl + H * H);

    // z downward from the underside of the top flange, u leftward from the top flange's right
    // end. The centroid takes the webs at their outer faces; their own lateral moments take
    // them at the mid-thickness.
    const double a[] = {B1 * t5, B2 * t6, Lr * t3, Ll * t4};
    const double z[] = {-t5 / 2, H + t6 / 2, H / 2, H / 2};
    const double u1[] = {B1 / 2, l + B2 / 2, d3 + sr / 2, B1 - d1 - sl / 2};
    const double u2[] = {B1 / 2, l + B2 / 2, d3 + sr / 2 + t3 / 2, B1 - d1 - sl / 2 - t4 / 2};

    double A = 0, az = 0, au = 0;
    for (int i = 0; i < 4; ++i) {
        A += a[i];
        az += a[i] * z[i];
        au += a[i] * u1[i];
    }
    const double y = az / A;
    const double x = au / A;
    // The webs' own moments take their horizontal thickness over the clear height.
    double Ix =
        (B1 * t5 * t5 * t5 + B2 * t6 * t6 * t6 + t3 * H * H * H + t4 * H * H * H) * DoubleTwelfth;
    double Iy = (t5 * B1 * B1 * B1 + t6 * B2 * B2 * B2 + H * t3 * t3 * t3 + H * t4 * t4 * t4) *
                DoubleTwelfth;
    for (int i = 0; i < 4; ++i)
        Ix += a[i] * (z[i] - y) * (z[i] - y);
    for (int i = 0; i < 4; ++i)
        Iy += a[i] * (u2[i] - x) * (u2[i] - x);

    r.A = Store(A);
    r.x = Store(x);
    r.y = Store(y);
    r.Ix = Store(Ix);
    r.Iy = Store(Iy);
    r.Wx1 = Store(Ix / (y + t5));
    r.Wx2 = Store(Ix / (H + t6 - y));
    r.Wy1 = Store(Iy / x);
    r.Wy2 = Store(Iy / (x - l));

    // Bredt's closed cell on the mid-lines of the flanges and the inclined webs.
    const double h0 = H + (t5 + t6) / 2;
    const double bTop = B1 - d1 - d3 - (t3 + t4) / 2;
    const double bBottom = B2 - d2 - d4 - (t3 + t4) / 2;
    const double Am = h0 * (bTop + bBottom) / 2;
    r.In = Store(4 * Am * Am / (bTop / t5 + bBottom / t6 + Lr / t3 + Ll / t4));
}

} // namespace

void ComputeSectionProperties(SectionRecord &record, std::int32_t shapeCode,
                              const SectionDimensions &dimensions) {
    switch (shapeCode) {
    case shapes::SteppedBox:
        ComputeSteppedBox(record, dimensions);
        break;
    case shapes::Box:
        ComputeBox(record, dimensions);
        break;
    case shapes::IBeam:
        ComputeIBeam(record, dimensions);
        break;
    case shapes::Channel:
        ComputeChannel(record, dimensions);
        break;
    case shapes::Angle:
        ComputeAngle(record, dimensions);
        break;
    case shapes::Tee:
        ComputeTee(record, dimensions);
        break;
    case shapes::Ring:
        ComputeRing(record, dimensions);
        break;
    case shapes::TrapezoidalBox:
        ComputeTrapezoidalBox(record, dimensions);
        break;
    default:
        return;
    }
    record.shape = shapeCode;
}

} // namespace sections
