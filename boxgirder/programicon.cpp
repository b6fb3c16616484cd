#include "programicon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

namespace elsbrook {

void DrawProgramIcon(QPainter &painter, const QRectF &target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / 32, target.height() / 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(28, 64, 128));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    // Flanges overhanging two webs, as the girder is seen end on.
    painter.setBrush(QColor(236, 240, 246));
    painter.drawRect(QRectF(5, 5, 22, 3.5));
    painter.drawRect(QRectF(5, 23.5, 22, 3.5));
    painter.drawRect(QRectF(9, 8.5, 3, 15));
    painter.drawRect(QRectF(20, 8.5, 3, 15));
    painter.restore();
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        DrawProgramIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

IconPicture::IconPicture(QWidget *parent) : QWidget(parent) {}

void IconPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const double side = std::min(width(), height());
    DrawProgramIcon(painter, QRectF(0, 0, side, side));
}

void PrepareFixedWindow(QWidget *window, const QString &name, const QString &caption,
                        const QSize &size) {
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowIcon(ProgramIcon());
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setFixedSize(size);
    CentreOnScreen(window);
}

void CentreOnScreen(QWidget *window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

} // namespace elsbrook
