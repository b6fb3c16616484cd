#pragma once

#include <QPixmap>
#include <QRectF>
#include <QWidget>

class QPainter;

// The line drawings of fenwold: the eight section shapes with their dimension letters, the
// chooser's picture buttons and the frames of the turning window icon. All are painted, so they
// stay sharp on the screen, in the print preview and on paper.
namespace fenwold {

// The pictures are drawn on a square of this many units, the size of the report's bitmaps.
constexpr int ShapePictureSize = 200;
constexpr int ButtonPictureSize = 113;
constexpr int IconFrameCount = 4;

// The bitmap resource id that stands for a shape's picture (164 for the stepped box, ...);
// 0 for a code outside 1 to 8.
int ShapePictureId(int shape);

// The outline of the shape with its dimensions, the x and y axes through the centroid o and,
// for the two boxes, the shear centre e; stretched into target. Nothing for a code outside 1-8.
void DrawShapePicture(QPainter &painter, int shape, const QRectF &target);

// The bare outline of the shape, as the chooser's buttons show it.
void DrawShapeOutline(QPainter &painter, int shape, const QRectF &target);

// A chooser button picture of 113 x 113: raised when up, sunken and shifted when down.
QPixmap ButtonPicture(int shape, bool down, qreal devicePixelRatio = 1.0);

// One frame (0 to 3) of the window icon: a four-coloured pinwheel turned a quarter per frame.
QPixmap IconFrame(int frame, int size = 16);

// A picture control of an input dialog: the shape's picture at its natural size.
class ShapePicture : public QWidget {
public:
    ShapePicture(int shape, QWidget *parent);
    int shape() const { return shape_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int shape_;
};

} // namespace fenwold
