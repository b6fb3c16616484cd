#include "formwidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace runtime {
namespace {

QStringList fallbackFamilies(const QString &face) {
    static const QList<QPair<QString, QStringList>> faces = {
        {QStringLiteral("宋体"), {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")}},
        {QStringLiteral("黑体"), {QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")}},
        {QStringLiteral("幼圆"), {QStringLiteral("YouYuan"), QStringLiteral("Noto Sans CJK SC")}},
        {QStringLiteral("隶书"), {QStringLiteral("LiSu"), QStringLiteral("Noto Serif CJK SC")}},
        {QStringLiteral("楷体"), {QStringLiteral("KaiTi"), QStringLiteral("Noto Serif CJK SC")}},
    };
    for (const auto &[name, fallbacks] : faces)
        if (name == face)
            return fallbacks;
    return {QStringLiteral("Noto Sans CJK SC")};
}

template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &geometry) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace

QFont FormFont(const QString &face, double pointSize, bool bold) {
    QFont font;
    QStringList families{face};
    families << fallbackFamilies(face) << QStringLiteral("Noto Sans CJK SC");
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget *control, const QColor &color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void SetForeground(QWidget *control, const QColor &color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    control->setPalette(palette);
}

void SetCaptionColor(QGroupBox *frame, const QColor &color) {
    frame->setStyleSheet(QStringLiteral("QGroupBox::title { color: %1; }").arg(color.name()));
}

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry) {
    return placed(new QLabel(text, parent), name, geometry);
}

void ShowResult(QLineEdit *field, const QString &text) {
    field->setText(text);
    field->setCursorPosition(0);
}

QLineEdit *AddField(QWidget *parent, const QString &name, const QRect &geometry,
                    const QString &text) {
    return placed(new QLineEdit(text, parent), name, geometry);
}

QPushButton *AddButton(QWidget *parent, const QString &name, const QString &text,
                       const QRect &geometry) {
    return placed(new QPushButton(text, parent), name, geometry);
}

QGroupBox *AddFrame(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &geometry) {
    return placed(new QGroupBox(caption, parent), name, geometry);
}

QRadioButton *AddOption(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry) {
    return placed(new QRadioButton(text, parent), name, geometry);
}

QComboBox *AddCombo(QWidget *parent, const QString &name, const QRect &geometry) {
    return placed(new QComboBox(parent), name, geometry);
}

} // namespace runtime
