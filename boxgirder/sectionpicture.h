#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QPainter;

namespace elsbrook {

// The places of the seven dimension texts on the section drawing, in the order of their labels:
// H, B, B1, T1, T2 and the thickness of each web.
enum SectionDimension { DimH, DimB, DimB1, DimT1, DimT2, DimT3Left, DimT3Right, DimensionCount };

// The cross-section of the box girder as the engineer sketches it: two flange plates
// overhanging two webs, with dimension lines for the height, the flange width, the clear width
// between the webs and the plate thicknesses. Drawn with lines, not pixels, so that it stays
// sharp on screen and on paper. Its drawing space is SectionDrawingSize, scaled to fit.
class SectionDrawing {
public:
    static constexpr double Width = 340;
    static constexpr double Height = 340;

    // Draws the section into target, keeping its proportions, centred.
    static void Draw(QPainter &painter, const QRectF &target);
    // Draws the section and the given dimension texts at their places.
    static void DrawWithTexts(QPainter &painter, const QRectF &target,
                              const std::array<QString, DimensionCount> &texts);
    // Where the text of a dimension of the given size goes, in drawing space.
    static QRectF TextPlace(SectionDimension dimension, const QSizeF &textSize);
};

// The picture box `PicOutput` that shows the section drawing; the windows place their labels
// `Label7(…)` on its dimension lines with PlaceLabel.
class SectionPicture : public QWidget {
    Q_OBJECT
public:
    explicit SectionPicture(QWidget *parent);

    // Sizes the label to its text and puts it on the dimension line of the given dimension.
    void PlaceLabel(QLabel *label, SectionDimension dimension) const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace elsbrook
