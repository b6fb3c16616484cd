#include "formprogram.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

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

bool SaveWindowPicture(QWidget *window, const QString &fileName) {
    return window->grab().save(fileName);
}

int RunFormProgram(int &argc, char **argv, const char *programName,
                   const std::function<QWidget *()> &makeMainWindow) {
    FormApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(programName));
    QApplication::setFont(FormFont());

    const QString snapshotFile = qEnvironmentVariable("CRANE_SNAPSHOT");
    if (!snapshotFile.isEmpty())
        SetMessageFunction([](const QString &, int, const QString &) {});

    QWidget *mainWindow = makeMainWindow();
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();

    if (!snapshotFile.isEmpty()) {
        QTimer::singleShot(200, mainWindow, [mainWindow, snapshotFile] {
            QApplication::exit(SaveWindowPicture(mainWindow, snapshotFile) ? EXIT_SUCCESS
                                                                           : EXIT_FAILURE);
        });
    }
    return QApplication::exec();
}

} // namespace runtime
