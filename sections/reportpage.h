#pragma once

#include "sectionrecord.h"

#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The report page of the current section: a logical page of 800 x 1000 units, scaled
// isotropically to whatever draws it (window, print preview, printer).
namespace fenwold {

constexpr int ReportPageWidth = 800;
constexpr int ReportPageHeight = 1000;
constexpr int ReportFontHeight = 20;
const QRect ReportPictureRect(20, 80, 220, 280);

// One text of the page: its top left corner in page units and the text.
struct ReportItem {
    QPoint at;
    QString text;
    friend bool operator==(const ReportItem &, const ReportItem &) = default;
};

// Every text of the page for the record, in drawing order: the heading always, and for a shape
// code 1 to 8 its dimensions and its results. Labels stand at a column, values 50 units right.
QList<ReportItem> ReportItems(const sections::SectionRecord &record);

// A value as the report prints it: fixed point with one decimal.
QString ReportNumber(float value);

// The report font: "宋体" of 20 units with the Simplified Chinese faces behind it.
QFont ReportFont();

// Page units to device pixels: the smaller of the two ratios, so the page keeps its shape.
qreal ReportScale(const QSize &deviceSize);

// Draws the whole page for a device of the given size in pixels, the page's top left corner at
// the painter's origin.
void DrawReportPage(QPainter &painter, const sections::SectionRecord &record,
                    const QSize &deviceSize);

} // namespace fenwold
