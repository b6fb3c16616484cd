#pragma once

#include <QIcon>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace elsbrook {

// The program's icon: the box section of a main girder, drawn with lines so that it is sharp
// at every size.
void DrawProgramIcon(QPainter &painter, const QRectF &target);
QIcon ProgramIcon();

// A picture box that shows the icon (`picIcon` of the about window).
class IconPicture : public QWidget {
    Q_OBJECT
public:
    explicit IconPicture(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Centres a window of its fixed size on the screen.
void CentreOnScreen(QWidget *window);

// Keeps a window where it was put: a move by its title bar is undone. A window manager that
// places the window elsewhere all the same is left its way after a second try.
void KeepInPlace(QWidget *window);

// Common shape of the program's windows: fixed size, no maximise button, centred on the screen.
void PrepareFixedWindow(QWidget *window, const QString &name, const QString &caption,
                        const QSize &size);

} // namespace elsbrook
