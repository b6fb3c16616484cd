#pragma once

#include "girdercalc.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

namespace elsbrook {

class ResultWindow;
class SectionPicture;

// `outputwin`, the geometry window: the sketch of the box section and its six plate
// dimensions. Loaded once, then only hidden and shown, so the dimensions survive every return.
class OutputWindow : public QWidget {
    Q_OBJECT
public:
    OutputWindow(GirderCalculation &calculation, QWidget *inputWindow);
    ~OutputWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void createConnections();
    void check();
    void reenterConditions();

    GirderCalculation &calculation_;
    QWidget *inputWindow_;
    QPointer<ResultWindow> resultWindow_;

    // The six dimension texts as last typed: H, B, B1, T1, T2, T3.
    std::array<QString, 6> dimensionTexts_;
    std::array<QLineEdit *, 6> dimensionFields_{};
    SectionPicture *picture_ = nullptr;
    QPushButton *checkButton_ = nullptr;
    QPushButton *reenterButton_ = nullptr;
};

} // namespace elsbrook
