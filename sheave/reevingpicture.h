#pragma once

#include <QWidget>

class QPainter;

namespace sheave {

// The dimensioned sketch of one reeving arrangement: drum R0 at upper left, the fixed sheave R2
// to its right and lower by h, the hook block with its moving sheaves below, the rope falls as
// true common tangents, and for arrangements 7 to 10 the balance arm point further right.
// Drawn as lines, so it stays crisp at any size.
class ReevingPicture : public QWidget {
    Q_OBJECT
public:
    ReevingPicture(int arrangement, QWidget *parent = nullptr);

    int arrangement() const { return arrangement_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int arrangement_;
};

// Draws the sketch of arrangement 1 to 10 centred in target, keeping its proportions.
void DrawReevingSketch(QPainter &painter, const QRectF &target, int arrangement);

} // namespace sheave
