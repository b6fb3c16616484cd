#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace runtime {

// Starts a form program: its name (which untitled message boxes bear), the suite's default
// font, the guard that turns any error escaping an event into a message box, and its main
// window. Returns when the last window closes.
//
// With CRANE_SNAPSHOT=<file.png> in the environment the program instead paints its main
// window once, saves it to that file and ends; message boxes are then skipped.
int RunFormProgram(int &argc, char **argv, const char *programName,
                   const std::function<QWidget *()> &makeMainWindow);

// Saves a picture of a window as the engineer sees it. Used by the snapshot mode above.
bool SaveWindowPicture(QWidget *window, const QString &fileName);

} // namespace runtime
