#pragma once

#include "ropeselection.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace hoistrope {

// The window Form1 of galtry: the rope strength, core and sling arrangement, the hook height,
// spread, width and load, and the rope diameter and shackle that suit them.
class RopeSelectionWindow : public QWidget {
public:
    explicit RopeSelectionWindow(QWidget *parent = nullptr);

private:
    void createWidgets();
    void createConnections();
    void calculate();

    QComboBox *strengthList_ = nullptr;      // klqd
    QComboBox *coreList_ = nullptr;          // sxcz
    QComboBox *slingList_ = nullptr;         // ddfb
    QLineEdit *heightField_ = nullptr;       // Text1
    QLineEdit *spreadField_ = nullptr;       // Text2
    QLineEdit *widthField_ = nullptr;        // Text3
    QLineEdit *loadField_ = nullptr;         // Text5
    QLineEdit *diameterField_ = nullptr;     // Text4
    QLineEdit *shackleField_ = nullptr;      // Text6
    QPushButton *calculateButton_ = nullptr; // Command1

    // The values kept between clicks, the coefficient among them.
    SlingLift lift_;
    RopeSelection selection_;
};

} // namespace hoistrope
