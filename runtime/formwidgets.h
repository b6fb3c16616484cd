#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls of a form window, placed at fixed positions as the engineer's window has them
// and named as the calculations and tests know them.
namespace runtime {

// A font of the named Chinese face with the Simplified Chinese faces that Debian provides
// behind it, so that the text renders alike on any desktop.
QFont FormFont(const QString &face = QStringLiteral("宋体"), double pointSize = 9,
               bool bold = false);

// Form colours as red, green, blue.
inline QColor FormColor(int red, int green, int blue) {
    return QColor(red, green, blue);
}
const QColor LightBlueField(192, 192, 255);
const QColor RedField(255, 0, 0);

void SetBackground(QWidget *control, const QColor &color);
void SetForeground(QWidget *control, const QColor &color);
// Colours the caption of a frame alone; the controls inside keep their own colours.
void SetCaptionColor(QGroupBox *frame, const QColor &color);

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
// Writes a result into its field so that it reads from its first digit, also when it is too
// long for the field.
void ShowResult(QLineEdit *field, const QString &text);

QLineEdit *AddField(QWidget *parent, const QString &name, const QRect &geometry,
                    const QString &text = {});
QPushButton *AddButton(QWidget *parent, const QString &name, const QString &text,
                       const QRect &geometry);
QGroupBox *AddFrame(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &geometry);
QRadioButton *AddOption(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry);
QComboBox *AddCombo(QWidget *parent, const QString &name, const QRect &geometry);

// The name of element index of a control array, such as "Text3(0)".
inline QString ArrayName(const QString &name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace runtime
