#include "resultwindow.h"

#include "formwidgets.h"
#include "handlers.h"
#include "message.h"
#include "numbers.h"
#include "programend.h"
#include "programicon.h"
#include "sectionpicture.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>

#include <array>

namespace elsbrook {

namespace {

const QColor CaptionColor(0, 128, 0); // dark green captions, black values
const QColor FailColor(255, 0, 0);
const QColor PassColor(0, 255, 0);

QString text(const std::string &s) {
    return runtime::ToQt(s);
}
QString whole(std::int32_t value) {
    return text(runtime::NumberText(static_cast<double>(value)));
}

QString failText() {
    return QStringLiteral("下挠过大 请重新设计");
}
QString passText() {
    return QStringLiteral("挠度满足 请继续进行");
}

// One row of the property table: a caption, its unit exponent raised after the given part of
// the caption, and the value label that follows it.
struct PropertyCaption {
    QString caption;
    QString exponentAfter; // the part of the caption the exponent follows; empty for none
    QString exponent;
};

// The labels of the dimensions as numbers, at the places of H, B, B1, T1, T2, T3, T3: the
// place of H takes Label7(7).
constexpr std::array<int, DimensionCount> dimensionLabelIndex = {7, 1, 2, 3, 4, 5, 6};

// The dimension texts in the order of the drawing's places: H, B, B1, T1, T2, T3, T3.
std::array<QString, DimensionCount> dimensionTexts(const GirderCalculation &c) {
    return {whole(c.H),  whole(c.B),  whole(c.B1), whole(c.T1),
            whole(c.T2), whole(c.T3), whole(c.T3)};
}

} // namespace

ResultWindow::ResultWindow(const GirderCalculation &calculation, QWidget *geometryWindow)
    : results_(calculation), geometryWindow_(geometryWindow) {
    PrepareFixedWindow(this, QStringLiteral("showform"), QStringLiteral("截面参数计算结果"),
                       QSize(722, 394));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(runtime::FormFont(QStringLiteral("宋体"), 10.5));
    createWidgets();
    createConnections();
    showResults();
}

QString ResultWindow::DeflectionLine(const GirderCalculation &c) {
    QString line = QStringLiteral("挠度=") + text(runtime::NumberText(c.Deflection));
    // A girder so stiff that the span over the deflection is beyond the largest ratio kept.
    if (c.SpanRatioBeyond)
        return line + QStringLiteral(" 不足 1/32767");
    return line + QStringLiteral(" 达到 ") + QStringLiteral("1/") +
           text(runtime::NumberText(static_cast<double>(c.SpanRatio)));
}

void ResultWindow::createWidgets() {
    picture_ = new SectionPicture(this);
    picture_->setGeometry(10, 10, 340, 374);
    for (int i = 0; i < DimensionCount; ++i)
        runtime::AddLabel(picture_, runtime::ArrayName("Label7", dimensionLabelIndex[i]), QString(),
                          QRect());

    QGroupBox *frame = runtime::AddFrame(this, "Frame1", "截面参数", QRect(360, 6, 352, 294));
    const QFontMetrics metrics(font());
    const QFont exponentFont = runtime::FormFont(QStringLiteral("宋体"), 7);
    int captionNumber = 10;
    // Places a caption at (left, top) and the value label after it; returns the value label.
    auto addRow = [&](const PropertyCaption &row, int left, int top, const QString &valueName,
                      int valueWidth) -> QLabel * {
        const int captionWidth = metrics.horizontalAdvance(row.caption) + 2;
        QLabel *caption = runtime::AddLabel(frame, QStringLiteral("Label%1").arg(captionNumber++),
                                            row.caption, QRect(left, top, captionWidth, 22));
        runtime::SetForeground(caption, CaptionColor);
        if (!row.exponent.isEmpty()) {
            const int x = left + metrics.horizontalAdvance(row.exponentAfter) + 1;
            QLabel *exponent =
                runtime::AddLabel(frame, QStringLiteral("Label%1").arg(captionNumber++),
                                  row.exponent, QRect(x, top - 4, 12, 14));
            exponent->setFont(exponentFont);
            runtime::SetForeground(exponent, CaptionColor);
        }
        if (valueName.isEmpty())
            return nullptr;
        QLabel *value = runtime::AddLabel(frame, valueName, QString(),
                                          QRect(left + captionWidth + 2, top, valueWidth, 22));
        runtime::SetForeground(value, Qt::black);
        return value;
    };

    addRow({"惯性矩cm  ", "惯性矩cm", "4"}, 12, 24, {}, 0);
    // Second moments take up to 15 digits and the point.
    addRow({"Iz=", {}, {}}, 24, 46, "LabIz", 132);
    addRow({"Iy=", {}, {}}, 188, 46, "LabIy", 132);
    addRow({"抗弯模量cm", "抗弯模量cm", "3"}, 12, 76, {}, 0);
    addRow({"Wzs=", {}, {}}, 24, 98, "LabWzs", 100);
    addRow({"Wzx=", {}, {}}, 188, 98, "LabWzx", 100);
    addRow({"Wyz=", {}, {}}, 24, 120, "LabWyz", 100);
    addRow({"Wyy=", {}, {}}, 188, 120, "LabWyy", 100);
    addRow({"半截面静矩cm  Sz=", "半截面静矩cm", "3"}, 12, 150, "LabSz", 150);
    addRow({"截面积cm  A=", "截面积cm", "2"}, 12, 174, "LabA", 150);
    addRow({"每米重Kg/m Q=", {}, {}}, 12, 198, "LabQ", 150);
    addRow({"形心坐标mm (z,y)=", {}, {}}, 12, 222, "LabCzy", 150);

    deflectionLine_ = runtime::AddLabel(frame, "LabNd", QString(), QRect(12, 254, 328, 30));
    deflectionLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    deflectionLine_->setAlignment(Qt::AlignCenter);
    deflectionLine_->setFont(runtime::FormFont(QStringLiteral("宋体"), 11, true));

    warning_ = runtime::AddLabel(this, "LabWarning", QString(), QRect(360, 306, 352, 38));
    QFont warningFont = runtime::FormFont(QStringLiteral("隶书"), 16, true);
    warningFont.setItalic(true);
    warning_->setFont(warningFont);
    warning_->setAlignment(Qt::AlignCenter);
    runtime::SetBackground(warning_, palette().color(QPalette::WindowText));

    const QFont buttonFont = runtime::FormFont(QStringLiteral("幼圆"), 11);
    backButton_ = runtime::AddButton(this, "fhcs", "返回重算", QRect(360, 352, 110, 34));
    drawingButton_ = runtime::AddButton(this, "tzsc", "图纸输出", QRect(481, 352, 110, 34));
    exitButton_ = runtime::AddButton(this, "tc", "退  出", QRect(602, 352, 110, 34));
    for (QPushButton *button : {backButton_, drawingButton_, exitButton_})
        button->setFont(buttonFont);
}

void ResultWindow::createConnections() {
    runtime::OnClick(backButton_, [this] { close(); });
    runtime::OnClick(drawingButton_, [this] { exportDrawing(); });
    runtime::OnClick(exitButton_, [] { EndProgram(); });
}

void ResultWindow::showResults() {
    // Only one of the program's main windows is seen at a time.
    geometryWindow_->hide();

    const GirderCalculation &c = results_;
    const auto dimensions = dimensionTexts(c);
    for (int i = 0; i < DimensionCount; ++i) {
        auto *label = findChild<QLabel *>(runtime::ArrayName("Label7", dimensionLabelIndex[i]));
        label->setText(dimensions[i]);
        picture_->PlaceLabel(label, static_cast<SectionDimension>(i));
    }

    auto set = [this](const char *name, const QString &value) {
        findChild<QLabel *>(QString::fromLatin1(name))->setText(value);
    };
    set("LabIz", text(runtime::NumberText(c.Iz)));
    set("LabIy", text(runtime::NumberText(c.Iy)));
    set("LabWzs", whole(c.Wzs));
    set("LabWzx", whole(c.Wzx));
    set("LabWyz", whole(c.Wyz));
    set("LabWyy", whole(c.Wyy));
    set("LabSz", whole(c.Sz));
    set("LabA", whole(c.A));
    set("LabQ", whole(c.Q));
    set("LabCzy",
        QStringLiteral("(") + whole(c.z) + QStringLiteral(",") + whole(c.y) + QStringLiteral(")"));
    deflectionLine_->setText(DeflectionLine(c));

    const bool passes = c.DeflectionPasses();
    runtime::SetForeground(warning_, passes ? PassColor : FailColor);
    warning_->setText(passes ? passText() : failText());
    drawingButton_->setEnabled(passes);
}

void ResultWindow::exportDrawing() {
    QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("图纸输出"), QDir::home().filePath(QStringLiteral("elsbrook.pdf")),
        QStringLiteral("PDF 文件 (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    if (!SaveDrawing(fileName))
        runtime::ShowMessage(QStringLiteral("图纸保存失败：") + QDir::toNativeSeparators(fileName));
}

bool ResultWindow::SaveDrawing(const QString &fileName) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72); // one unit a point, so fonts take their point sizes
        writer.setTitle(QStringLiteral("截面参数计算结果"));
        writer.setCreator(QStringLiteral("elsbrook"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paintSheet(painter, QRectF(0, 0, writer.width(), writer.height()));
        painter.end();
    }
    return file.commit();
}

void ResultWindow::paintSheet(QPainter &painter, const QRectF &page) const {
    const GirderCalculation &c = results_;
    const QRectF area = page.adjusted(56, 56, -56, -56);
    double top = area.top();

    painter.setPen(Qt::black);
    painter.setFont(runtime::FormFont(QStringLiteral("宋体"), 18, true));
    painter.drawText(QRectF(area.left(), top, area.width(), 30), Qt::AlignCenter,
                     QStringLiteral("截面参数计算结果"));
    top += 40;

    painter.setFont(runtime::FormFont(QStringLiteral("宋体"), 11));
    const QString crane =
        (c.GirderCount == 1 ? QStringLiteral("单梁") : QStringLiteral("双梁")) +
        QStringLiteral("  起重量 ") + text(runtime::NumberText(c.LiftLoad / 1000.0F)) +
        QStringLiteral(" 吨  小车重 ") + text(runtime::NumberText(c.TrolleyLoad / 1000.0)) +
        QStringLiteral(" 吨  跨度 ") + text(runtime::NumberText(c.SpanCm / 100.0F)) +
        QStringLiteral(" 米  许用挠度[f]=") + text(runtime::NumberText(c.AllowedDeflection)) +
        QStringLiteral("cm");
    painter.drawText(QRectF(area.left(), top, area.width(), 20), Qt::AlignCenter, crane);
    top += 30;

    // The section with its dimensions in mm.
    const double drawingSide = 360;
    painter.setFont(runtime::FormFont(QStringLiteral("宋体"), 10));
    const QRectF drawingArea(area.center().x() - drawingSide / 2, top, drawingSide, drawingSide);
    SectionDrawing::DrawWithTexts(painter, drawingArea, dimensionTexts(c));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(drawingArea);
    top += drawingSide + 24;

    // The properties, two columns, each unit exponent raised after its "cm".
    const QFont valueFont = runtime::FormFont(QStringLiteral("宋体"), 11);
    const QFont exponentFont = runtime::FormFont(QStringLiteral("宋体"), 7);
    auto entry = [&](double left, double y, const QString &name, const QString &exponent,
                     const QString &value) {
        painter.setFont(valueFont);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(valueFont, painter.device());
        QPointF at(left, y);
        painter.drawText(at, name);
        at.rx() += metrics.horizontalAdvance(name);
        painter.drawText(at, QStringLiteral("cm"));
        at.rx() += metrics.horizontalAdvance(QStringLiteral("cm"));
        if (!exponent.isEmpty()) {
            painter.setFont(exponentFont);
            painter.drawText(at - QPointF(0, 5), exponent);
            at.rx() += QFontMetricsF(exponentFont, painter.device()).horizontalAdvance(exponent);
            painter.setFont(valueFont);
        }
        painter.drawText(at + QPointF(6, 0), QStringLiteral("= ") + value);
    };
    const double left = area.left() + 20, right = area.center().x() + 10, step = 22;
    entry(left, top, QStringLiteral("惯性矩 Iz "), "4", text(runtime::NumberText(c.Iz)));
    entry(right, top, QStringLiteral("惯性矩 Iy "), "4", text(runtime::NumberText(c.Iy)));
    top += step;
    entry(left, top, QStringLiteral("抗弯模量 Wzs "), "3", whole(c.Wzs));
    entry(right, top, QStringLiteral("抗弯模量 Wzx "), "3", whole(c.Wzx));
    top += step;
    entry(left, top, QStringLiteral("抗弯模量 Wyz "), "3", whole(c.Wyz));
    entry(right, top, QStringLiteral("抗弯模量 Wyy "), "3", whole(c.Wyy));
    top += step;
    entry(left, top, QStringLiteral("半截面静矩 Sz "), "3", whole(c.Sz));
    entry(right, top, QStringLiteral("截面积 A "), "2", whole(c.A));
    top += step;
    painter.setFont(valueFont);
    painter.drawText(QPointF(left, top), QStringLiteral("每米重Kg/m Q= ") + whole(c.Q));
    painter.drawText(QPointF(right, top), QStringLiteral("形心坐标mm (z,y)= (") + whole(c.z) +
                                              QStringLiteral(",") + whole(c.y) +
                                              QStringLiteral(")"));
    top += step + 12;

    painter.setFont(runtime::FormFont(QStringLiteral("宋体"), 12, true));
    painter.drawText(QRectF(area.left(), top, area.width(), 24), Qt::AlignCenter,
                     DeflectionLine(c));
    top += 32;

    // The verdict as the result window shows it: its colour on the window-text ground.
    const bool passes = c.DeflectionPasses();
    const QRectF verdict(area.center().x() - 130, top, 260, 34);
    painter.fillRect(verdict, Qt::black);
    QFont verdictFont = runtime::FormFont(QStringLiteral("隶书"), 16, true);
    verdictFont.setItalic(true);
    painter.setFont(verdictFont);
    painter.setPen(passes ? PassColor : FailColor);
    painter.drawText(verdict, Qt::AlignCenter, passes ? passText() : failText());
}

void ResultWindow::closeEvent(QCloseEvent *event) {
    // Closed by 返回重算 or by its title bar: back to the geometry window as it was.
    geometryWindow_->show();
    event->accept();
}

} // namespace elsbrook
