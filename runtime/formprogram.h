#pragma once

#include <functional>

class QWidget;

namespace runtime {

// Starts a form program: its name (which untitled message boxes bear) and icon, the suite's
// default font, the guard that turns any error escaping an event into a message box, and its
// main window. Returns when the last window closes. The start-up modes of startuphooks.h
// apply.
int RunFormProgram(int &argc, char **argv, const char *programName,
                   const std::function<QWidget *()> &makeMainWindow);

} // namespace runtime
