#include "app/PagePrinting.h"

#include "document/LogDocument.h"
#include "platform/Issue.h"
#include "render/LogPage.h"
#include "render/QtPainterDevice.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace kolv {

namespace {

// Fine enough for hairlines and small type, small enough for the composed
// pattern images of a whole sheet.
constexpr int exportDotsPerInch = 300;

}  // namespace

std::optional<PaperSize> paperOf(const QPrinter& printer)
{
    const int dotsPerInch = printer.resolution();
    const QRect page = printer.pageLayout().fullRectPixels(dotsPerInch);
    if (dotsPerInch <= 0 || page.width() <= 0 || page.height() <= 0)
        return std::nullopt;
    return PaperSize{static_cast<int>(std::trunc(page.width() * 25.4 / dotsPerInch)),
                     static_cast<int>(std::trunc(page.height() * 25.4 / dotsPerInch))};
}

double logDepth(const LogDocument& document)
{
    // The notes are laid out in metres of depth: a print resolution measures
    // them as every printer and export lays them out.
    constexpr int measuringDotsPerInch = 300;
    return measuredLogDepth(document.data(), document.settings(), measuringDotsPerInch);
}

int preparePrinting(LogDocument& document, const std::optional<PaperSize>& paper)
{
    document.setPrinterPaper(paper);
    document.applyPrinterPaper();
    return pageCount(document.settings(), logDepth(document));
}

bool printPages(QPagedPaintDevice& device, LogDocument& document, int firstPage, int lastPage,
                const PageProgress& progress)
{
    ViewState view = document.view();
    const LogSettings& settings = document.settings();
    bool completed = true;
    {
        QPainter painter(&device);
        for (int page = firstPage; page <= lastPage; ++page) {
            if (progress && !progress(page - firstPage)) {
                completed = false;
                break;
            }
            if (page > firstPage)
                device.newPage();
            view.printing = true;
            view.currentPage = page;
            view.screenPageStart = settings.printStartDepth;
            document.setView(view);
            {
                QtPainterDevice painterDevice(painter);
                PageOptions options;
                options.printing = true;
                options.page = page;
                drawPage(painterDevice, document.data(), settings, options);
            }
            view.printing = false;
        }
    }
    // The end of a job returns the screen to page 1.
    view.printing = false;
    view.currentPage = 1;
    document.setView(view);
    if (progress && completed)
        progress(lastPage - firstPage + 1);
    return completed;
}

std::string pdfOfPages(LogDocument& document, const PaperSize& paper, int firstPage, int lastPage,
                       const PageProgress& progress)
{
    QByteArray bytes;
    bool completed = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("kolv"));
        writer.setResolution(exportDotsPerInch);
        writer.setPageSize(
            QPageSize(QSizeF(paper.widthMm, paper.lengthMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        completed = printPages(writer, document, firstPage, lastPage, progress);
    }
    if (!completed)
        return {};
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace kolv
