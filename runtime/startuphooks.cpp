#include "startuphooks.h"

#include "message.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace runtime {
namespace {

// Ends the process as soon as the watched window has been painted once, from whatever event
// loop paints it (a modal dialog's too); what comes after the first paint is not measured.
class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { std::_Exit(EXIT_SUCCESS); });
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

// Draws the icon into a square: a rounded tile in the program's colour, the program's initial
// and a crane hook under its rope, in white.
void paintIcon(QPainter &painter, const QRectF &square, const QString &programName) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.topLeft());
    const qreal unit = square.width() / 32.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(programColour(programName));
    painter.drawRoundedRect(QRectF(unit, unit, 30 * unit, 30 * unit), 6 * unit, 6 * unit);
    painter.setPen(QPen(Qt::white, 2.2 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(25 * unit, 4 * unit), QPointF(25 * unit, 15 * unit));
    painter.drawArc(QRectF(21 * unit, 15 * unit, 8 * unit, 8 * unit), 90 * 16, 260 * 16);
    QFont font = QGuiApplication::font();
    font.setBold(true);
    font.setPixelSize(qMax(1, static_cast<int>(17 * unit)));
    painter.setFont(font);
    painter.drawText(QRectF(2 * unit, 4 * unit, 18 * unit, 24 * unit), Qt::AlignCenter,
                     programName.left(1).toUpper());
    painter.restore();
}

// Draws the icon when a size of it is first asked for, so that a program pays nothing for
// the sizes its desktop never shows.
class ProgramIconEngine : public QIconEngine {
public:
    explicit ProgramIconEngine(const QString &programName) : programName_(programName) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override {
        const int side = qMin(rect.width(), rect.height());
        paintIcon(*painter, QRectF(rect.x(), rect.y(), side, side), programName_);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(programName_); }

private:
    QString programName_;
};

} // namespace

QIcon ProgramIcon(const QString &programName) {
    return QIcon(new ProgramIconEngine(programName));
}

bool InSnapshotMode() {
    return !qEnvironmentVariableIsEmpty("CRANE_SNAPSHOT");
}

bool SaveWindowPicture(QWidget *window, const QString &fileName) {
    const QImage picture = window->grab().toImage();
    return showsSomething(picture) && picture.save(fileName);
}

bool InToolingMode() {
    return InSnapshotMode() || !qEnvironmentVariableIsEmpty("CRANE_EXIT_AFTER_PAINT");
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
