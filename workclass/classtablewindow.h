#pragma once

#include <QStringList>
#include <QWidget>

namespace workclass {

// A read-only reference table of the classes usual for 23 kinds of crane, drawn as a grid of
// labels and lines: `Form2` for the crane as a whole, `Form3` for its five mechanisms.
class ClassTableWindow : public QWidget {
    Q_OBJECT
public:
    static ClassTableWindow *craneClasses();
    static ClassTableWindow *mechanismClasses();

private:
    ClassTableWindow(const QString &name, const QString &caption, const QStringList &headers,
                     const QList<QStringList> &rows, int firstClassColumn);
};

} // namespace workclass
