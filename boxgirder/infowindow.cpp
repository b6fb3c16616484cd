#include "infowindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "programicon.h"
#include "systeminfo.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace elsbrook {

// Owned by the input window, so that it stays above it and out of the task bar.
InfoWindow::InfoWindow(QWidget *inputWindow) : QDialog(inputWindow), inputWindow_(inputWindow) {
    setObjectName(QStringLiteral("info"));
    setWindowTitle(QStringLiteral("关于elsbrook"));
    setWindowIcon(ProgramIcon());
    // A fixed dialog border with only the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(392, 210);
    setFont(runtime::FormFont(QStringLiteral("宋体"), 10.5));
    setAttribute(Qt::WA_DeleteOnClose);
    createWidgets();
    createConnections();
    CentreOnScreen(this);
}

QString InfoWindow::VersionText() {
    return QStringLiteral("版本 %1.%2.%3")
        .arg(ELSBROOK_VERSION_MAJOR)
        .arg(ELSBROOK_VERSION_MINOR)
        .arg(ELSBROOK_VERSION_PATCH);
}

void InfoWindow::createWidgets() {
    auto *icon = new IconPicture(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(18, 18, 48, 48);

    QLabel *title = runtime::AddLabel(this, "lblTitle", "elsbrook", QRect(84, 14, 290, 36));
    title->setFont(runtime::FormFont(QStringLiteral("隶书"), 18, true));
    runtime::AddLabel(this, "lblVersion", VersionText(), QRect(84, 54, 290, 24));

    // An etched line: a dark line with a light one under it.
    auto *dark = new QFrame(this);
    dark->setObjectName(runtime::ArrayName("Line1", 0));
    dark->setGeometry(12, 110, 368, 1);
    runtime::SetBackground(dark, QColor(128, 128, 128));
    auto *light = new QFrame(this);
    light->setObjectName(runtime::ArrayName("Line1", 1));
    light->setGeometry(12, 111, 368, 1);
    runtime::SetBackground(light, Qt::white);

    okButton_ = runtime::AddButton(this, "cmdOK", "确定", QRect(248, 124, 130, 32));
    systemInfoButton_ =
        runtime::AddButton(this, "cmdSysInfo", "系统信息(&S)...", QRect(248, 164, 130, 32));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    systemInfoButton_->setAutoDefault(false);
}

void InfoWindow::createConnections() {
    // 确定, Esc and the close box all end here: the input window takes the input again.
    runtime::OnClick(okButton_, [this] { accept(); });
    runtime::OnClick(systemInfoButton_, [] {
        if (!StartSystemInformation())
            runtime::ShowMessage(QStringLiteral("此时系统信息无效"));
    });
    connect(this, &QDialog::finished, this, [this] {
        if (inputWindow_)
            inputWindow_->setEnabled(true);
    });
}

} // namespace elsbrook
