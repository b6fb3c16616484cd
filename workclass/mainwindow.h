#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace runtime {
class PanelStatusBar;
}

namespace workclass {

class ClassTableWindow;

// The main window `mian` of the working class selector: duty and load inputs on the left, the
// calculate button, result and legend on the right, the running clock at the bottom.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    void createInputFrame();
    void createResultColumn();
    void createStatusBar();
    void createConnections();

    void calculateWorkingClass();
    void clearAll();
    void showTable(QPointer<ClassTableWindow> &table, bool mechanisms);

    QList<QLineEdit *> inputFields_; // Text1 to Text14
    QLineEdit *resultField_ = nullptr;
    QPushButton *calculateButton_ = nullptr;
    QPushButton *craneTableButton_ = nullptr;
    QPushButton *mechanismTableButton_ = nullptr;
    QPushButton *clearButton_ = nullptr;
    runtime::PanelStatusBar *statusBar_ = nullptr;
    QPointer<ClassTableWindow> craneTable_;
    QPointer<ClassTableWindow> mechanismTable_;
};

} // namespace workclass
