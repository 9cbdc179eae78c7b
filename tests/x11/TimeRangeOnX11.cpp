// "Time Range" chosen from the chart's popup menu on a real X display, with
// the mouse and then with the keyboard, as a user chooses it: the host's own
// Ctrl+T command must run each time. Run by run-on-xvfb.sh; exits 0 when
// both choices reached the host.

#include <quotechart/REvuved.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// xdotool talks to the X server only; the events it makes reach us when our
// event loop runs again.
bool xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    return tool.waitForFinished(15000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

bool clickAt(QPoint global, int button)
{
    return xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()), "click",
                    QString::number(button)});
}

// Calls `then` with the chart's popup menu once it is open (on the menu's
// own event loop), or with none after fifteen seconds.
void whenMenuOpens(std::function<void(QMenu *)> then)
{
    auto *poll = new QTimer;
    auto *waited = new int(0);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu && ++*waited < 1500)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        then(menu);
    });
    poll->start(10);
}

// Runs `check` every 10 ms until it is true or `ms` have passed.
bool waitFor(const std::function<bool()> &check, int ms = 15000)
{
    for (int waited = 0; waited < ms; waited += 10) {
        if (check())
            return true;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    return check();
}

}   // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1)
        quotechart::setApplicationPath(QString::fromLocal8Bit(argv[1]));

    QMainWindow host;
    auto *chart = new quotechart::REvuved;
    host.setCentralWidget(chart);
    int fired = 0;
    auto *timeRange = host.addAction(QStringLiteral("Time range"));
    timeRange->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    QObject::connect(timeRange, &QAction::triggered, [&] { ++fired; });
    QString ticker = QStringLiteral("MSFT");
    bool today = false;
    chart->ReadDataFile(ticker, today);
    host.resize(1100, 800);
    host.show();
    host.activateWindow();
    if (!waitFor([&] { return host.isActiveWindow(); })) {
        std::fprintf(stderr, "the host window never became active\n");
        return 2;
    }

    int chosen = 0;   // the menu entry ran: what follows is the key's way to the host
    QObject::connect(chart->findChild<QAction *>(QStringLiteral("mnuPopupTimeRange")), &QAction::triggered,
                     [&] { ++chosen; });
    QWidget *pane = chart->findChild<QWidget *>(QStringLiteral("Picture1"));
    const QPoint paneCentre = pane->mapToGlobal(pane->rect().center());

    // With the mouse: a right click opens the menu, a left click chooses.
    whenMenuOpens([](QMenu *menu) {
        QAction *entry = menu ? menu->findChild<QAction *>(QStringLiteral("mnuPopupTimeRange")) : nullptr;
        if (entry)
            clickAt(menu->mapToGlobal(menu->actionGeometry(entry).center()), 1);
    });
    clickAt(paneCentre, 3);
    const bool byMouse = waitFor([&] { return fired == 1; });
    std::fprintf(stderr, "chosen with the mouse (entry ran %d times): %s\n", chosen,
                 byMouse ? "the host's command ran" : "nothing happened");

    // With the keyboard: the fifth entry down is "Time Range".
    whenMenuOpens([](QMenu *menu) {
        if (menu)
            xdotool({"key", "--delay", "50", "Down", "Down", "Down", "Down", "Down", "Return"});
    });
    clickAt(paneCentre, 3);
    const bool byKeyboard = waitFor([&] { return fired == 2; });
    std::fprintf(stderr, "chosen with the keyboard (entry ran %d times): %s\n", chosen,
                 byKeyboard ? "the host's command ran" : "nothing happened");
    return byMouse && byKeyboard ? 0 : 1;
}
