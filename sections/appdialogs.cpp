#include "appdialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace fenwold {
namespace {

QString askWithFileDialog(QWidget *parent, FileDialogKind kind, const QString &suggested) {
    const QString filter = DocumentFilter() + QStringLiteral(";;所有文件 (*)");
    if (kind == FileDialogKind::Open)
        return QFileDialog::getOpenFileName(parent, QStringLiteral("打开"), suggested, filter);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("另存为"), suggested, filter);
}

bool askWithPrintDialog(QPrinter &printer, QWidget *parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    // the report is one page: no page range to choose
    dialog.setMinMax(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

FileNameFunction &fileNameFunction() {
    static FileNameFunction function = askWithFileDialog;
    return function;
}

PrintDialogFunction &printDialogFunction() {
    static PrintDialogFunction function = askWithPrintDialog;
    return function;
}

QPrinter *sharedPrinter = nullptr;

} // namespace

QString DocumentFilter() {
    return QStringLiteral("My 文件 (*.xyz)");
}
QString DocumentExtension() {
    return QStringLiteral(".xyz");
}

FileNameFunction SetFileNameFunction(FileNameFunction function) {
    FileNameFunction previous = std::move(fileNameFunction());
    fileNameFunction() = function ? std::move(function) : askWithFileDialog;
    return previous;
}

QString AskFileName(QWidget *parent, FileDialogKind kind, const QString &suggested) {
    return fileNameFunction()(parent, kind, suggested);
}

PrintDialogFunction SetPrintDialogFunction(PrintDialogFunction function) {
    PrintDialogFunction previous = std::move(printDialogFunction());
    printDialogFunction() = function ? std::move(function) : askWithPrintDialog;
    return previous;
}

bool AskPrintSettings(QPrinter &printer, QWidget *parent) {
    return printDialogFunction()(printer, parent);
}

QPrinter &SharedPrinter() {
    if (!sharedPrinter) {
        sharedPrinter = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete sharedPrinter;
            sharedPrinter = nullptr;
        });
    }
    return *sharedPrinter;
}

} // namespace fenwold
