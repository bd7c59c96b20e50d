#include "app/LogView.h"

#include "app/PagePrinting.h"
#include "document/LogDocument.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

constexpr double zoomStep = 1.25;
const QColor deskColour(128, 128, 128);
const QColor sheetShadowColour(80, 80, 80);

}  // namespace

LogView::LogView(LogDocument& document, Prompter& prompter, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), prompter_(prompter)
{
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    connect(&document_, &LogDocument::changed, this, [this] { viewport()->update(); });
}

void LogView::initialUpdate(int screenWidthPixels)
{
    area_ = scrollAreaFor(screenWidthPixels, document_.settings().depthPerPage);
    updateScrollBars();
    viewport()->update();
}

QPoint LogView::sheetOrigin() const
{
    // A narrower sheet stands in the middle of the window.
    const int width = static_cast<int>(area_.width * zoom_) + 2 * sheetMargin;
    const int centring = std::max(0, (viewport()->width() - width) / 2);
    return QPoint(sheetMargin + centring - horizontalScrollBar()->value(), sheetMargin - verticalScrollBar()->value());
}

void LogView::updateScrollBars()
{
    const int width = static_cast<int>(area_.width * zoom_) + 2 * sheetMargin;
    const int height = static_cast<int>(area_.height * zoom_) + 2 * sheetMargin;
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, width - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - visible.height()));
    horizontalScrollBar()->setPageStep(std::max(1, static_cast<int>(area_.pageStepX * zoom_)));
    verticalScrollBar()->setPageStep(std::max(1, static_cast<int>(area_.pageStepY * zoom_)));
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(area_.lineStepX * zoom_)));
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(area_.lineStepY * zoom_)));
}

void LogView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), deskColour);
    const QPoint origin = sheetOrigin();
    const QRect sheet(origin, QSize(static_cast<int>(area_.width * zoom_), static_cast<int>(area_.height * zoom_)));
    painter.fillRect(sheet.translated(3, 3), sheetShadowColour);
    painter.fillRect(sheet, Qt::white);
    painter.setClipRect(sheet);
    painter.translate(origin);
    painter.scale(zoom_, zoom_);
    painter.setRenderHint(QPainter::Antialiasing, zoom_ != 1.0);

    // A repaint never shows a message box; what the pass has to say goes to
    // the status bar.
    Issues drawingMessages;
    {
        QtPainterDevice device(painter);
        const ViewState& view = document_.view();
        PageOptions options;
        options.printing = false;
        options.page = view.currentPage;
        options.screenPageStart = view.screenPageStart;
        options.clipWidth = area_.clipWidth;
        drawingMessages = drawPage(device, document_.data(), document_.settings(), options);
    }
    if (!drawingMessages.empty())
        emit statusMessage(QString::fromStdString(cp932ToUtf8(drawingMessages.front().text)));
}

void LogView::previousPage()
{
    if (document_.view().printing)
        return;
    ViewState view = document_.view();
    kolv::previousPage(view, document_.settings());
    document_.setView(view);
}

void LogView::nextPage()
{
    if (document_.view().printing)
        return;
    ViewState view = document_.view();
    kolv::nextPage(view, document_.settings(), logDepth(document_));
    document_.setView(view);
}

void LogView::resetRunawayPage()
{
    ViewState view = document_.view();
    kolv::resetRunawayPage(view, document_.settings(), logDepth(document_));
    document_.setView(view);
}

void LogView::toggleScreenDrawing()
{
    document_.setScreenDrawing(!document_.settings().screenDrawing);
    const Message message = document_.settings().screenDrawing ? Message::ScreenDrawingOn : Message::ScreenDrawingOff;
    emit statusMessage(QString::fromStdString(cp932ToUtf8(messageText(message))));
    showMessage(prompter_, message, MessageKind::Information);
    viewport()->update();
}

void LogView::setZoom(double zoom)
{
    zoom = std::clamp(zoom, smallestZoom, largestZoom);
    if (std::abs(zoom - zoom_) < 1e-9)
        return;
    // Keep the point at the top left of the window where it is in the log.
    const double x = horizontalScrollBar()->value() / zoom_;
    const double y = verticalScrollBar()->value() / zoom_;
    zoom_ = zoom;
    updateScrollBars();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(x * zoom_)));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y * zoom_)));
    viewport()->update();
    emit zoomChanged(zoom_);
}

void LogView::zoomIn()
{
    setZoom(zoom_ * zoomStep);
}

void LogView::zoomOut()
{
    setZoom(zoom_ / zoomStep);
}

void LogView::fitWidth()
{
    if (area_.width > 0)
        setZoom(static_cast<double>(viewport()->width() - 2 * sheetMargin) / area_.width);
}

void LogView::keyPressEvent(QKeyEvent* event)
{
    const bool modifiers = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (!modifiers) {
        switch (event->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_Up:
            if (!document_.view().printing) {
                resetRunawayPage();
                previousPage();
            }
            return;
        case Qt::Key_PageDown:
        case Qt::Key_Down:
            if (!document_.view().printing) {
                resetRunawayPage();
                nextPage();
            }
            return;
        default:
            break;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LogView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y();
        if (steps > 0)
            zoomIn();
        else if (steps < 0)
            zoomOut();
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void LogView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LogView::scrollContentsBy(int, int)
{
    viewport()->update();
}

}  // namespace kolv
