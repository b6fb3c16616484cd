#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPixmap>

namespace fenwold {

// A button drawn entirely by its two pictures: the up picture, and the down picture while it
// is pressed. It takes the size of its pictures.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(int id, const QString &text, QWidget *parent);
    // Attaches the pictures and sizes the button to them.
    void LoadBitmaps(const QPixmap &up, const QPixmap &down);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap up_, down_;
};

// The shape chooser shown before the main window: eight picture buttons in two rows of four.
// A button runs its shape's input dialog, computes the section when that dialog ends with OK,
// and closes the chooser: result 1 after OK, 0 after Cancel. The close box or Esc end it with
// IDCANCEL, upon which the program ends.
class CShapePickerDlg : public QDialog {
    Q_OBJECT
public:
    CShapePickerDlg();

    void reject() override;

private:
    void OnInitDialog();
    void OnShapeButton(int shape);
};

} // namespace fenwold
