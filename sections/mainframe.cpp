#include "mainframe.h"

#include "aboutdlg.h"
#include "appdialogs.h"
#include "message.h"
#include "mydoc.h"
#include "myview.h"
#include "resourceids.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTimerEvent>
#include <QToolBar>

namespace fenwold {
namespace {

const QString RecentFileSection = QStringLiteral("Recent File List");
const QString SettingsSection = QStringLiteral("Settings");

// The tool bar pictures, drawn on a 16 x 15 button face.
QPixmap commandPicture(int id, qreal ratio) {
    QPixmap pixmap(QSize(16, 15) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(30, 30, 30), 1);
    p.setPen(ink);
    auto page = [&](qreal x, qreal y, qreal w, qreal h) {
        QPainterPath path;
        path.moveTo(x, y);
        path.lineTo(x + w - 3, y);
        path.lineTo(x + w, y + 3);
        path.lineTo(x + w, y + h);
        path.lineTo(x, y + h);
        path.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(path);
    };
    switch (id) {
    case CommandFileNew:
        page(3.5, 1.5, 9, 12);
        break;
    case CommandFileOpen:
        p.setBrush(QColor(240, 200, 60));
        p.drawPolygon(
            QPolygonF{{1.5, 3.5}, {5.5, 3.5}, {6.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}});
        p.setBrush(QColor(250, 225, 120));
        p.drawPolygon(QPolygonF{{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
        break;
    case CommandFileSave:
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(QRectF(1.5, 1.5, 13, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 2, 8, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 9.5, 7, 4));
        break;
    case CommandEditCut:
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(5, 1), QPointF(10, 9));
        p.drawLine(QPointF(11, 1), QPointF(6, 9));
        p.drawEllipse(QPointF(4.5, 11), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 11), 2.5, 2.5);
        break;
    case CommandEditCopy:
        page(1.5, 1.5, 8, 9);
        page(6.5, 4.5, 8, 9);
        break;
    case CommandEditPaste:
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(QRectF(1.5, 2.5, 10, 11));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 1.5, 4, 2));
        page(7.5, 5.5, 7, 8);
        break;
    case CommandFilePrint:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(QRectF(1.5, 6.5, 13, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 3));
        break;
    case CommandAppAbout: {
        p.setBrush(QColor(40, 90, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(1.5, 0.5, 13, 13));
        QFont font;
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 0.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        break;
    }
    return pixmap;
}

QIcon commandIcon(int id) {
    QIcon icon;
    icon.addPixmap(commandPicture(id, 1));
    icon.addPixmap(commandPicture(id, 2));
    return icon;
}

} // namespace

QString SettingsOrganization() {
    return QStringLiteral("Local AppWizard-Generated Applications");
}

CMainFrame::CMainFrame(CMyDoc *document) : m_document(document) {
    setObjectName(QStringLiteral("CMainFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    OnCreate();
}

CMainFrame::~CMainFrame() {
    if (m_nTimerId != 0)
        killTimer(m_nTimerId);
}

void CMainFrame::OnCreate() {
    // the turning icon starts with the frame, before its menus and bars
    if (m_iconAnimator.Create(4))
        m_nTimerId = startTimer(IconTimerPeriodMs);

    m_view = new CMyView(m_document, this);
    setCentralWidget(m_view);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    setAcceptDrops(true);
    resize(780, 600);

    connect(m_document, &CMyDoc::titleChanged, this, &CMainFrame::UpdateFrameTitle);
    UpdateFrameTitle();
    UpdateRecentFileMenu();
}

QAction *CMainFrame::addCommand(int id, const QString &text, const QString &prompt,
                                const QList<QKeySequence> &keys) {
    auto *action = new QAction(text, this);
    action->setObjectName(QString::number(id));
    const QStringList parts = prompt.split(QLatin1Char('\n'));
    action->setStatusTip(parts.value(0));
    if (parts.size() > 1)
        action->setToolTip(parts.value(1));
    if (!keys.isEmpty()) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(action); // the accelerators work whether or not a menu shows the command
    return action;
}

QAction *CMainFrame::command(int id) const {
    return findChild<QAction *>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void CMainFrame::createActions() {
    using QK = QKeySequence;
    connect(addCommand(CommandFileNew, QStringLiteral("新建(&N)\tCtrl+N"),
                       QStringLiteral("建立新文档\n新建"), {QK(Qt::CTRL | Qt::Key_N)}),
            &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(addCommand(CommandFileOpen, QStringLiteral("打开(&O)...\tCtrl+O"),
                       QStringLiteral("打开一个现有文档\n打开"), {QK(Qt::CTRL | Qt::Key_O)}),
            &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(addCommand(CommandFileSave, QStringLiteral("保存(&S)\tCtrl+S"),
                       QStringLiteral("保存活动文档\n保存"), {QK(Qt::CTRL | Qt::Key_S)}),
            &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(addCommand(CommandFileSaveAs, QStringLiteral("另存为(&A)..."),
                       QStringLiteral("将活动文档以一个新文件名保存\n另存为")),
            &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(addCommand(CommandFilePrint, QStringLiteral("打印(&P)...\tCtrl+P"),
                       QStringLiteral("打印活动文档\n打印"), {QK(Qt::CTRL | Qt::Key_P)}),
            &QAction::triggered, m_view, &CMyView::OnFilePrint);
    connect(addCommand(CommandFilePrintPreview, QStringLiteral("打印预览(&V)"),
                       QStringLiteral("显示整页\n打印预览")),
            &QAction::triggered, m_view, &CMyView::OnFilePrintPreview);
    connect(addCommand(CommandFilePrintSetup, QStringLiteral("打印设置(&R)..."),
                       QStringLiteral("改变打印机及打印选项\n打印设置")),
            &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);
    for (int index = 0; index < RecentFileCount; ++index) {
        QAction *recent = addCommand(CommandRecentFile1 + index, QStringLiteral("最近文件"),
                                     QStringLiteral("打开该文档"));
        connect(recent, &QAction::triggered, this, [this, index] { OnOpenRecentFile(index); });
        m_recentActions.append(recent);
    }
    connect(addCommand(CommandAppExit, QStringLiteral("退出(&X)"),
                       QStringLiteral("退出应用程序；提示保存文档\n退出")),
            &QAction::triggered, this, &QWidget::close);

    // Nothing handles the edit and pane commands: the items stay disabled and the keys inert.
    addCommand(CommandEditUndo, QStringLiteral("撤消(&U)\tCtrl+Z"),
               QStringLiteral("撤消最后一步操作\n撤消"),
               {QK(Qt::CTRL | Qt::Key_Z), QK(Qt::ALT | Qt::Key_Backspace)});
    addCommand(CommandEditCut, QStringLiteral("剪切(&T)\tCtrl+X"),
               QStringLiteral("剪切被选对象并将其置于剪贴板上\n剪切"),
               {QK(Qt::CTRL | Qt::Key_X), QK(Qt::SHIFT | Qt::Key_Delete)});
    addCommand(CommandEditCopy, QStringLiteral("复制(&C)\tCtrl+C"),
               QStringLiteral("复制被选对象并将其置于剪贴板上\n复制"),
               {QK(Qt::CTRL | Qt::Key_C), QK(Qt::CTRL | Qt::Key_Insert)});
    addCommand(CommandEditPaste, QStringLiteral("粘贴(&P)\tCtrl+V"),
               QStringLiteral("插入剪贴板内容\n粘贴"),
               {QK(Qt::CTRL | Qt::Key_V), QK(Qt::SHIFT | Qt::Key_Insert)});
    addCommand(CommandNextPane, QStringLiteral("下一窗格"),
               QStringLiteral("切换到下一个窗格\n下一窗格"), {QK(Qt::Key_F6)});
    addCommand(CommandPreviousPane, QStringLiteral("前一窗格"),
               QStringLiteral("切换回前一个窗格\n前一窗格"), {QK(Qt::SHIFT | Qt::Key_F6)});
    for (int id : {CommandEditUndo, CommandEditCut, CommandEditCopy, CommandEditPaste,
                   CommandNextPane, CommandPreviousPane})
        command(id)->setEnabled(false);

    addCommand(CommandViewToolBar, QStringLiteral("工具栏(&T)"),
               QStringLiteral("显示或隐藏工具栏\n显隐工具栏"))
        ->setCheckable(true);
    addCommand(CommandViewStatusBar, QStringLiteral("状态栏(&S)"),
               QStringLiteral("显示或隐藏状态栏\n显隐状态栏"))
        ->setCheckable(true);
    connect(addCommand(CommandAppAbout, QStringLiteral("关于 fenwold(&A)..."),
                       QStringLiteral("显示程序信息，版本号和版权\n关于")),
            &QAction::triggered, this, &CMainFrame::OnAppAbout);

    for (int id : {CommandFileNew, CommandFileOpen, CommandFileSave, CommandEditCut,
                   CommandEditCopy, CommandEditPaste, CommandFilePrint, CommandAppAbout})
        command(id)->setIcon(commandIcon(id));
}

void CMainFrame::createMenus() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addActions({command(CommandFileNew), command(CommandFileOpen), command(CommandFileSave),
                      command(CommandFileSaveAs)});
    file->addSeparator();
    file->addActions({command(CommandFilePrint), command(CommandFilePrintPreview),
                      command(CommandFilePrintSetup)});
    file->addSeparator();
    file->addActions(m_recentActions);
    file->addSeparator();
    file->addAction(command(CommandAppExit));

    QMenu *edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(command(CommandEditUndo));
    edit->addSeparator();
    edit->addActions(
        {command(CommandEditCut), command(CommandEditCopy), command(CommandEditPaste)});

    QMenu *view = menuBar()->addMenu(QStringLiteral("查看(&V)"));
    view->addActions({command(CommandViewToolBar), command(CommandViewStatusBar)});

    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->addAction(command(CommandAppAbout));
}

void CMainFrame::createToolBar() {
    m_wndToolBar = new QToolBar(QStringLiteral("标准"), this);
    m_wndToolBar->setObjectName(QString::number(CommandViewToolBar));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_wndToolBar->addActions(
        {command(CommandFileNew), command(CommandFileOpen), command(CommandFileSave)});
    m_wndToolBar->addSeparator();
    m_wndToolBar->addActions(
        {command(CommandEditCut), command(CommandEditCopy), command(CommandEditPaste)});
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(command(CommandFilePrint));
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(command(CommandAppAbout));
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    QAction *toggle = command(CommandViewToolBar);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_wndToolBar, &QWidget::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::createStatusBar() {
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QString::number(CommandViewStatusBar));
    setStatusBar(m_wndStatusBar);
    m_messagePane = new QLabel(QStringLiteral("就绪"), m_wndStatusBar);
    m_messagePane->setObjectName(QStringLiteral("0")); // the separator pane of the prompts
    m_wndStatusBar->addWidget(m_messagePane, 1);
    // The lock-key indicators; the keyboard's lock states are not known here, so they stay
    // shown in the dimmed form.
    const QList<QPair<int, QString>> indicators = {{59137, QStringLiteral("大写")},
                                                   {59138, QStringLiteral("数字")},
                                                   {59139, QStringLiteral("滚动")}};
    for (const auto &[id, text] : indicators) {
        auto *pane = new QLabel(text, m_wndStatusBar);
        pane->setObjectName(QString::number(id));
        pane->setEnabled(false);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
        m_wndStatusBar->addPermanentWidget(pane);
    }
    QAction *toggle = command(CommandViewStatusBar);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);
}

void CMainFrame::timerEvent(QTimerEvent *event) {
    if (event->timerId() == m_nTimerId) {
        m_iconAnimator.Step(this);
        return;
    }
    QMainWindow::timerEvent(event);
}

void CMainFrame::UpdateFrameTitle() {
    setWindowTitle(QStringLiteral("%1 - fenwold").arg(m_document->GetTitle()));
}

void CMainFrame::OnFileNew() {
    m_document->OnNewDocument();
}

void CMainFrame::OnFileOpen() {
    const QString path = AskFileName(this, FileDialogKind::Open, QString());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CMainFrame::OpenDocumentFile(const QString &path) {
    if (!m_document->OnOpenDocument(path))
        return false;
    AddToRecentFileList(m_document->GetPathName());
    m_view->viewport()->update();
    return true;
}

bool CMainFrame::DoSave(const QString &path) {
    if (!m_document->OnSaveDocument(path))
        return false;
    AddToRecentFileList(m_document->GetPathName());
    return true;
}

bool CMainFrame::OnFileSave() {
    if (m_document->GetPathName().isEmpty())
        return OnFileSaveAs();
    return DoSave(m_document->GetPathName());
}

bool CMainFrame::OnFileSaveAs() {
    QString suggested = m_document->GetPathName();
    if (suggested.isEmpty())
        suggested = m_document->GetTitle() + DocumentExtension();
    QString path = AskFileName(this, FileDialogKind::Save, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += DocumentExtension();
    return DoSave(path);
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(&SharedPrinter(), this);
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    dialog.exec();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::AddToRecentFileList(const QString &path) {
    if (path.isEmpty())
        return;
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > RecentFileCount)
        m_recentFiles.removeLast();
    UpdateRecentFileMenu();
    SaveSettings();
}

void CMainFrame::RemoveFromRecentFileList(const QString &path) {
    m_recentFiles.removeAll(path);
    UpdateRecentFileMenu();
    SaveSettings();
}

void CMainFrame::UpdateRecentFileMenu() {
    // While the list is empty its place shows the disabled "最近文件".
    for (int index = 0; index < m_recentActions.size(); ++index) {
        QAction *action = m_recentActions[index];
        if (index < m_recentFiles.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(
                QDir::toNativeSeparators(m_recentFiles[index])));
            action->setEnabled(true);
            action->setVisible(true);
        } else {
            action->setText(QStringLiteral("最近文件"));
            action->setEnabled(false);
            action->setVisible(index == 0 && m_recentFiles.isEmpty());
        }
    }
}

void CMainFrame::OnOpenRecentFile(int index) {
    const QString path = m_recentFiles.value(index);
    if (path.isEmpty())
        return;
    // a file that can no longer be opened leaves the list
    if (!OpenDocumentFile(path))
        RemoveFromRecentFileList(path);
}

void CMainFrame::LoadSettings() {
    QSettings settings(SettingsOrganization(), QStringLiteral("fenwold"));
    m_recentFiles.clear();
    for (int index = 1; index <= RecentFileCount; ++index) {
        const QString path =
            settings.value(QStringLiteral("%1/File%2").arg(RecentFileSection).arg(index))
                .toString();
        if (!path.isEmpty() && !m_recentFiles.contains(path))
            m_recentFiles.append(path);
    }
    UpdateRecentFileMenu();
    restoreGeometry(
        settings.value(SettingsSection + QStringLiteral("/WindowGeometry")).toByteArray());
    restoreState(settings.value(SettingsSection + QStringLiteral("/WindowState")).toByteArray());
    command(CommandViewToolBar)->setChecked(!m_wndToolBar->isHidden());
    command(CommandViewStatusBar)->setChecked(!m_wndStatusBar->isHidden());
}

void CMainFrame::SaveSettings() const {
    QSettings settings(SettingsOrganization(), QStringLiteral("fenwold"));
    for (int index = 1; index <= RecentFileCount; ++index) {
        const QString key = QStringLiteral("%1/File%2").arg(RecentFileSection).arg(index);
        if (index <= m_recentFiles.size())
            settings.setValue(key, m_recentFiles[index - 1]);
        else
            settings.remove(key);
    }
    if (isVisible()) {
        settings.setValue(SettingsSection + QStringLiteral("/WindowGeometry"), saveGeometry());
        settings.setValue(SettingsSection + QStringLiteral("/WindowState"), saveState());
    }
}

void CMainFrame::closeEvent(QCloseEvent *event) {
    // the document is never modified, so there is nothing to ask
    SaveSettings();
    if (m_nTimerId != 0) {
        killTimer(m_nTimerId);
        m_nTimerId = 0;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
        OpenDocumentFile(urls.first().toLocalFile());
    }
}

} // namespace fenwold
