// A bare Qt window: what every program of the suite costs at the least to start and paint.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
protected:
    bool event(QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QApplication::quit);
        return QWidget::event(event);
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    BareWindow window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
