#include "ControlsPlugin.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

ControlWidget::ControlWidget(Description description, QObject *parent) : QObject(parent), d_(std::move(description)) {}

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
    widgets_.append(
        new ControlWidget({QStringLiteral("quotechart::REvuved"), QStringLiteral("<quotechart/REvuved.h>"),
                           tr("Daily stock chart: price pane, rulers, three indicator panes and the transactions tab"),
                           domXml("quotechart::REvuved", "chart", 800, 600),
                           [](QWidget *parent) -> QWidget * { return new quotechart::REvuved(parent); }},
                          this));
    // The pane docks itself to its parent only when the host sets an
    // alignment, so on a form it stays where Designer puts it.
    widgets_.append(
        new ControlWidget({QStringLiteral("splitbay6::SplitbayCtl"), QStringLiteral("<splitbay6/SplitbayCtl.h>"),
                           tr("Pane docked to an edge of an MDI main window, resized by its splitter bar"),
                           domXml("splitbay6::SplitbayCtl", "pane", 200, 300),
                           [](QWidget *parent) -> QWidget * { return new splitbay6::SplitbayCtl(parent); }},
                          this));
}
