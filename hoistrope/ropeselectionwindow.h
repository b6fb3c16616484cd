#pragma once

#include "ropeselection.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

// The window Form1 of galtry: the rope strength, core and sling arrangement, the hook height,
// spread, width and load, and the rope diameter and shackle that suit them.
class RopeSelectionWindow : public QWidget {
public:
    explicit RopeSelectionWindow(QWidget *parent = nullptr);

private:
    void createWidgets();
    void createConnections();
    void calculate();

    QComboBox *strengthList = nullptr;      // klqd
    QComboBox *coreList = nullptr;          // sxcz
    QComboBox *slingList = nullptr;         // ddfb
    QLineEdit *heightField = nullptr;       // Text1
    QLineEdit *spreadField = nullptr;       // Text2
    QLineEdit *widthField = nullptr;        // Text3
    QLineEdit *loadField = nullptr;         // Text5
    QLineEdit *diameterField = nullptr;     // Text4
    QLineEdit *shackleField = nullptr;      // Text6
    QPushButton *calculateButton = nullptr; // Command1

    // The values kept between clicks, the coefficient among them.
    hoistrope::SlingLift lift;
    hoistrope::RopeSelection selection;
};
