#include "message.h"

#include <QApplication>
#include <QMessageBox>

namespace runtime {
namespace {

void showMessageBox(const QString &text, int kind, const QString &title) {
    QMessageBox box(kind == InformationMessage ? QMessageBox::Information : QMessageBox::NoIcon,
                    title.isEmpty() ? QCoreApplication::applicationName() : title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageFunction &currentMessageFunction() {
    static MessageFunction function = showMessageBox;
    return function;
}

} // namespace

void ShowMessage(const QString &text, int kind, const QString &title) {
    currentMessageFunction()(text, kind, title);
}

MessageFunction SetMessageFunction(MessageFunction function) {
    MessageFunction previous = std::move(currentMessageFunction());
    currentMessageFunction() = function ? std::move(function) : showMessageBox;
    return previous;
}

} // namespace runtime
