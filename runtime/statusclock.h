#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

namespace runtime {

// A status bar docked to the bottom of a form window, with a narrow first panel that holds a
// small picture and a wide second panel for text. Panels are numbered from 1.
class PanelStatusBar : public QWidget {
    Q_OBJECT
public:
    PanelStatusBar(const QString &name, QWidget *window);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followWindowWidth();

    QLabel *picturePanel_;
    QLabel *textPanel_;
};

// The status bar text of the clock: the long date, three blanks and the long time.
QString ClockText(const QDateTime &moment);

// Writes the running clock into panel 2 of a status bar on a 100 ms timer, so that the
// seconds are seen running.
class StatusClock : public QObject {
    Q_OBJECT
public:
    StatusClock(const QString &timerName, PanelStatusBar *statusBar);

    void tick();

private:
    PanelStatusBar *statusBar_;
    QTimer *timer_;
};

} // namespace runtime
