#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace lug {

// The window Form1 of harnock: the lug's force, angle and dimensions with the allowable stress
// of its steel, and the verdicts for its three sections, its base weld and the lug as a whole.
class LugCheckWindow : public QWidget {
public:
    explicit LugCheckWindow(QWidget *parent = nullptr);

private:
    void createWidgets();
    void createConnections();
    void check();

    QList<QLineEdit *> lugFields_;         // Text1(0) … Text1(4): F, L, 2r, R, δ
    QLineEdit *angleField_ = nullptr;      // Text2
    QLineEdit *allowableField_ = nullptr;  // Text6
    QList<QLineEdit *> verdictFields_;     // Text3(0) … Text3(3)
    QLineEdit *conclusionField_ = nullptr; // Text4
    QPushButton *checkButton_ = nullptr;   // Command1
};

} // namespace lug
