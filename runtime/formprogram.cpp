#include "formprogram.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "startuphooks.h"

#include <QApplication>
#include <QWidget>

namespace runtime {
namespace {

// The last line of defence: an error that escapes any event handler becomes a message box
// naming its cause instead of ending the program.
class FormApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override {
        bool handled = false;
        RunHandler([&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

} // namespace

int RunFormProgram(int &argc, char **argv, const char *programName,
                   const std::function<QWidget *()> &makeMainWindow) {
    FormApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(programName));
    QApplication::setFont(FormFont());

    QApplication::setWindowIcon(ProgramIcon(QString::fromUtf8(programName)));
    if (InSnapshotMode())
        SetMessageFunction([](const QString &, int, const QString &) {});

    QWidget *mainWindow = makeMainWindow();
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    InstallStartupHooks(mainWindow);
    return QApplication::exec();
}

} // namespace runtime
