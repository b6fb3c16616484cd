#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The standard dialogs that the application asks the engineer through: file names and print
// settings. Each goes through a replaceable function, so that tests and scripts can answer
// them instead of a person.
namespace fenwold {

// The document type: "My 文件 (*.xyz)".
QString DocumentFilter();
QString DocumentExtension(); // ".xyz"

enum class FileDialogKind { Open, Save };
// Returns the chosen file name, or an empty text when the engineer cancels.
using FileNameFunction =
    std::function<QString(QWidget *parent, FileDialogKind kind, const QString &suggested)>;
FileNameFunction SetFileNameFunction(FileNameFunction function);
QString AskFileName(QWidget *parent, FileDialogKind kind, const QString &suggested);

// Lets the engineer set up the printer for one print; false when cancelled.
using PrintDialogFunction = std::function<bool(QPrinter &printer, QWidget *parent)>;
PrintDialogFunction SetPrintDialogFunction(PrintDialogFunction function);
bool AskPrintSettings(QPrinter &printer, QWidget *parent);

// The program's printer, kept between prints so that Print Setup is remembered.
QPrinter &SharedPrinter();

} // namespace fenwold
