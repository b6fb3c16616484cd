#pragma once

#include <QAbstractButton>
#include <QString>

#include <functional>
#include <string>

namespace runtime {

// Runs an event handler so that no error can escape it: a stop of the calculation
// (RuntimeError) or any other failure becomes a message box that names its cause, and the
// program goes on. Returns false when the handler stopped on an error.
bool RunHandler(const std::function<void()> &handler);

// Connects a button's click to a handler run through RunHandler.
template <typename Handler> void OnClick(QAbstractButton *button, Handler handler) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [handler = std::move(handler)] { RunHandler(handler); });
}

// Conversions between a control's text and the calculation's plain strings (UTF-8).
inline QString ToQt(const std::string &text) {
    return QString::fromStdString(text);
}
inline std::string FromQt(const QString &text) {
    return text.toStdString();
}

} // namespace runtime
