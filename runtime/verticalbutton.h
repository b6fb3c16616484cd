#pragma once

#include <QPushButton>

namespace runtime {

// A tall, narrow button whose caption runs down it one character under the other, as the
// solve and clear buttons stand between the input and result frames. The caption text itself
// is kept whole ("︻求  解︼"); a blank in it leaves half a line of space.
class VerticalTextButton : public QPushButton {
    Q_OBJECT
public:
    VerticalTextButton(const QString &name, const QString &text, const QRect &geometry,
                       QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace runtime
