#include "programicon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

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

namespace {

class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget *window)
        : QObject(window), window_(window), place_(window->pos()) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        // Only moves from outside (the title bar, the window manager) are undone.
        if (watched == window_ && event->type() == QEvent::Move && event->spontaneous())
            moved();
        return false;
    }

private:
    void moved() {
        if (window_->pos() == place_) {
            tries_ = 0;
            return;
        }
        if (tries_ >= 2)
            return;
        ++tries_;
        QTimer::singleShot(0, this, [this] { window_->move(place_); });
    }

    QWidget *window_;
    QPoint place_;
    int tries_ = 0;
};

} // namespace

void KeepInPlace(QWidget *window) {
    new PlaceKeeper(window); // owned by the window
}

void CentreOnScreen(QWidget *window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

} // namespace elsbrook
