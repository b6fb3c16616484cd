#pragma once

// A long random session on a real window: fields typed full of absurd entries (empty, letters,
// zero, negative, beyond any range), lists and options picked, buttons pressed, in any order.
// Whatever the engineer types, a program must never end, hang or show an undefined value.

#include "message.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStringList>
#include <QWidget>

namespace formtest {

struct MonkeyReport {
    int buttonsPressed = 0;
    int messages = 0;
    QStringList undefinedTexts; // results that read as infinite or not a number
};

inline const QStringList &AbsurdEntries() {
    static const QStringList entries = {
        "",    "0",   "-1",   "1e308", "-1e308", "1e-308", "1e400", "abc",  "&HFFFF",
        "NaN", "-0",  "0.5",  "7.5",   "2",      "3",      "10",    "12.5", "200",
        "500", "801", "1000", "32767", "40000",  "1e38",   "1e39",  " ",    "99999999999",
    };
    return entries;
}

// Runs the session on every visible window of the program; buttons named in `untouched` (those
// that end the program, open a file dialog or start another program) are never pressed.
inline MonkeyReport RunMonkey(QWidget *mainWindow, const QStringList &untouched, int steps,
                              quint32 seed) {
    MonkeyReport report;
    const runtime::MessageFunction previous = runtime::SetMessageFunction(
        [&report](const QString &, int, const QString &) { ++report.messages; });
    QRandomGenerator random(seed);
    auto pick = [&random](const auto &list) { return list[random.bounded(list.size())]; };
    const QStringList &entries = AbsurdEntries();

    for (int step = 0; step < steps; ++step) {
        QList<QWidget *> windows;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                windows << window;
        if (windows.isEmpty())
            mainWindow->show();
        QWidget *window = windows.isEmpty() ? mainWindow : pick(windows);
        const int action = random.bounded(10);
        if (action < 6) {
            QList<QLineEdit *> fields;
            for (QLineEdit *field : window->findChildren<QLineEdit *>())
                if (field->isVisible() && field->isEnabled() && !field->isReadOnly())
                    fields << field;
            if (!fields.isEmpty())
                pick(fields)->setText(pick(entries));
        } else if (action < 8) {
            QList<QComboBox *> lists;
            for (QComboBox *list : window->findChildren<QComboBox *>())
                if (list->isVisible() && list->isEnabled() && list->count() > 0)
                    lists << list;
            if (!lists.isEmpty()) {
                QComboBox *list = pick(lists);
                list->setCurrentIndex(random.bounded(list->count()));
            }
            QList<QRadioButton *> options;
            for (QRadioButton *option : window->findChildren<QRadioButton *>())
                if (option->isVisible() && option->isEnabled())
                    options << option;
            if (!options.isEmpty())
                pick(options)->click();
        } else {
            QList<QPushButton *> buttons;
            for (QPushButton *button : window->findChildren<QPushButton *>())
                if (button->isVisible() && button->isEnabled() && !button->objectName().isEmpty() &&
                    !untouched.contains(button->objectName()))
                    buttons << button;
            if (!buttons.isEmpty()) {
                pick(buttons)->click();
                ++report.buttonsPressed;
            }
        }
        QApplication::processEvents();

        for (QWidget *shown : QApplication::topLevelWidgets()) {
            QStringList texts;
            for (const QLineEdit *field : shown->findChildren<QLineEdit *>())
                texts << field->text();
            for (const QLabel *label : shown->findChildren<QLabel *>())
                texts << label->text();
            for (const QPlainTextEdit *box : shown->findChildren<QPlainTextEdit *>())
                texts << box->toPlainText();
            for (const QString &text : texts)
                if (!entries.contains(text) && (text.contains("inf", Qt::CaseInsensitive) ||
                                                text.contains("nan", Qt::CaseInsensitive)))
                    report.undefinedTexts << text;
        }
    }
    runtime::SetMessageFunction(previous);
    return report;
}

} // namespace formtest
