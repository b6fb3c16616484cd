// Writes a program's icon as PNG files in the folder layout of the hicolor icon theme, so that
// the desktop menu shows the same icon as the program's windows.
//   iconmaker <program> <folder>  ->  <folder>/<n>x<n>/apps/<program>.png

#include "startuphooks.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconmaker PROGRAM FOLDER\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QIcon icon = runtime::ProgramIcon(program);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(folder) ||
            !icon.pixmap(size, size).save(QStringLiteral("%1/%2.png").arg(folder, program)))
            return 1;
    }
    return 0;
}
