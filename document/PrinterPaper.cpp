#include "document/PrinterPaper.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace kolv {

std::optional<PaperSize> defaultPrinterPaper()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    const int dotsPerInch = printer.resolution();
    if (dotsPerInch <= 0 || page.width() <= 0 || page.height() <= 0)
        return std::nullopt;
    return PaperSize{static_cast<int>(std::trunc(page.width() * 25.4 / dotsPerInch)),
                     static_cast<int>(std::trunc(page.height() * 25.4 / dotsPerInch))};
}

std::optional<PaperSize> standardPaper(std::string_view name, bool landscape)
{
    PaperSize paper;
    if (name == "A3" || name == "a3")
        paper = {297, 420};
    else if (name == "A4" || name == "a4")
        paper = {210, 297};
    else
        return std::nullopt;
    if (landscape)
        std::swap(paper.widthMm, paper.lengthMm);
    return paper;
}

}  // namespace kolv
