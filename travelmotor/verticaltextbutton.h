#pragma once

#include <QPushButton>

namespace travelmotor {

// A tall narrow push button whose caption reads top to bottom, one character under the other,
// as the vertical brackets of a caption such as "︻清  空︼" are meant to be read. The caption
// stays the button's text as written.
class VerticalTextButton : public QPushButton {
    Q_OBJECT
public:
    VerticalTextButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace travelmotor
