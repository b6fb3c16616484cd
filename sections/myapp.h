#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

namespace fenwold {

class CMainFrame;
class CMyDoc;

// What the command line asks for after the chooser: a new document, a file to open, or a file
// to print ("/p FILE", or "/pt FILE PRINTER" for a named printer) after which the program ends.
struct CommandLineInfo {
    enum Action { FileNew, FileOpen, FilePrint, FilePrintTo };
    Action action = FileNew;
    QString fileName;
    QString printerName;

    static CommandLineInfo Parse(const QStringList &arguments);
};

// The application: the chooser first, then the settings, the document and its main frame, and
// the command line.
class CMyApp : public QObject {
    Q_OBJECT
public:
    explicit CMyApp(const QStringList &arguments, QObject *parent = nullptr);
    ~CMyApp() override;

    // The snapshot of the window: no chooser (the section is already set) and none of the
    // engineer's stored settings, so the picture is the same on every machine.
    void setSnapshotMode(bool snapshot) { snapshotMode_ = snapshot; }

    // Start-up. Returns the exit code when the program ends at once (the chooser closed, a print
    // command done), or -1 when the main window is shown and the event loop should run.
    int InitInstance();

    CMainFrame *mainFrame() const;
    CMyDoc *document() const { return document_; }

private:
    int ProcessShellCommand(const CommandLineInfo &info);

    QStringList arguments_;
    bool snapshotMode_ = false;
    CMyDoc *document_ = nullptr;
    QPointer<CMainFrame> frame_;
};

// The whole program, for main(): the application object with its error guard, start-up, the
// event loop, and the snapshot mode (CRANE_SNAPSHOT=<file.png>, CRANE_SNAPSHOT_REPORT=<file.png>).
int RunFenwold(int &argc, char **argv);

} // namespace fenwold
