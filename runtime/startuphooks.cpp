#include "startuphooks.h"

#include "message.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace runtime {
namespace {

// Ends the program at the first paint of the watched window.
class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { QApplication::exit(EXIT_SUCCESS); });
        return QObject::eventFilter(watched, event);
    }
};

bool showsSomething(const QImage &image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (colours.size() < 16)
                colours.insert(image.pixel(x, y));
    return colours.size() >= 16;
}

QColor programColour(const QString &programName) {
    const QList<QPair<QString, QColor>> colours = {
        {QStringLiteral("tolvane"), QColor(0x1f, 0x5f, 0x9f)},
        {QStringLiteral("ardmere"), QColor(0xb0, 0x30, 0x30)},
        {QStringLiteral("corvell"), QColor(0x2f, 0x7f, 0x4f)},
        {QStringLiteral("dunmoor"), QColor(0x8f, 0x5f, 0x1f)},
        {QStringLiteral("elsbrook"), QColor(0x5f, 0x3f, 0x8f)},
        {QStringLiteral("fenwold"), QColor(0x1f, 0x7f, 0x8f)},
        {QStringLiteral("galtry"), QColor(0x6f, 0x6f, 0x1f)},
        {QStringLiteral("harnock"), QColor(0x9f, 0x2f, 0x6f)},
        {QStringLiteral("ibbrin"), QColor(0x3f, 0x4f, 0x6f)},
    };
    for (const auto &[name, colour] : colours)
        if (name == programName)
            return colour;
    return QColor(0x40, 0x40, 0x40);
}

QPixmap iconPicture(const QString &programName, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(programColour(programName));
    painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 6 * unit, 6 * unit);
    // A crane hook under its rope, in white.
    painter.setPen(QPen(Qt::white, 2.2 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(25 * unit, 4 * unit), QPointF(25 * unit, 15 * unit));
    painter.drawArc(QRectF(21 * unit, 15 * unit, 8 * unit, 8 * unit), 90 * 16, 260 * 16);
    QFont font;
    font.setBold(true);
    font.setPixelSize(static_cast<int>(17 * unit));
    painter.setFont(font);
    painter.drawText(QRectF(2 * unit, 4 * unit, 18 * unit, 24 * unit), Qt::AlignCenter,
                     programName.left(1).toUpper());
    return picture;
}

} // namespace

QIcon ProgramIcon(const QString &programName) {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(iconPicture(programName, size));
    return icon;
}

bool InSnapshotMode() {
    return !qEnvironmentVariableIsEmpty("CRANE_SNAPSHOT");
}

bool SaveWindowPicture(QWidget *window, const QString &fileName) {
    const QImage picture = window->grab().toImage();
    return showsSomething(picture) && picture.save(fileName);
}

void InstallStartupHooks(QWidget *mainWindow) {
    if (InSnapshotMode()) {
        const QString fileName = qEnvironmentVariable("CRANE_SNAPSHOT");
        QTimer::singleShot(300, mainWindow, [mainWindow, fileName] {
            QApplication::exit(SaveWindowPicture(mainWindow, fileName) ? EXIT_SUCCESS
                                                                       : EXIT_FAILURE);
        });
    }
    if (!qEnvironmentVariableIsEmpty("CRANE_EXIT_AFTER_PAINT"))
        mainWindow->installEventFilter(new FirstPaintExit(mainWindow));
}

} // namespace runtime
