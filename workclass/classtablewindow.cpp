#include "classtablewindow.h"

#include "formwidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace workclass {
namespace {

struct CraneKind {
    const char *kind;
    const char *usage;
};

// The 23 kinds of crane with the load handling device where the table tells them apart.
const CraneKind craneKinds[23] = {
    {"手动起重机械", ""},
    {"安装起重机", ""},
    {"电站、机加工车间等装拆起重机", ""},
    {"堆取料用装卸桥", "吊钩"},
    {"堆取料用装卸桥", "抓斗或电磁铁"},
    {"车间起重机", ""},
    {"桥式起重机(行车)，砸铁起重机、废铁场起重机", "抓斗或电磁铁"},
    {"铸造起重机", ""},
    {"均热炉起重机", ""},
    {"脱锭起重机，平炉装料起重机", ""},
    {"锻造起重机", ""},
    {"卸货用桥式类起重机，集装箱用桥式起重机", "吊钩或集装箱吊具"},
    {"其他桥式类起重机(带载重小车或回转臂架起重机)", "吊钩"},
    {"卸货用桥式起重机，桥式类起重机(带载重小车或回转臂架起重机)", "抓斗或电磁铁"},
    {"干坞起重机，船厂臂架起重机，拆卸用臂架起重机", "吊钩"},
    {"码头边起重机(回转式，门式)，浮式起重机和趸船桅杆吊", "吊钩"},
    {"码头边起重机(回转式，门式)，浮式起重机和趸船桅杆吊", "抓斗或电磁铁"},
    {"特重荷重(通常超过100吨)用浮式起重机和趸船桅杆吊", ""},
    {"甲板起重机", "吊钩"},
    {"甲板起重机", "抓斗或电磁铁"},
    {"建筑用塔式起重机", ""},
    {"桅杆吊", ""},
    {"可与列车编组运行的铁路起重机", ""},
};

const char *craneClassOf[23] = {"A1-A2", "A1-A2", "A2-A4", "A5",    "A6-A8", "A3-A5",
                                "A6-A8", "A6-A8", "A8",    "A8",    "A6-A8", "A5-A6",
                                "A4",    "A6-A8", "A3-A5", "A5-A6", "A6-A8", "A2-A3",
                                "A3-A4", "A4-A5", "A3-A4", "A2-A3", "A4"};

// Hoisting, slewing, luffing, trolley traverse and travel; "—" where no class is usual.
const char *mechanismClassesOf[23][5] = {
    {"M1", "—", "—", "M1", "M1"},
    {"M2-M3", "M2-M3", "M1-M2", "M1-M2", "M2-M3"},
    {"M2", "—", "—", "M2", "M2"},
    {"M5-M6", "M4", "—", "M4-M5", "M5-M6"},
    {"M7-M8", "M6", "—", "M6-M7", "M7-M8"},
    {"M6", "M4", "—", "M4", "M5"},
    {"M8", "M6", "—", "M6-M7", "M7-M8"},
    {"M7-M8", "—", "—", "M4-M5", "M6-M7"},
    {"M8", "M6", "—", "M7", "M8"},
    {"M8", "M6", "—", "M7", "M8"},
    {"M8", "—", "—", "M5", "M6"},
    {"M6-M7", "M5-M6", "M3-M4", "M6-M7", "M4-M5"},
    {"M4-M5", "M4-M5", "—", "M4-M5", "M4-M5"},
    {"M8", "M5-M6", "M3-M4", "M7-M8", "M4-M5"},
    {"M5-M6", "M4-M5", "M4-M5", "M4-M5", "M5-M6"},
    {"M6-M7", "M5-M6", "M5-M6", "—", "M3-M4"},
    {"M7-M8", "M6-M7", "M6-M7", "—", "M4-M5"},
    {"M3-M4", "M3-M4", "M3-M4", "—", "—"},
    {"M4", "M3-M4", "M3-M4", "M2", "M3"},
    {"M5-M6", "M3-M4", "M3-M4", "M4-M5", "M3-M4"},
    {"M4", "M5", "M4", "M3", "M3"},
    {"M2-M3", "M1-M2", "M1-M2", "—", "—"},
    {"M3-M4", "M2-M3", "M2-M3", "—", "—"},
};

// The mechanism table names the dry dock crane in full.
constexpr int dryDockRow = 14;
const char *dryDockKindInMechanismTable = "干船坞起重机，船厂臂架起重机，拆卸用臂架起重机";

QStringList kindColumns(int row, bool mechanismTable) {
    const CraneKind &kind = craneKinds[row];
    const char *kindText =
        mechanismTable && row == dryDockRow ? dryDockKindInMechanismTable : kind.kind;
    return {QString::number(row + 1), QString::fromUtf8(kindText), QString::fromUtf8(kind.usage)};
}

const QColor classCellColor(255, 192, 192);

QLabel *gridCell(QWidget *grid, const QString &text, bool header, bool classColumn) {
    auto *cell = new QLabel(text, grid);
    cell->setAlignment(header || classColumn ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    cell->setMargin(3);
    cell->setMinimumHeight(22);
    if (classColumn && !header)
        runtime::SetBackground(cell, classCellColor);
    return cell;
}

// The frame of the table: draws a line around every cell, so that lines separate every row
// and every column.
class GridFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override {
        QGroupBox::paintEvent(event);
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        for (const QLabel *cell : findChildren<QLabel *>())
            painter.drawRect(cell->geometry().adjusted(-1, -1, 0, 0));
    }
};

} // namespace

ClassTableWindow::ClassTableWindow(const QString &name, const QString &caption,
                                   const QStringList &headers, const QList<QStringList> &rows,
                                   int firstClassColumn) {
    setObjectName(name);
    setWindowTitle(caption);
    auto *frame = new GridFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    grid->setSpacing(1);
    grid->setContentsMargins(8, 8, 8, 8);

    const QList<QStringList> allRows = QList<QStringList>{headers} + rows;
    for (int row = 0; row < allRows.size(); ++row)
        for (int column = 0; column < allRows[row].size(); ++column)
            grid->addWidget(
                gridCell(frame, allRows[row][column], row == 0, column >= firstClassColumn), row,
                column);
    grid->setColumnMinimumWidth(0, 28);
    grid->setColumnMinimumWidth(1, 440);
    grid->setColumnMinimumWidth(2, 120);
    for (int column = firstClassColumn; column < headers.size(); ++column)
        grid->setColumnMinimumWidth(column, 64);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
}

ClassTableWindow *ClassTableWindow::craneClasses() {
    QList<QStringList> rows;
    for (int row = 0; row < 23; ++row)
        rows << (kindColumns(row, false) << QString::fromUtf8(craneClassOf[row]));
    return new ClassTableWindow(QStringLiteral("Form2"), QStringLiteral("常用起重机工作级别"),
                                {QString(), QStringLiteral("起重机械类型"),
                                 QStringLiteral("用途特点"), QStringLiteral("级别")},
                                rows, 3);
}

ClassTableWindow *ClassTableWindow::mechanismClasses() {
    QList<QStringList> rows;
    for (int row = 0; row < 23; ++row) {
        QStringList cells = kindColumns(row, true);
        for (const char *mechanismClass : mechanismClassesOf[row])
            cells << QString::fromUtf8(mechanismClass);
        rows << cells;
    }
    return new ClassTableWindow(QStringLiteral("Form3"), QStringLiteral("常用机构工作级别"),
                                {QString(), QStringLiteral("起重机械类型"),
                                 QStringLiteral("用途特征"), QStringLiteral("起升"),
                                 QStringLiteral("回转"), QStringLiteral("变幅"),
                                 QStringLiteral("横行"), QStringLiteral("行走")},
                                rows, 3);
}

} // namespace workclass
