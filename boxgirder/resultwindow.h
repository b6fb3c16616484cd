#pragma once

#include "girdercalc.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPainter;
class QPushButton;

namespace elsbrook {

class SectionPicture;

// `showform`, the result window: the section with its dimensions, the section properties, the
// deflection line and the verdict. Built afresh for every check from the values the calculation
// module holds at that moment.
class ResultWindow : public QWidget {
    Q_OBJECT
public:
    ResultWindow(const GirderCalculation &calculation, QWidget *geometryWindow);

    // The deflection line, as "挠度=0.86 达到 1/1163".
    static QString DeflectionLine(const GirderCalculation &calculation);

    // Writes the drawing sheet (section with dimensions, properties, deflection and verdict)
    // as a one-page PDF. An existing file is replaced only when the new one is complete.
    bool SaveDrawing(const QString &fileName) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void createConnections();
    void showResults();
    void exportDrawing();
    void paintSheet(QPainter &painter, const QRectF &page) const;

    GirderCalculation results_;
    QWidget *geometryWindow_;

    SectionPicture *picture_ = nullptr;
    QLabel *warning_ = nullptr;
    QLabel *deflectionLine_ = nullptr;
    QPushButton *backButton_ = nullptr;
    QPushButton *drawingButton_ = nullptr;
    QPushButton *exitButton_ = nullptr;
};

} // namespace elsbrook
