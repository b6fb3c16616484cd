#pragma once

#include <QWidget>

class QPainter;

namespace girder {

// A cross-section line drawing with its dimension letters, drawn in its own drawing units and
// scaled to the widget so that it stays sharp at any size and screen scale.
class SectionSketch : public QWidget {
    Q_OBJECT
public:
    SectionSketch(const QString &name, const QSizeF &drawingSize, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    virtual void drawSection(QPainter &painter) const = 0;

    // Drawing helpers in drawing units.
    static void drawPlate(QPainter &painter, const QRectF &plate);
    static void drawDimension(QPainter &painter, const QPointF &from, const QPointF &to,
                              const QString &letter, const QPointF &letterOffset);
    static void drawExtension(QPainter &painter, const QPointF &from, const QPointF &to);
    static void drawLetter(QPainter &painter, const QPointF &centre, const QString &letter);
    static void drawLeader(QPainter &painter, const QPointF &letterAt, const QPointF &pointAt,
                           const QString &letter);
    static void drawCentroidLine(QPainter &painter, double left, double right, double y);

private:
    QSizeF drawingSize_;
};

// The welded box girder: flanges B1 × t1 and B2 × t2, webs t3 × H standing B3 apart, the
// centroid height Yc above the underside.
class BoxSectionSketch : public SectionSketch {
    Q_OBJECT
public:
    explicit BoxSectionSketch(QWidget *parent);

protected:
    void drawSection(QPainter &painter) const override;
};

// The plate box on a rolled I-beam: top and side plates (L1, t1, h1), inclined plates (t2, L2),
// the I-beam (h2, B) free over h3, the reinforcing plate (L3, t3), total height H and the
// centroid height C.
class IBeamSectionSketch : public SectionSketch {
    Q_OBJECT
public:
    explicit IBeamSectionSketch(QWidget *parent);

protected:
    void drawSection(QPainter &painter) const override;
};

} // namespace girder
