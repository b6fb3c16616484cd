#pragma once

#include "girdercalc.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace elsbrook {

class InfoWindow;
class OutputWindow;

// `inputwin`, the first window: the crane data (single or double girder, lifting capacity,
// trolley weight, span, duty class). It owns the calculation module for the whole run, and the
// geometry window once 开始 has loaded it.
class InputWindow : public QWidget {
    Q_OBJECT
public:
    InputWindow();
    ~InputWindow() override;

    GirderCalculation &calculation() { return calculation_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void createConnections();
    void begin();
    void showInfo();

    GirderCalculation calculation_;
    QPointer<OutputWindow> outputWindow_;
    QPointer<InfoWindow> infoWindow_;

    // The texts as last typed or picked; 开始 works from these.
    QString liftText_, trolleyText_, spanText_, dutyText_;

    QRadioButton *singleGirder_ = nullptr;
    QRadioButton *doubleGirder_ = nullptr;
    QLineEdit *liftField_ = nullptr;
    QLineEdit *trolleyField_ = nullptr;
    QLineEdit *spanField_ = nullptr;
    QComboBox *dutyBox_ = nullptr;
    QPushButton *beginButton_ = nullptr;
    QPushButton *exitButton_ = nullptr;
    QPushButton *infoButton_ = nullptr;
};

} // namespace elsbrook
