// The Designer plugin as a form loader meets it: a .ui file with both
// controls, loaded with QUiLoader, makes the real controls.

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QUiLoader>

#include <gtest/gtest.h>

#include <memory>

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
