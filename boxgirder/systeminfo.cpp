#include "systeminfo.h"

#include <QProcess>
#include <QStandardPaths>

namespace elsbrook {

QStringList SystemInformationTools() {
    // Hardware and system overviews first, the task managers of the common desktops after.
    return {QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager")};
}

bool StartSystemInformation() {
    for (const QString &tool : SystemInformationTools()) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty())
            return QProcess::startDetached(path, {});
    }
    return false;
}

} // namespace elsbrook
