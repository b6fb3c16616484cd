#include "statusclock.h"

#include "formwidgets.h"
#include "startuphooks.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

namespace runtime {
namespace {

constexpr int statusBarHeight = 22;
constexpr int picturePanelWidth = 28;

// The engineer's own locale; a machine left on the bare C locale reads the date in Chinese,
// like the rest of the window.
QLocale clockLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::Chinese, QLocale::China) : system;
}

QPixmap clockPicture() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 1.5));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.drawLine(QPointF(8, 8), QPointF(8, 4));
    painter.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    return picture;
}

QLabel *sunkenPanel(QWidget *parent, const QString &name) {
    auto *panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

} // namespace

PanelStatusBar::PanelStatusBar(const QString &name, QWidget *window)
    : QWidget(window), picturePanel_(sunkenPanel(this, QStringLiteral("Panel1"))),
      textPanel_(sunkenPanel(this, QStringLiteral("Panel2"))) {
    setObjectName(name);
    picturePanel_->setFixedWidth(picturePanelWidth);
    picturePanel_->setAlignment(Qt::AlignCenter);
    picturePanel_->setPixmap(clockPicture());
    textPanel_->setIndent(4);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 2, 1, 1);
    layout->setSpacing(2);
    layout->addWidget(picturePanel_);
    layout->addWidget(textPanel_, 1);
    window->installEventFilter(this);
    followWindowWidth();
}

QString PanelStatusBar::panelText(int panel) const {
    return panel == 1 ? picturePanel_->text() : textPanel_->text();
}

void PanelStatusBar::setPanelText(int panel, const QString &text) {
    (panel == 1 ? picturePanel_ : textPanel_)->setText(text);
}

bool PanelStatusBar::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        followWindowWidth();
    return QWidget::eventFilter(watched, event);
}

void PanelStatusBar::followWindowWidth() {
    const QWidget *window = parentWidget();
    setGeometry(0, window->height() - statusBarHeight, window->width(), statusBarHeight);
}

QString ClockText(const QDateTime &moment) {
    const QLocale locale = clockLocale();
    // The zone is not part of the clock: drop it with the brackets and blanks around it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\[?t+\\]?\\s*")));
    return locale.toString(moment.date(), QLocale::LongFormat) + QStringLiteral("   ") +
           locale.toString(moment.time(), timeFormat.trimmed());
}

StatusClock::StatusClock(const QString &timerName, PanelStatusBar *statusBar)
    : QObject(statusBar), statusBar_(statusBar), timer_(new QTimer(this)) {
    timer_->setObjectName(timerName);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &StatusClock::tick);
    timer_->start();
    tick();
}

void StatusClock::tick() {
    // A picture of the window for the documentation shows one fixed moment, so that it changes
    // only when the window does.
    const QDateTime moment = InSnapshotMode() ? QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0))
                                              : QDateTime::currentDateTime();
    statusBar_->setPanelText(2, ClockText(moment));
}

} // namespace runtime
