#include "ControlsPlugin.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

ControlWidget::ControlWidget(Description description, QObject *parent) : QObject(parent), d_(std::move(description)) {}

// Both drawings, so a 2x screen gets the sharp one whatever the process's own
// pixel ratio is.
QIcon ControlWidget::icon() const
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/quotechart_designer/%1.png").arg(d_.iconName));
    icon.addFile(QStringLiteral(":/quotechart_designer/%1@2x.png").arg(d_.iconName));
    return icon;
}

namespace {

QString domXml(const char *className, const char *objectName, int width, int height)
{
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\">"
                          "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height>"
                          "</rect></property></widget></ui>")
        .arg(QLatin1String(className), QLatin1String(objectName))
        .arg(width)
        .arg(height);
}

}   // namespace

ControlsPlugin::ControlsPlugin(QObject *parent) : QObject(parent)
{
    widgets_.append(new ControlWidget(
        {QStringLiteral("quotechart::REvuved"), QStringLiteral("<quotechart/REvuved.h>"),
         tr("Daily stock chart: price pane, rulers, three indicator panes and the transactions tab"),
         tr("A daily stock chart. It draws a ticker's high-low-close bars or close line with moving "
            "averages, envelopes and Bollinger bands, price and date rulers and three technical indicator "
            "panes; the user pages and zooms, reads prices under a crosshair and records simulated buys and "
            "sells. Load a history with ReadDataFile; the chart lays itself out and redraws on every resize."),
         QStringLiteral("REvuved"), false, domXml("quotechart::REvuved", "chart", 800, 600),
         [](QWidget *parent) -> QWidget * { return new quotechart::REvuved(parent); }},
        this));
    // The pane docks itself to its parent only when its alignment is set, so
    // on a form it stays where Designer puts it. Widgets dropped into it are
    // the host's content; the host arranges them in the free area on OnResize.
    widgets_.append(new ControlWidget(
        {QStringLiteral("splitbay6::SplitbayCtl"), QStringLiteral("<splitbay6/SplitbayCtl.h>"),
         tr("Pane docked to an edge of an MDI main window, resized by its splitter bar"),
         tr("A pane docked to one edge of an MDI main window, beside the document area. The user resizes it "
            "by dragging the splitter bar along its inner edge, and the document area takes the rest. Set "
            "alignment to dock it; put widgets into it and arrange them in its free area (ScaleLeft, ScaleTop, "
            "ScaleWidth, ScaleHeight, or freeArea() in pixels) whenever it raises OnResize."),
         QStringLiteral("SplitbayCtl"), true, domXml("splitbay6::SplitbayCtl", "pane", 200, 300),
         [](QWidget *parent) -> QWidget * { return new splitbay6::SplitbayCtl(parent); }},
        this));
}
