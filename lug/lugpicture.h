#pragma once

#include <QWidget>

namespace lug {

// The lug as the engineer dimensions it: the base A1–B1 of length L welded down, the
// horizontal section A2–B2 through the hole centre, the vertical section A3–B3 above the hole,
// the top radius R, the hole radius r and the pull F at the angle θ.
class LugPicture : public QWidget {
public:
    explicit LugPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The reference grid of allowable stresses [σ] by steel and plate thickness, drawn with lines
// under the [σ] field; the window only shows it.
class AllowableStressGrid : public QWidget {
public:
    explicit AllowableStressGrid(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lug
