#include "aboutdlg.h"

#include "formwidgets.h"
#include "sectionpictures.h"

#include <QLabel>
#include <QPushButton>

namespace fenwold {

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("关于 fenwold"));
    setFont(runtime::FormFont(QStringLiteral("宋体"), 9));
    auto *icon = runtime::AddLabel(this, QStringLiteral("128"), QString(), QRect(14, 14, 32, 32));
    icon->setPixmap(IconFrame(0, 32));
    runtime::AddLabel(this, QString(), QStringLiteral("fenwold 1.0 版"), QRect(60, 20, 160, 20));
    auto *ok = runtime::AddButton(this, QStringLiteral("IDOK"), QStringLiteral("确定"),
                                  QRect(230, 14, 70, 26));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(314, 64);
}

} // namespace fenwold
