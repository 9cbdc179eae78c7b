#include "PictureExport.h"

#include <quotechart/REvuved.h>

#include <QFileInfo>
#include <QPixmap>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

bool writeSvg(quotechart::REvuved &chart, const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(chart.size());
    svg.setViewBox(QRect(QPoint(), chart.size()));
    svg.setTitle(chart.ticker());
    chart.renderTo(&svg, QRectF(QPointF(), QSizeF(chart.size())));
    return QFileInfo(path).size() > 0;
}

// The chart as large as a landscape A4 page allows, keeping its proportions.
bool writePdf(quotechart::REvuved &chart, const QString &path)
{
    QPdfWriter pdf(path);
    pdf.setTitle(chart.ticker());
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    const QSizeF page(pdf.width(), pdf.height());
    const QSizeF size = QSizeF(chart.size()).scaled(page, Qt::KeepAspectRatio);
    chart.renderTo(&pdf, QRectF(QPointF(), size));
    return QFileInfo(path).size() > 0;
}

}   // namespace

QString pictureFileFilter()
{
    return QObject::tr("PNG pictures (*.png);;SVG drawings (*.svg);;PDF documents (*.pdf)");
}

bool exportChartPicture(quotechart::REvuved &chart, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return writeSvg(chart, path);
    if (suffix == QLatin1String("pdf"))
        return writePdf(chart, path);
    // A PNG is the window as it stands, side panel and crosshair included.
    return chart.grab().save(path, "PNG");
}
