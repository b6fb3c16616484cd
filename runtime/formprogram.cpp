#include "formprogram.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "startuphooks.h"

#include <QApplication>
#include <QWidget>

namespace runtime {

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    bool handled = false;
    RunHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

int RunFormProgram(int &argc, char **argv, const char *programName,
                   const std::function<QWidget *()> &makeMainWindow) {
    GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(programName));
    QApplication::setFont(FormFont());

    QApplication::setWindowIcon(ProgramIcon(QString::fromUtf8(programName)));
    if (InToolingMode())
        SetMessageFunction([](const QString &, int, const QString &) {});

    QWidget *mainWindow = makeMainWindow();
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    InstallStartupHooks(mainWindow);
    return QApplication::exec();
}

} // namespace runtime
