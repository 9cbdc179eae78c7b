#pragma once
// The Qt Designer plugin: the chart control REvuved and the dock pane
// SplitbayCtl in Designer's widget box, made by the libraries themselves.

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QIcon>
#include <QObject>

#include <functional>

// One control as Designer shows it.
class ControlWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    struct Description {
        QString className;   // with its namespace, as the .ui file names it
        QString header;
        QString toolTip;
        QString whatsThis;
        QString iconName;   // the plugin's resources hold <name>.png and <name>@2x.png
        bool isContainer = false;
        QString domXml;
        std::function<QWidget *(QWidget *)> create;
    };
    ControlWidget(Description description, QObject *parent);

    QString name() const override { return d_.className; }
    QString group() const override { return QStringLiteral("Quote charts"); }
    QString toolTip() const override { return d_.toolTip; }
    QString whatsThis() const override { return d_.whatsThis; }
    QString includeFile() const override { return d_.header; }
    QIcon icon() const override;
    bool isContainer() const override { return d_.isContainer; }
    QWidget *createWidget(QWidget *parent) override { return d_.create(parent); }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface *) override { initialized_ = true; }
    QString domXml() const override { return d_.domXml; }

private:
    Description d_;
    bool initialized_ = false;
};

class ControlsPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit ControlsPlugin(QObject *parent = nullptr);
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface *> widgets_;
};
