// A bare Qt window: what every program of the suite costs at the least to start and paint.
// With "--chinese" the window shows one line of Chinese in the Noto CJK face that the suite's
// windows fall back to, which tells the share of the Chinese glyphs in a program's cost.

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
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
    if (QApplication::arguments().contains(QStringLiteral("--chinese"))) {
        QFont font;
        font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC")});
        auto *line = new QLabel(QStringLiteral("起重机设计计算：参数输入"), &window);
        line->setFont(font);
        (new QVBoxLayout(&window))->addWidget(line);
    }
    window.show();
    return QApplication::exec();
}
