#pragma once

#include <QIcon>
#include <QString>

class QWidget;

// What every program of the suite does at start besides building its window: the program's
// icon, and two modes for the suite's own tooling, chosen by environment variables.
//
//   CRANE_SNAPSHOT=<file.png>   paint the main window once, save its picture, end (0 when the
//                               picture was saved and is not blank). Message boxes are skipped.
//   CRANE_EXIT_AFTER_PAINT=1    end as soon as the main window has been painted once, so that
//                               the start-up time can be measured.
namespace runtime {

// The program's icon: a rounded tile in the program's colour with its initial letter.
QIcon ProgramIcon(const QString &programName);

// True when the program runs only to take the picture of its main window.
bool InSnapshotMode();

// True when the program runs for the suite's tooling (either mode above): nobody is there to
// answer a message box, so none is shown.
bool InToolingMode();

// Arms the modes above for the given main window. Call after the window is shown.
void InstallStartupHooks(QWidget *mainWindow);

// Saves a picture of a window as the engineer sees it; false when the picture could not be
// written or shows nothing but one colour.
bool SaveWindowPicture(QWidget *window, const QString &fileName);

} // namespace runtime
