#pragma once

#include <QWidget>

namespace hoistrope {

// The sketch beside the inputs: on the left a long load on two slings from one hook, with the
// hook height H and the spread L; on the right a rectangular load on four slings, with H, the
// length L and the width B.
class SlingSketch : public QWidget {
public:
    explicit SlingSketch(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace hoistrope
