#pragma once
// The log on screen: one page at a time in a scrolling area, drawn by the
// same drawing pass as printing and every export. Paging (commands and the
// Page Up / Up / Page Down / Down keys) follows the document's page state and
// is ignored while a page is being printed. Zoom scales the drawing on screen
// only, as vectors; the printed mapping never changes.
#include "document/ViewState.h"

#include <QAbstractScrollArea>
#include <QPoint>

namespace kolv {

class LogDocument;
class Prompter;

class LogView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr double smallestZoom = 0.25;
    static constexpr double largestZoom = 4.0;

    LogView(LogDocument& document, Prompter& prompter, QWidget* parent = nullptr);

    // Fixes the scroll area from the metres per page, once, when the view is
    // first shown (the screen width decides between the wide and the narrow
    // layout).
    void initialUpdate(int screenWidthPixels);
    const ScrollArea& scrollArea() const { return area_; }

    void previousPage();
    void nextPage();
    // Switches screen drawing and says which way it went.
    void toggleScreenDrawing();

    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void fitWidth();

signals:
    // A short text for the status bar's message pane.
    void statusMessage(const QString& text);
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The paging keys first return a page number that ran far past the last page to 1.
    void resetRunawayPage();
    void updateScrollBars();
    // The top left corner of the sheet in the window.
    QPoint sheetOrigin() const;

    // Grey desk around the white sheet, in pixels at every zoom.
    static constexpr int sheetMargin = 12;

    LogDocument& document_;
    Prompter& prompter_;
    ScrollArea area_;
    double zoom_ = 1.0;
};

}  // namespace kolv
