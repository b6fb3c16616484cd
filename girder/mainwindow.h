#pragma once

#include <QMap>
#include <QWidget>

#include <utility>

#include "sectionsolve.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace runtime {
class PanelStatusBar;
}

namespace girder {

struct GirderTab;

// The main window `mian` of the girder section selector: the tab control `SSTab1` with the
// welded box girder and the I-beam girder, each with sketch, inputs, solve and clear buttons
// and results; under it the crane's basic parameters with the estimate of the required moments
// of inertia; the running clock at the bottom.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

private:
    void createWidgets();
    // Builds one girder tab around its sketch; gives its solve and clear buttons.
    std::pair<QPushButton *, QPushButton *> createGirderTab(QWidget *tab, QWidget *sketch,
                                                            const GirderTab &plan);
    void createBasicParameterFrame();
    void createStatusBar();
    void createConnections();

    void solveBoxGirder();
    void solveIBeamGirder();
    void estimateRequiredMoments();
    void clearTab(const GirderTab &plan);

    // TextN of the window.
    QLineEdit *field(int number) const { return fields_.value(number); }
    double readField(int number) const;
    CraneParameters readCraneParameters() const;
    ResultWriter writerFor(const QMap<Result, int> &fieldOfResult) const;
    // Files fields under the number of their name, TextN.
    void addFields(const QList<QLineEdit *> &fields);

    QMap<int, QLineEdit *> fields_;
    QTabWidget *tabs_ = nullptr;
    QPushButton *boxSolveButton_ = nullptr;  // Command1
    QPushButton *boxClearButton_ = nullptr;  // Command2
    QPushButton *estimateButton_ = nullptr;  // Command3
    QPushButton *beamSolveButton_ = nullptr; // Command4
    QPushButton *beamClearButton_ = nullptr; // Command5
    runtime::PanelStatusBar *statusBar_ = nullptr;
};

} // namespace girder
