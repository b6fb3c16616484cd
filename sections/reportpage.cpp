#include "reportpage.h"

#include "formwidgets.h"
#include "sectionpictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fenwold {
namespace {

using sections::SectionRecord;

class PageWriter {
public:
    explicit PageWriter(QList<ReportItem> &items) : items_(items) {}

    void label(int x, int y, const QString &text) { items_.append({QPoint(x, y), text}); }
    // A symbol with "=" and its value 50 units to the right.
    void value(int x, int y, const char *symbol, float number) {
        label(x, y, QString::fromLatin1(symbol) + QLatin1Char('='));
        label(x + 50, y, ReportNumber(number));
    }

private:
    QList<ReportItem> &items_;
};

void dimensions(PageWriter &page, const SectionRecord &r) {
    page.label(300, 70, QStringLiteral("截面外形尺寸:"));
    switch (r.shape) {
    case 1:
    case 2:
        page.value(300, 100, "B", r.B);
        page.value(450, 100, "t5", r.t5);
        page.value(600, 100, "H", r.H);
        page.value(300, 130, "t3", r.t3);
        page.value(450, 130, "t4", r.t4);
        page.value(600, 130, "B1", r.B1);
        page.value(300, 160, "B2", r.B2);
        page.value(450, 160, "t6", r.t6);
        page.value(600, 160, "d1", r.d1);
        page.value(300, 190, "d2", r.d2);
        if (r.shape == 1) {
            page.value(450, 190, "b1", r.b1);
            page.value(600, 190, "t1", r.t1);
            page.value(300, 220, "t2", r.t2);
            page.value(450, 220, "h1", r.h1);
        }
        break;
    case 3:
    case 4:
        page.value(300, 100, "B1", r.B1);
        page.value(450, 100, "t1", r.t1);
        page.value(600, 100, "H", r.H);
        page.value(300, 130, "t3", r.t3);
        page.value(450, 130, "t2", r.t2);
        page.value(600, 130, "B2", r.B2);
        break;
    case 5:
    case 6:
        page.value(300, 100, "B", r.B);
        page.value(450, 100, "t1", r.t1);
        page.value(600, 100, "H", r.H);
        page.value(300, 130, "t2", r.t2);
        break;
    case 7:
        page.value(300, 100, "R", r.B);
        page.value(450, 100, "t", r.t1);
        break;
    case 8:
        page.value(300, 100, "B1", r.B1);
        page.value(450, 100, "t5", r.t5);
        page.value(600, 100, "H", r.H);
        page.value(300, 130, "t3", r.t3);
        page.value(450, 130, "t4", r.t4);
        page.value(600, 130, "B2", r.B2);
        page.value(300, 160, "t6", r.t6);
        page.value(450, 160, "d1", r.d1);
        page.value(600, 160, "d2", r.d2);
        page.value(300, 190, "d3", r.d3);
        page.value(450, 190, "d4", r.d4);
        page.value(600, 190, "l", r.l);
        break;
    default:
        break;
    }
}

// The three box sections: results from row 250 down.
void boxResults(PageWriter &page, const SectionRecord &r) {
    const bool trapezoid = r.shape == 8;
    page.label(300, 250, QStringLiteral("fenwold计算结果:"));
    page.label(300, 280, QStringLiteral("截面面积:"));
    page.value(300, 310, "A", r.A);
    page.label(300, 340, QStringLiteral("截面形心距:"));
    page.value(300, 370, "x", r.x);
    page.value(450, 370, "y", r.y);
    if (!trapezoid) {
        page.label(300, 400, QStringLiteral("截面弯心距:"));
        page.value(300, 430, "ex", r.ex);
        page.value(450, 430, "ey", r.ey);
    }
    page.label(300, 460, QStringLiteral("截面惯性距:"));
    page.value(300, 490, "Ix", r.Ix);
    page.value(500, 490, "Iy", r.Iy);
    page.label(300, 520, QStringLiteral("截面抗弯系数:"));
    page.label(300, 550, QStringLiteral("截面抗弯系数(上右点及下右点):"));
    page.value(300, 580, "Wx1", r.Wx1);
    page.value(500, 580, "Wy1", r.Wy1);
    page.value(300, 610, "Wx2", r.Wx2);
    page.value(500, 610, "Wy2", r.Wy2);
    if (!trapezoid) {
        page.label(300, 640, QStringLiteral("中性轴以上截面对中性轴静面矩:"));
        page.value(300, 670, "Sx", r.Sx);
    }
    page.label(300, 700, QStringLiteral("形心矩:"));
    page.value(300, 730, "x", r.x);
    page.value(500, 730, "y", r.y);
    page.label(300, 760, QStringLiteral("自由扭转惯性矩:"));
    page.value(300, 790, "In", r.In);
}

// The open sections and the ring: results from row 160 down.
void openResults(PageWriter &page, const SectionRecord &r) {
    const int shape = r.shape;
    page.label(300, 160, QStringLiteral("fenwold计算结果:"));
    page.label(300, 190, QStringLiteral("截面面积:"));
    page.value(300, 220, "A", r.A);
    if (shape != 7) {
        page.label(300, 250, QStringLiteral("截面形心距:"));
        if (shape == 4 || shape == 5) {
            page.value(300, 280, "x", r.x);
            page.value(450, 280, "y", r.y);
        } else {
            page.value(300, 280, "y", r.y);
        }
    }
    page.label(300, 310, QStringLiteral("截面惯性距:"));
    page.value(300, 340, "Ix", r.Ix);
    page.value(300, 370, "Iy", r.Iy);
    page.label(300, 400, QStringLiteral("截面抗弯系数:"));
    if (shape == 7) {
        page.value(300, 460, "Wx", r.Wx1);
        page.value(300, 490, "Wy", r.Wy1);
        page.label(300, 520, QStringLiteral("自由扭转惯性矩:"));
        page.value(300, 550, "In", r.In);
        return;
    }
    const bool pointsOnly = shape >= 5; // angle and tee name the upper point alone
    page.label(300, 430,
               pointsOnly ? QStringLiteral("截面抗弯系数(上点):")
                          : QStringLiteral("截面抗弯系数(上右点):"));
    page.value(300, 460, "Wx1", r.Wx1);
    page.value(300, 490, "Wy1", r.Wy1);
    page.label(300, 520,
               shape == 6 ? QStringLiteral("截面抗弯系数(下点):")
                          : QStringLiteral("截面抗弯系数(下右点):"));
    page.value(300, 550, "Wx2", r.Wx2);
    page.value(300, 580, "Wy2", r.Wy2);
    if (shape == 3) {
        page.label(300, 610, QStringLiteral("中性轴以上截面对中性轴静面矩:"));
        page.value(300, 640, "Sx", r.Sx);
        page.label(300, 670, QStringLiteral("自由扭转惯性矩:"));
        page.value(300, 700, "In", r.In);
    } else {
        page.label(300, 610, QStringLiteral("自由扭转惯性矩:"));
        page.value(300, 640, "In", r.In);
    }
}

bool isShape(int shape) {
    return shape >= 1 && shape <= 8;
}

} // namespace

QString ReportNumber(float value) {
    // The C library's fixed-point conversion rounds the exact binary value, so a float lying
    // exactly on a half (12417.25) goes to the even digit; Qt's own formatting would round it up.
    // A quotient without a value prints as "nan" whatever its sign bit.
    if (std::isnan(value))
        return QStringLiteral("nan");
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", double(value));
    return QString::fromLatin1(text);
}

QList<ReportItem> ReportItems(const SectionRecord &record) {
    QList<ReportItem> items;
    PageWriter page(items);
    page.label(300, 40, QStringLiteral("截面外形尺寸及特性计算结果如下："));
    if (!isShape(record.shape))
        return items;
    dimensions(page, record);
    if (record.shape == 1 || record.shape == 2 || record.shape == 8)
        boxResults(page, record);
    else
        openResults(page, record);
    return items;
}

QFont ReportFont() {
    // SimSun sets letters and digits at half the character height, so "Wx1=" fits before its
    // value 50 units on; the monospaced Simplified Chinese face keeps that where SimSun is missing.
    QFont font = runtime::FormFont(QStringLiteral("宋体"));
    font.setFamilies(QStringList{QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                 QStringLiteral("NSimSun"),
                                 QStringLiteral("Noto Sans Mono CJK SC")} +
                     font.families());
    font.setPixelSize(ReportFontHeight);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

qreal ReportScale(const QSize &deviceSize) {
    return std::min(qreal(deviceSize.width()) / ReportPageWidth,
                    qreal(deviceSize.height()) / ReportPageHeight);
}

void DrawReportPage(QPainter &painter, const SectionRecord &record, const QSize &deviceSize) {
    painter.save();
    const qreal scale = ReportScale(deviceSize);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(ReportFont());
    painter.setPen(Qt::black);
    for (const ReportItem &item : ReportItems(record))
        painter.drawText(QRectF(item.at, QSizeF(ReportPageWidth, 2 * ReportFontHeight)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                         item.text);
    if (isShape(record.shape))
        DrawShapePicture(painter, record.shape, QRectF(ReportPictureRect));
    painter.restore();
}

} // namespace fenwold
