#pragma once

#include "sheavelayout.h"

#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace sheave {

class ReevingPicture;

// The window `Form1` of the sheave layout calculator. The engineer chooses a reeving
// arrangement and confirms it (确定), types the dimensions that arrangement needs, and 计算
// lists the balance distance of the hook block for every 500 mm of the lift in the output box;
// 重算 clears the box and goes back to the choice.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createReportBox();
    void createChoiceFrame();
    void createPictures();
    void createInputFrame();
    void createButtons();
    void createConnections();

    void confirmChoice();
    void calculate();
    void startAgain();

    int chosenArrangement() const;
    void showOnlyPicture(int arrangement);
    void showInputRows(int arrangement);
    void setOptionsEnabled(bool enabled);
    void enterReported();
    void appendToReport(const std::string &lines);
    double readField(int number) const;

    SheaveLayout layout_;

    QPlainTextEdit *report_ = nullptr;                          // Text13
    QGroupBox *choiceFrame_ = nullptr;                          // Frame2
    std::array<QRadioButton *, ArrangementCount> options_{};    // Option1 … Option10
    std::array<ReevingPicture *, ArrangementCount> pictures_{}; // Image1 … Image10
    QGroupBox *inputFrame_ = nullptr;                           // Frame1
    std::array<QLineEdit *, 12> fields_{};                      // Text1 … Text12
    std::array<QWidget *, 2> smallSheaveRow_{};                 // Label8, Text8
    std::array<QWidget *, 2> largeSheaveRow_{};                 // Label9, Text9
    std::array<QWidget *, 4> balanceArmRows_{};                 // Label13, Text11, Label14, Text12
    QPushButton *confirmButton_ = nullptr;                      // Command3 确定
    QPushButton *calculateButton_ = nullptr;                    // Command1 计算
    QPushButton *againButton_ = nullptr;                        // Command4 重算
    QPushButton *exitButton_ = nullptr;                         // Command2 退出
};

} // namespace sheave
