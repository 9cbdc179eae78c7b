#pragma once
// The example host: a main window of the kind that embeds the controls.

#include <QMainWindow>

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(QWidget *parent = nullptr);
};
