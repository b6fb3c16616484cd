#pragma once

#include <QApplication>

#include <functional>

class QWidget;

namespace runtime {

// The application object of every program of the suite. Its last line of defence: an error
// that escapes any event handler becomes a message box naming its cause instead of ending the
// program.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};

// Starts a form program: its name (which untitled message boxes bear) and icon, the suite's
// default font, the guard that turns any error escaping an event into a message box, and its
// main window. Returns when the last window closes. The start-up modes of startuphooks.h
// apply.
int RunFormProgram(int &argc, char **argv, const char *programName,
                   const std::function<QWidget *()> &makeMainWindow);

} // namespace runtime
