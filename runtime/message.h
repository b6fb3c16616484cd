#pragma once

#include <QString>

#include <functional>

namespace runtime {

// Kinds of message box, as the form programs name them.
enum MessageKind { PlainMessage = 0, InformationMessage = 64 };

// The one message function of the form programs: a modal box with the exact text and title.
// Kind 64 shows the information icon, kind 0 none. Without a title the box bears the
// program's name.
void ShowMessage(const QString &text, int kind = PlainMessage, const QString &title = {});

// What ShowMessage calls. Tests put a recorder here so that no box blocks them; the previous
// function is returned so that it can be put back.
using MessageFunction = std::function<void(const QString &text, int kind, const QString &title)>;
MessageFunction SetMessageFunction(MessageFunction function);

} // namespace runtime
