#pragma once

// Helpers for driving a real form window in a test: find its controls by name, type and
// click as the engineer does, and record the message boxes instead of blocking on them.

#include "message.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>

namespace formtest {

struct RecordedMessage {
    QString text;
    int kind = 0;
    QString title;
};

// Replaces the message function for its lifetime and records every box asked for.
class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = runtime::SetMessageFunction(
            [this](const QString &text, int kind, const QString &title) {
                messages.append({text, kind, title});
            });
    }
    ~MessageRecorder() { runtime::SetMessageFunction(previous_); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList texts() const {
        QStringList list;
        for (const auto &message : messages)
            list << message.text;
        return list;
    }
    void clear() { messages.clear(); }

    QList<RecordedMessage> messages;

private:
    runtime::MessageFunction previous_;
};

// The control of the given name and type under root; a missing control ends the test run
// with its name, so that a renamed control is found at once.
template <typename Control> Control *Find(const QObject *root, const QString &name) {
    auto *control = root->findChild<Control *>(name);
    if (!control)
        qFatal("control %s not found under %s", qPrintable(name), qPrintable(root->objectName()));
    return control;
}

// Replaces a field's text by typing, as the engineer does. Chinese text arrives as the input
// method commits it, since no key of the keyboard carries it.
inline void TypeInto(QWidget *field, const QString &text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    bool keyboardText = true;
    for (const QChar character : text)
        keyboardText = keyboardText && character.unicode() < 0x80;
    if (keyboardText) {
        QTest::keyClicks(field, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(field, &commit);
}

inline void Click(QAbstractButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace formtest
