#include "myview.h"

#include "appdialogs.h"
#include "currentsection.h"
#include "formwidgets.h"
#include "message.h"
#include "mydoc.h"
#include "reportpage.h"

#include <QFontInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>

namespace fenwold {

CMyView::CMyView(CMyDoc *document, QWidget *parent)
    : QAbstractScrollArea(parent), document_(document) {
    setObjectName(QStringLiteral("CMyView"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(palette);
    connect(document_, &CMyDoc::sectionReplaced, viewport(), qOverload<>(&QWidget::update));
    OnInitialUpdate();
}

QSize CMyView::screenSize() const {
    const QScreen *shownOn = screen();
    return shownOn ? shownOn->geometry().size() : QSize(ReportPageWidth, ReportPageHeight);
}

void CMyView::OnInitialUpdate() {
    // The scroll range is the document's page; where the screen makes the drawn page larger,
    // the range grows with it so that no part of the report is out of reach.
    const qreal scale = ReportScale(screenSize());
    totalSize_ = document_->pageSize().expandedTo(
        QSize(qCeil(ReportPageWidth * scale), qCeil(ReportPageHeight * scale)));
    updateScrollBars();
    viewport()->update();
}

void CMyView::updateScrollBars() {
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, totalSize_.width() - area.width()));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setSingleStep(std::max(1, area.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, totalSize_.height() - area.height()));
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(std::max(1, area.height() / 10));
}

void CMyView::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CMyView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CMyView::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    OnDraw(&painter, screenSize());
}

void CMyView::OnDraw(QPainter *painter, const QSize &deviceSize) {
    DrawReportPage(*painter, CurrentSection(), deviceSize);
}

void CMyView::OnBeginPrinting(QPainter *painter) {
    QFont font = runtime::FormFont(QStringLiteral("宋体"), 10);
    font.setStyleHint(QFont::SansSerif);
    painter->setFont(font);
    if (!painter->isActive() || QFontInfo(painter->font()).family().isEmpty())
        runtime::ShowMessage(QStringLiteral("设置字体错误,将使用默认字体!"));
}

bool CMyView::PrintReport(QPrinter &printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        runtime::ShowMessage(QStringLiteral("无法在所选打印机上开始打印。"));
        return false;
    }
    OnBeginPrinting(&painter);
    OnDraw(&painter, QSize(printer.width(), printer.height()));
    return painter.end();
}

void CMyView::OnFilePrint() {
    QPrinter &printer = SharedPrinter();
    if (AskPrintSettings(printer, window()))
        PrintReport(printer);
}

void CMyView::OnFilePrintDirect() {
    QPrinter &printer = SharedPrinter();
    if (printer.outputFormat() == QPrinter::NativeFormat || !printer.outputFileName().isEmpty()) {
        PrintReport(printer);
        return;
    }
    runtime::ShowMessage(QStringLiteral("没有可用的打印机，无法打印。"));
}

void CMyView::OnFilePrintPreview() {
    QPrintPreviewDialog preview(&SharedPrinter(), window());
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QStringLiteral("打印预览"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { PrintReport(*printer); });
    preview.exec();
}

} // namespace fenwold
