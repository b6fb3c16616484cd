#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace elsbrook {

// `info`, the about window of the input window: icon, title, version and the button that
// starts the desktop's system information tool. While it is open the input window is disabled.
class InfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget *inputWindow);

    // "版本 1.0.0": major, minor and revision of the program.
    static QString VersionText();

private:
    void createWidgets();
    void createConnections();

    QWidget *inputWindow_;
    QPushButton *okButton_ = nullptr;
    QPushButton *systemInfoButton_ = nullptr;
};

} // namespace elsbrook
