// The host's layout and looks, driven as a user does: the watch list's bar
// dragged as far as it goes, documents that keep the size their chart needs,
// a ticker opened twice, the watch list following the active document, the
// toolbar's buttons, the print preview, the colour presets and the menus'
// keyboard letters.

#include "HostDialogs.h"
#include "HostFixture.h"

#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

using Layout = HostTest;

// The letter after a single '&' of an entry's text, lower case; none without.
QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return text[i + 1].toLower();
        ++i;   // "&&" is a plain ampersand
    }
    return {};
}

// Entries of one menu that share a letter: pressing it then only moves
// between them, and none is chosen.
QStringList sharedMnemonics(const QList<QAction *> &entries)
{
    QHash<QChar, QString> taken;
    QStringList shared;
    for (const QAction *entry : entries) {
        const QChar letter = mnemonicOf(entry->text());
        if (letter.isNull() || !entry->isVisible())
            continue;
        if (taken.contains(letter))
            shared << taken[letter] + " / " + entry->text();
        taken.insert(letter, entry->text());
    }
    return shared;
}

void collectMenus(const QList<QAction *> &entries, QList<QMenu *> &menus)
{
    for (const QAction *entry : entries)
        if (QMenu *menu = entry->menu()) {
            menus << menu;
            collectMenus(menu->actions(), menus);
        }
}

TEST_F(Layout, EveryMenuChoosesEachEntryByALetterOfItsOwn)
{
    EXPECT_EQ(sharedMnemonics(window->menuBar()->actions()), QStringList());
    QList<QMenu *> menus;
    collectMenus(window->menuBar()->actions(), menus);
    ASSERT_GE(menus.size(), 5);
    for (const QMenu *menu : menus)
        EXPECT_EQ(sharedMnemonics(menu->actions()), QStringList()) << menu->title().toStdString();
}

TEST_F(Layout, TheWatchListBarLeavesTheDocumentsThreeHundredPixelsAndSaysNothing)
{
    QWidget &bar = *window->watchPane()->findChild<QWidget *>("MDICtl");
    const int y = bar.height() / 2;
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(2, y));
    for (int x = 100; x <= window->width(); x += 100)
        QTest::mouseMove(&bar, QPoint(x, y));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(window->width(), y));
    EXPECT_GT(window->watchPane()->width(), 600);   // it did move
    EXPECT_GE(window->documents()->width(), 300);
    EXPECT_LE(window->documents()->width(), 310);
    EXPECT_EQ(window->statusBar()->currentMessage(), "Ready");

    // A narrower window takes the width from the pane, not from the documents.
    window->resize(800, 600);
    QTest::qWait(0);
    EXPECT_GE(window->documents()->width(), 300);
    EXPECT_GE(window->watchPane()->width(), 120);
}

TEST_F(Layout, DocumentsKeepTheSizeTheirChartNeedsWhenTiledCascadedOrDragged)
{
    window->resize(700, 480);
    QTest::qWait(0);
    for (const char *arrange : {"actionTile", "actionCascade"}) {
        action(arrange).trigger();
        QTest::qWait(0);
        for (QMdiSubWindow *document : window->documents()->subWindowList()) {
            EXPECT_GE(document->widget()->width(), 480) << arrange;
            EXPECT_GE(document->widget()->height(), 340) << arrange;
        }
    }
    QMdiSubWindow *document = window->documents()->currentSubWindow();
    document->resize(100, 80);
    EXPECT_GE(document->widget()->width(), 480);
    EXPECT_GE(document->widget()->height(), 340);
}

TEST_F(Layout, OpeningAnOpenTickerShowsItsDocumentAndTheWatchListFollows)
{
    activate("GOOG");
    EXPECT_EQ(window->watchList()->currentItem()->data(Qt::UserRole).toString(), "GOOG");
    openFromWatchList("MSFT");
    EXPECT_EQ(documentCount(), 2);
    EXPECT_EQ(window->documents()->currentSubWindow()->windowTitle(), "MSFT");
    activate("GOOG");
    EXPECT_EQ(window->watchList()->currentItem()->data(Qt::UserRole).toString(), "GOOG");
}

TEST_F(Layout, TheToolbarsButtonsActOnTheCurrentChart)
{
    auto *tools = window->findChild<QToolBar *>("mainToolBar");
    ASSERT_NE(tools, nullptr);
    QStringList shown;
    for (QAction *entry : tools->actions())
        if (!entry->isSeparator()) {
            shown << entry->objectName();
            auto *button = qobject_cast<QToolButton *>(tools->widgetForAction(entry));
            ASSERT_NE(button, nullptr);
            // Without an icon theme (as here) each button shows its text.
            if (entry->icon().isNull()) {
                EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextOnly) << entry->objectName().toStdString();
            }
            EXPECT_FALSE(entry->iconText().contains("...")) << entry->objectName().toStdString();
        }
    EXPECT_EQ(shown, QStringList({"actionOpenChart", "actionSaveChart", "actionPrint", "actionPrintPreview",
                                  "actionZoomIn", "actionZoomOut", "actionPageBack", "actionPageForward"}));

    activate("MSFT");
    auto click = [&](const char *name) {
        QTest::mouseClick(tools->widgetForAction(&action(name)), Qt::LeftButton);
        QTest::qWait(0);
    };
    const int width = chart()->ending_date_local - chart()->starting_date_local;
    click("actionZoomIn");
    EXPECT_LT(chart()->ending_date_local - chart()->starting_date_local, width);
    click("actionZoomOut");
    click("actionPageBack");
    EXPECT_GT(chart()->starting_date_local, 1);
    click("actionPageForward");
    EXPECT_EQ(chart()->starting_date_local, 1);
}

TEST_F(Layout, PrintPreviewShowsTheCurrentChartsPage)
{
    activate("MSFT");
    bool preview = false;
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        preview = qobject_cast<QPrintPreviewDialog *>(dialog) != nullptr;
        dialog->reject();
    });
    QTest::mouseClick(window->findChild<QToolBar *>("mainToolBar")->widgetForAction(&action("actionPrintPreview")),
                      Qt::LeftButton);
    EXPECT_TRUE(answer->answered());
    EXPECT_TRUE(preview);
}

TEST_F(Layout, TheColoursPresetsSetEveryColourAndClassicIsWhatAChartStartsWith)
{
    QColor dark, classic;
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("darkPreset"), Qt::LeftButton);
        auto *colours = qobject_cast<ColoursDialog *>(dialog);
        for (const ColourKey &key : ChartColourKeys)
            EXPECT_EQ(colours->colour(key.key), presetColour(ColourPreset::Dark, key.key)) << key.key;
        dark = colours->colour("BkgChart");
        QTest::mouseClick(dialog->findChild<QPushButton *>("classicPreset"), Qt::LeftButton);
        classic = colours->colour("BkgChart");
        EXPECT_EQ(colours->colour("BkgRulers"), QColor(Qt::black));
        QTest::mouseClick(dialog->findChild<QPushButton *>("darkPreset"), Qt::LeftButton);
        dialog->accept();
    });
    action("actionColours").trigger();
    ASSERT_TRUE(answer->answered());
    EXPECT_EQ(classic, QColor(Qt::white));
    EXPECT_NE(dark, classic);
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
    EXPECT_EQ(store.value("Settings/BkgChart").toString(),
              QString::number(dark.red() + 256 * dark.green() + 65536 * dark.blue()));
    const QImage price = pane().grab().toImage();
    EXPECT_GT(pixelsOf(price, dark), price.width() * price.height() / 2);
}

}   // namespace
