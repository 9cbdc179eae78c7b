#include "HostWindow.h"

#include <QLabel>
#include <QStatusBar>

HostWindow::HostWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Quote chart host"));
    auto *placeholder = new QLabel(tr("The chart and the dock pane will live here."), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    statusBar()->showMessage(tr("Ready"));
    resize(1280, 800);
}
