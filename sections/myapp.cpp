#include "myapp.h"

#include "appdialogs.h"
#include "currentsection.h"
#include "formprogram.h"
#include "formwidgets.h"
#include "mainframe.h"
#include "message.h"
#include "mydoc.h"
#include "myview.h"
#include "reportpage.h"
#include "resourceids.h"
#include "sectionproperties.h"
#include "shapepickerdlg.h"
#include "startuphooks.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

#include <cstdlib>

namespace fenwold {
namespace {

bool saveReportPicture(const QString &fileName) {
    QImage page(ReportPageWidth, ReportPageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawReportPage(painter, CurrentSection(), page.size());
    painter.end();
    return page.save(fileName);
}

} // namespace

CommandLineInfo CommandLineInfo::Parse(const QStringList &arguments) {
    CommandLineInfo info;
    for (int index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        const bool flag = argument.startsWith(QLatin1Char('/')) && argument.size() <= 3 &&
                          !QFileInfo::exists(argument);
        if (flag || argument.startsWith(QLatin1Char('-'))) {
            const QString name = argument.mid(1).toLower();
            if (name == QLatin1String("p"))
                info.action = FilePrint;
            else if (name == QLatin1String("pt"))
                info.action = FilePrintTo;
            continue;
        }
        if (info.fileName.isEmpty()) {
            info.fileName = argument;
            if (info.action == FileNew)
                info.action = FileOpen;
        } else if (info.action == FilePrintTo && info.printerName.isEmpty()) {
            info.printerName = argument;
        }
    }
    if (info.fileName.isEmpty())
        info.action = FileNew;
    return info;
}

CMyApp::CMyApp(const QStringList &arguments, QObject *parent)
    : QObject(parent), arguments_(arguments) {
    setObjectName(QStringLiteral("CMyApp"));
}

CMyApp::~CMyApp() {
    delete frame_.data();
}

CMainFrame *CMyApp::mainFrame() const {
    return frame_;
}

int CMyApp::InitInstance() {
    if (!snapshotMode_) {
        CShapePickerDlg chooser;
        runtime::InstallStartupHooks(&chooser); // the start-up benchmark ends at its first paint
        if (chooser.exec() == IDCANCEL)
            return EXIT_SUCCESS; // closing the chooser ends the program before anything else
    }
    document_ = new CMyDoc(this);
    frame_ = new CMainFrame(document_);
    if (!snapshotMode_)
        frame_->LoadSettings();
    const int result = ProcessShellCommand(CommandLineInfo::Parse(arguments_));
    if (result >= 0)
        return result;
    frame_->show();
    return -1;
}

int CMyApp::ProcessShellCommand(const CommandLineInfo &info) {
    document_->OnNewDocument();
    if (info.action == CommandLineInfo::FileNew)
        return -1;
    // A file that cannot be opened has been reported; the program goes on untitled.
    const bool opened = frame_->OpenDocumentFile(info.fileName);
    if (info.action == CommandLineInfo::FileOpen)
        return -1;
    if (!opened)
        return EXIT_FAILURE;
    if (info.action == CommandLineInfo::FilePrintTo && !info.printerName.isEmpty())
        SharedPrinter().setPrinterName(info.printerName);
    frame_->view()->OnFilePrintDirect();
    return EXIT_SUCCESS;
}

int RunFenwold(int &argc, char **argv) {
    runtime::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fenwold"));
    QApplication::setOrganizationName(SettingsOrganization());
    QApplication::setFont(runtime::FormFont());

    const QString snapshot = qEnvironmentVariable("CRANE_SNAPSHOT");
    const QString reportSnapshot = qEnvironmentVariable("CRANE_SNAPSHOT_REPORT");
    CMyApp app(QApplication::arguments());
    if (!snapshot.isEmpty() || !reportSnapshot.isEmpty()) {
        // a rolled I-beam I40-like section, for the gallery picture
        runtime::SetMessageFunction([](const QString &, int, const QString &) {});
        sections::SectionDimensions beam;
        beam.B1 = beam.B2 = 200;
        beam.t1 = beam.t2 = 10;
        beam.H = 400;
        beam.t3 = 8;
        sections::ComputeSectionProperties(CurrentSection(), sections::shapes::IBeam, beam);
        app.setSnapshotMode(true);
    }
    const int result = app.InitInstance();
    if (result >= 0)
        return result;
    if (!snapshot.isEmpty() || !reportSnapshot.isEmpty()) {
        app.mainFrame()->resize(780, 940); // tall enough for the whole report
        QTimer::singleShot(300, app.mainFrame(), [&app, snapshot, reportSnapshot] {
            bool saved = true;
            if (!snapshot.isEmpty())
                saved = runtime::SaveWindowPicture(app.mainFrame(), snapshot) && saved;
            if (!reportSnapshot.isEmpty())
                saved = saveReportPicture(reportSnapshot) && saved;
            QApplication::exit(saved ? EXIT_SUCCESS : EXIT_FAILURE);
        });
    }
    return QApplication::exec();
}

} // namespace fenwold
