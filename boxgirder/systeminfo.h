#pragma once

#include <QString>
#include <QStringList>

namespace elsbrook {

// The desktop tools that show the system information, the first found on the PATH is used.
QStringList SystemInformationTools();

// Starts the first system information tool found on the PATH as a program of its own. Returns
// false when none is installed or it cannot be started.
bool StartSystemInformation();

} // namespace elsbrook
