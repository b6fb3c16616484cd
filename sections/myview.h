#pragma once

#include <QAbstractScrollArea>
#include <QSize>

class QPainter;
class QPrinter;

namespace fenwold {

class CMyDoc;

// The scrolling view of the report page. The same OnDraw serves the window, the print preview
// and the printer; each passes the size of its device in pixels.
class CMyView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CMyView(CMyDoc *document, QWidget *parent);

    CMyDoc *GetDocument() const { return document_; }

    // Sets the scroll range from the document's page size.
    void OnInitialUpdate();
    // Draws the report for a device of the given size in pixels.
    void OnDraw(QPainter *painter, const QSize &deviceSize);
    // Puts the view's printing font into the printer's painter; tells the engineer when the
    // font cannot be set and goes on with the default.
    void OnBeginPrinting(QPainter *painter);

    // Prints the one report page on the printer as it is set up; false when printing could
    // not start (the engineer has been told).
    bool PrintReport(QPrinter &printer);

    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

    // The size of the screen the view is on: what the window's page is scaled to.
    QSize screenSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();

    CMyDoc *document_;
    QSize totalSize_;
};

} // namespace fenwold
