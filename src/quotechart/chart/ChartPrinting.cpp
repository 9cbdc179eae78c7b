// REvuved's printout: the printer the host gave, set up for a landscape
// colour page, and the chart drawn again on it.

#include "chart/ChartPrivate.h"
#include "document/OverlayParameters.h"
#include "platform/ErrorCodes.h"
#include "platform/Surface.h"
#include "printing/PrintChart.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace quotechart {

void REvuved::setPrinter(QPrinter *printer) { d->printer = printer; }

void REvuved::PrintEntireChart()
{
    QPrinter *printer = d->printer;
    std::unique_ptr<QPrinter> fallback;
    if (!printer) {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            throw ControlError(platform::PrinterError);
        fallback = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
        printer = fallback.get();
    }
    // The host's paper size and margins stay; the chart wants a wide page in colour.
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setColorMode(QPrinter::Color);
    const double twipsPerPixel = 1440.0 / printer->resolution();
    platform::Surface page(printer, twipsPerPixel, twipsPerPixel);
    if (!page.begin())
        throw ControlError(platform::PrinterError);
    PrintChart(page, d->model);
}

}   // namespace quotechart
