#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace travelmotor {

struct Inputs;

// The travel motor selector's window `mian`: the picture of the drive unit, the known
// quantities with the crane type list, the sizing button with its three results, the clear
// button and the status bar with the running clock.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

private:
    void createWidgets();
    void createResultRow();
    void createConnections();
    void fillCraneTypes();

    void calculate();
    void clear();
    Inputs readInputs() const;

    QComboBox *craneType_ = nullptr;
    // Text1 to Text8 are the known quantities, Text9 to Text11 the power, torque and speed.
    std::array<QLineEdit *, 11> fields_{};
    QPushButton *calculateButton_ = nullptr;
    QPushButton *clearButton_ = nullptr;
};

} // namespace travelmotor
