#pragma once

#include <QDialog>

namespace fenwold {

// "关于 fenwold": the program's icon, name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};

} // namespace fenwold
