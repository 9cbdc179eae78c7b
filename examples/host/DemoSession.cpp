#include "DemoSession.h"

#include "HostDialogs.h"
#include "HostWindow.h"
#include "PictureExport.h"

#include <quotechart/REvuved.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Runs `answer` on the next popup menu or modal dialog once it is open,
// while the code that opened it waits in its own event loop.
void whenModalOpens(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    auto polls = std::make_shared<int>(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, polls, answer = std::move(answer)] {
        QWidget *widget = QApplication::activePopupWidget();
        if (!widget)
            widget = QApplication::activeModalWidget();
        if (!widget && --*polls > 0)
            return;
        timer->stop();
        timer->deleteLater();
        if (widget)
            answer(widget);
    });
    timer->start(1);
}

void mouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void click(QWidget *target, Qt::MouseButton button, QPoint at)
{
    mouse(target, QEvent::MouseMove, Qt::NoButton, at);
    mouse(target, QEvent::MouseButtonPress, button, at);
    mouse(target, QEvent::MouseButtonRelease, button, at);
}

// Right-clicks the price pane at `at` and chooses `entry` of its popup menu.
void choose(QWidget *pane, QPoint at, const char *entry)
{
    whenModalOpens([entry](QWidget *menu) {
        QAction *action = menu->findChild<QAction *>(QLatin1String(entry));
        menu->close();
        if (action)
            QTimer::singleShot(0, action, &QAction::trigger);
    });
    click(pane, Qt::RightButton, at);
    QApplication::processEvents();
}

bool write(const QImage &picture, const QDir &out, const char *name)
{
    const QString path = out.filePath(QLatin1String(name));
    const bool saved = picture.save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

bool writeSvg(quotechart::REvuved &chart, const QDir &out, const char *name)
{
    const QString path = out.filePath(QLatin1String(name));
    const bool saved = exportChartPicture(chart, path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

QImage grabbed(QWidget &widget)
{
    QApplication::processEvents();
    return widget.grab().toImage();
}

}   // namespace

bool runDemoSession(HostWindow &window, const QString &outFolder)
{
    const QDir out(outFolder);
    bool ok = true;
    // The pictures show the chart as described; the legend the host shows
    // comes back for the exported drawing.
    QAction *legend = window.findChild<QAction *>(QStringLiteral("actionLegend"));
    legend->setChecked(false);
    QApplication::processEvents();

    // The window as a user arranges it: the documents side by side.
    window.findChild<QAction *>(QStringLiteral("actionTile"))->trigger();
    ok = write(grabbed(window), out, "main-window.png") && ok;

    // The close-ups of the chart keep the size they have always had: the
    // document area without the toolbar.
    QWidget *tools = window.findChild<QWidget *>(QStringLiteral("mainToolBar"));
    tools->hide();
    quotechart::REvuved *chart = nullptr;
    for (QMdiSubWindow *document : window.documents()->subWindowList())
        if (document->windowTitle() == QLatin1String("MSFT")) {
            window.documents()->setActiveSubWindow(document);
            document->showMaximized();
            chart = qobject_cast<quotechart::REvuved *>(document->widget());
        }
    if (!chart)
        return false;
    QApplication::processEvents();
    QWidget *pane = chart->findChild<QWidget *>(QStringLiteral("Picture1"));
    const int w = pane->width(), y = pane->height() / 2;

    // A left click puts the crosshair on a day and fills the read-outs.
    click(pane, Qt::LeftButton, QPoint(w * 62 / 100, y));
    ok = write(grabbed(*chart), out, "crosshair.png") && ok;

    // Two round trips from the popup menu, then the transactions tab.
    choose(pane, QPoint(w * 15 / 100, y), "mnuPopupRecordBuy");
    choose(pane, QPoint(w * 40 / 100, y), "mnuPopupRecordSell");
    choose(pane, QPoint(w * 55 / 100, y), "mnuPopupRecordBuy");
    choose(pane, QPoint(w * 85 / 100, y), "mnuPopupRecordSell");
    chart->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    ok = write(grabbed(*chart), out, "transactions.png") && ok;

    // The popup menu open over the chart: the menu is a window of its own,
    // painted onto the chart's picture where it opened.
    QImage withMenu;
    whenModalOpens([&](QWidget *menu) {
        withMenu = chart->grab().toImage();
        QPainter painter(&withMenu);
        painter.drawPixmap(chart->mapFromGlobal(menu->pos()), menu->grab());
        menu->close();
    });
    click(pane, Qt::RightButton, QPoint(w * 30 / 100, y));
    ok = !withMenu.isNull() && write(withMenu, out, "popup-menu.png") && ok;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(QStringLiteral("printed.pdf")));
    const bool printed = window.printActiveChart(printer);
    std::fprintf(stderr, "%s %s\n", printed ? "wrote" : "could not write", qPrintable(printer.outputFileName()));

    // What a host switches on: candlesticks over three months, then the whole
    // history on a logarithmic scale.
    chart->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    chart->setPriceStyle(quotechart::REvuved::Candlestick);
    chart->setVisibleRange(1, 60);
    ok = write(grabbed(*chart), out, "candlesticks.png") && ok;
    chart->setPriceStyle(quotechart::REvuved::HighLowClose);
    chart->setLogarithmicScale(true);
    chart->setVisibleRange(1, chart->dayCount());
    ok = write(grabbed(*chart), out, "logarithmic.png") && ok;
    chart->setLogarithmicScale(false);
    chart->setVisibleRange(1, 120);
    legend->setChecked(true);
    ok = writeSvg(*chart, out, "chart.svg") && ok;
    legend->setChecked(false);

    // Two charts side by side, the crosshair placed on one shown at the same
    // date on the other; the samples' newest days are years apart, so MSFT
    // shows the days GOOG shows.
    tools->show();
    chart->parentWidget()->showNormal();
    window.findChild<QAction *>(QStringLiteral("actionTile"))->trigger();
    for (QMdiSubWindow *document : window.documents()->subWindowList())
        if (auto *other = qobject_cast<quotechart::REvuved *>(document->widget()); other && other != chart) {
            const quotechart::PriceHistory &h = other->history();
            window.setTimeRange(historyDate(h.date_array[std::size_t(other->ending_date_local)]),
                                historyDate(h.date_array[1]));
        }
    QApplication::processEvents();
    click(pane, Qt::LeftButton, QPoint(pane->width() * 40 / 100, pane->height() / 2));
    ok = write(grabbed(*window.documents()), out, "linked-crosshairs.png") && ok;
    return printed && ok;
}
