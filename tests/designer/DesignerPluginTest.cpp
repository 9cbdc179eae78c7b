// The Designer plugin as Designer and a form loader meet it: a .ui file with
// both controls, loaded with QUiLoader, makes the real controls; each control
// comes with its icon, tool tip and properties; widgets put into the dock
// pane stay its content through a load and a save.

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<QWidget> loadForm(QUiLoader &loader, const QByteArray &form)
{
    QBuffer buffer;
    buffer.setData(form);
    buffer.open(QIODevice::ReadOnly);
    return std::unique_ptr<QWidget>(loader.load(&buffer));
}

// The loader reports what it could not make on the console; these tests make
// such forms on purpose.
class QuietMessages {
public:
    QuietMessages() : previous_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}))
    {}
    ~QuietMessages() { qInstallMessageHandler(previous_); }

private:
    QtMessageHandler previous_;
};

std::unique_ptr<QWidget> loadFormFile(QUiLoader &loader, const char *name)
{
    QFile file(QStringLiteral(FORMS_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return loadForm(loader, file.readAll());
}

// The plugin's widgets as Designer lists them, by class name.
std::map<QString, QDesignerCustomWidgetInterface *> pluginWidgets()
{
    QPluginLoader plugin(QStringLiteral(DESIGNER_PLUGIN_FILE));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(plugin.instance());
    std::map<QString, QDesignerCustomWidgetInterface *> widgets;
    if (collection) {
        for (QDesignerCustomWidgetInterface *widget : collection->customWidgets())
            widgets[widget->name()] = widget;
    }
    return widgets;
}

// A property as Designer's property editor treats it.
struct ShownProperty {
    QByteArray name;
    QByteArray type;
    bool writable;
    bool designable;
    QByteArray notify;   // the change signal's name; empty for none
    friend bool operator==(const ShownProperty &, const ShownProperty &) = default;
    friend std::ostream &operator<<(std::ostream &out, const ShownProperty &p)
    {
        return out << p.name.constData() << ':' << p.type.constData() << (p.writable ? " rw" : " ro")
                   << (p.designable ? " designable" : "") << " notify=" << p.notify.constData();
    }
};

// The properties a control declares itself, beyond QWidget's.
std::vector<ShownProperty> ownProperties(const QObject &control)
{
    const QMetaObject *meta = control.metaObject();
    std::vector<ShownProperty> shown;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        shown.push_back({p.name(), p.typeName(), p.isWritable(), p.isDesignable(),
                         p.hasNotifySignal() ? p.notifySignal().name() : QByteArray()});
    }
    return shown;
}

// What each control shows in Designer beyond QWidget's properties. A control
// not listed here must declare none.
const std::map<QString, std::vector<ShownProperty>> ExpectedProperties = {
    {"splitbay6::SplitbayCtl",
     {
         {"Min", "double", true, true, "minChanged"},
         {"Max", "double", true, true, "maxChanged"},
         {"alignment", "splitbay6::SplitbayCtl::Alignment", true, true, ""},
         {"designMode", "bool", true, false, ""},
         {"ScaleLeft", "double", false, false, "OnResize"},
         {"ScaleTop", "double", false, false, "OnResize"},
         {"ScaleWidth", "double", false, false, "OnResize"},
         {"ScaleHeight", "double", false, false, "OnResize"},
     }},
    {"quotechart::REvuved",
     {
         {"followHistoryFile", "bool", true, true, "followHistoryFileChanged"},
         {"showLegend", "bool", true, true, "showLegendChanged"},
         {"newestDay", "int", true, true, "visibleRangeChanged"},
         {"oldestDay", "int", true, true, "visibleRangeChanged"},
         {"dayCount", "int", false, true, "historyLoaded"},
         {"ticker", "QString", false, true, "historyLoaded"},
         {"movingAverage10", "bool", true, true, "movingAverage10Changed"},
         {"movingAverage50", "bool", true, true, "movingAverage50Changed"},
         {"movingAverage200", "bool", true, true, "movingAverage200Changed"},
         {"customMovingAverage", "bool", true, true, "customMovingAverageChanged"},
         {"envelopes", "bool", true, true, "envelopesChanged"},
         {"bollingerBands", "bool", true, true, "bollingerBandsChanged"},
         {"highLowClose", "bool", true, true, "highLowCloseChanged"},
         {"verticalGrid", "bool", true, true, "verticalGridChanged"},
         {"horizontalGrid", "bool", true, true, "horizontalGridChanged"},
         {"priceStyle", "quotechart::REvuved::PriceStyle", true, true, "priceStyleChanged"},
         {"logarithmicScale", "bool", true, true, "logarithmicScaleChanged"},
     }},
};

class DesignerPlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(DESIGNER_PLUGIN_DIR));
    }
    QUiLoader loader;
};

TEST_F(DesignerPlugin, OffersBothControls)
{
    const QStringList widgets = loader.availableWidgets();
    EXPECT_TRUE(widgets.contains("quotechart::REvuved")) << widgets.join(' ').toStdString();
    EXPECT_TRUE(widgets.contains("splitbay6::SplitbayCtl"));
}

TEST_F(DesignerPlugin, AFormWithBothControlsMakesRealControls)
{
    QFile file(QStringLiteral(FORMS_DIR "/BothControls.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> form = loadForm(loader, file.readAll());
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

    auto *chart = form->findChild<quotechart::REvuved *>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->geometry(), QRect(200, 0, 800, 700));
    // A working chart: its children are made and it answers its interface.
    EXPECT_NE(chart->findChild<QComboBox *>(QStringLiteral("Combo(1)")), nullptr);
    EXPECT_EQ(chart->MaximumInput(), 0);
    auto *pane = form->findChild<splitbay6::SplitbayCtl *>(QStringLiteral("watchPane"));
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->alignment(), splitbay6::SplitbayCtl::AlignNone);
    EXPECT_FLOAT_EQ(pane->Min(), 10);
}

TEST_F(DesignerPlugin, EachControlHasItsOwnIconToolTipAndWhatsThis)
{
    const auto widgets = pluginWidgets();
    ASSERT_EQ(widgets.size(), 2u);
    QList<QImage> icons;
    for (const auto &[name, widget] : widgets) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon = widget->icon();
        ASSERT_FALSE(icon.isNull());
        const QImage small = icon.pixmap(QSize(22, 22)).toImage();
        EXPECT_FALSE(small.isNull());
        // Designer's widget box on a 2x screen gets the larger drawing.
        EXPECT_EQ(icon.pixmap(QSize(32, 32), 2.0).deviceIndependentSize(), QSizeF(32, 32));
        EXPECT_EQ(icon.pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
        icons << icon.pixmap(QSize(32, 32)).toImage();
        EXPECT_FALSE(widget->toolTip().isEmpty());
        EXPECT_GT(widget->whatsThis().size(), widget->toolTip().size());
        EXPECT_EQ(widget->group(), QStringLiteral("Quote charts"));
    }
    EXPECT_NE(icons.at(0), icons.at(1));
    EXPECT_TRUE(widgets.at("splitbay6::SplitbayCtl")->isContainer());
    EXPECT_FALSE(widgets.at("quotechart::REvuved")->isContainer());
}

TEST_F(DesignerPlugin, EachControlShowsItsPropertiesThroughItsMetaObject)
{
    QWidget form;
    for (const auto &[name, widget] : pluginWidgets()) {
        SCOPED_TRACE(name.toStdString());
        const std::unique_ptr<QWidget> control(widget->createWidget(&form));
        ASSERT_NE(control, nullptr);
        const auto expected = ExpectedProperties.find(name);
        EXPECT_EQ(ownProperties(*control),
                  expected == ExpectedProperties.end() ? std::vector<ShownProperty>() : expected->second);
    }
}

TEST_F(DesignerPlugin, PropertiesSetOnAFormReachThePane)
{
    const std::unique_ptr<QWidget> form = loadFormFile(loader, "PaneWithContent.ui");
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    auto *pane = form->findChild<splitbay6::SplitbayCtl *>(QStringLiteral("watchPane"));
    ASSERT_NE(pane, nullptr);
    EXPECT_FLOAT_EQ(pane->Min(), 25);
    EXPECT_FLOAT_EQ(pane->Max(), 40);
    EXPECT_EQ(pane->alignment(), splitbay6::SplitbayCtl::AlignLeft);
    // Docked to the form's left edge at the width the form gave it.
    EXPECT_EQ(pane->geometry(), QRect(0, 0, 220, 700));
    EXPECT_FLOAT_EQ(pane->ScaleWidth(), (220 - 4) * 15);
}

// The form as Designer saves a pane with widgets dropped into it: they load
// as the pane's own children, where the form put them, under its one bar.
TEST_F(DesignerPlugin, WidgetsDroppedIntoThePaneLoadAsItsContent)
{
    const std::unique_ptr<QWidget> form = loadFormFile(loader, "PaneWithContent.ui");
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    auto *pane = form->findChild<splitbay6::SplitbayCtl *>(QStringLiteral("watchPane"));
    ASSERT_NE(pane, nullptr);
    auto *title = pane->findChild<QLabel *>(QStringLiteral("title"), Qt::FindDirectChildrenOnly);
    auto *tickers = pane->findChild<QListWidget *>(QStringLiteral("tickers"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(title, nullptr);
    ASSERT_NE(tickers, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("Watch list"));
    EXPECT_EQ(tickers->geometry(), QRect(0, 20, 220, 680));
    const QList<QWidget *> bars = pane->findChildren<QWidget *>(QStringLiteral("MDICtl"));
    ASSERT_EQ(bars.size(), 1);
    // The list covers the pane's inner edge; the bar stays on top to be dragged.
    EXPECT_EQ(pane->childAt(QPoint(218, 300)), bars.at(0));
    EXPECT_TRUE(tickers->isAncestorOf(pane->childAt(QPoint(100, 300))));
}

TEST_F(DesignerPlugin, WithoutThePluginTheFormHasNoControls)
{
    const QuietMessages quiet;
    QUiLoader bare;
    bare.clearPluginPaths();
    QFile file(QStringLiteral(FORMS_DIR "/BothControls.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> form = loadForm(bare, file.readAll());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->findChild<quotechart::REvuved *>(), nullptr);   // a plain QWidget stands in
}

TEST_F(DesignerPlugin, ABrokenFormLoadsNothingAndDoesNotCrash)
{
    const QuietMessages quiet;
    EXPECT_EQ(loadForm(loader, "<ui version=\"4.0\"><widget class=\"quotechart::REvuved\""), nullptr);
    EXPECT_EQ(loadForm(loader, QByteArray()), nullptr);
}

}   // namespace
