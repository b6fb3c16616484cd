#pragma once

#include <QIcon>
#include <QWidget>

namespace travelmotor {

// A line drawing of a three-in-one travel drive unit as it sits on the crane: the wheel on its
// rail, the reducer with its housing cut open to show the gear train, the motor and the brake
// at the motor's far end. Drawn in vector form so that it stays sharp at any screen scale.
class DriveUnitPicture : public QWidget {
    Q_OBJECT
public:
    explicit DriveUnitPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The window icon: the wheel with its motor above it.
QIcon DriveUnitIcon();

} // namespace travelmotor
