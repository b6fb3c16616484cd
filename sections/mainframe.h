#pragma once

#include "iconanimator.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QStatusBar;
class QToolBar;

namespace fenwold {

class CMyDoc;
class CMyView;

// The settings of fenwold (recent files, window placement) live under this organisation.
QString SettingsOrganization();

// The main window: menus, the tool bar docked at the top (movable to any side), the status bar
// with its prompt pane and lock-key indicators, the report view, and the turning icon. It also
// carries out the document commands and keeps the list of the four most recent files.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CMyDoc *document);
    ~CMainFrame() override;

    CMyView *view() const { return m_view; }
    CMyDoc *document() const { return m_document; }
    const CIconAnimator &iconAnimator() const { return m_iconAnimator; }

    // The recent files, most recent first.
    QStringList recentFiles() const { return m_recentFiles; }

    // Opens a file as the document; on success the view shows it and it heads the recent list.
    bool OpenDocumentFile(const QString &path);

    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFilePrintSetup();
    void OnAppAbout();

    void LoadSettings();
    void SaveSettings() const;

protected:
    void timerEvent(QTimerEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void OnCreate();
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    QAction *addCommand(int id, const QString &text, const QString &prompt,
                        const QList<QKeySequence> &keys = {});
    QAction *command(int id) const;
    void UpdateFrameTitle();
    void AddToRecentFileList(const QString &path);
    void RemoveFromRecentFileList(const QString &path);
    void UpdateRecentFileMenu();
    void OnOpenRecentFile(int index);
    bool DoSave(const QString &path);

    CMyDoc *m_document;
    CMyView *m_view = nullptr;
    QToolBar *m_wndToolBar = nullptr;
    QStatusBar *m_wndStatusBar = nullptr;
    QLabel *m_messagePane = nullptr;
    CIconAnimator m_iconAnimator;
    int m_nTimerId = 0;
    QStringList m_recentFiles;
    QList<QAction *> m_recentActions;
};

} // namespace fenwold
