#pragma once
// The example host shown on the offscreen screen, with the ways a test
// drives it as a user does: the watch list, the chart's popup menu, the
// host's menus and the dialogs they open.

#include "HostWindow.h"
#include "ModalAnswer.h"
#include "QtPrinters.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

class HostTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }
    // The host sets where the chart finds its histories for the whole process.
    ~HostTest() override { quotechart::setApplicationPath(applicationPathAtStart); }

    void start()
    {
        window = std::make_unique<HostWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void closeAllDocuments()
    {
        window->documents()->closeAllSubWindows();
        QTest::qWait(0);   // the windows delete themselves later
    }
    void activate(const QString &title)
    {
        for (QMdiSubWindow *document : window->documents()->subWindowList())
            if (document->windowTitle() == title)
                window->documents()->setActiveSubWindow(document);
        ASSERT_EQ(window->documents()->currentSubWindow()->windowTitle(), title);
    }
    quotechart::REvuved *chart() const { return window->activeChart(); }
    // A window manager gives the main window the focus back when a popup
    // menu closes; the offscreen platform leaves it with the menu, so the
    // window's shortcuts would not reach it.
    void focusMainWindow()
    {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget &pane() const { return *chart()->findChild<QWidget *>(QStringLiteral("Picture1")); }
    QTreeWidget &list() const { return *chart()->findChild<QTreeWidget *>(QStringLiteral("ListView1")); }
    QAction &action(const char *name) const { return *window->findChild<QAction *>(QLatin1String(name)); }
    int documentCount() const { return int(window->documents()->subWindowList().size()); }

    // Selects the watch list's entry `ticker` and presses Enter on it.
    void openFromWatchList(const QString &ticker)
    {
        QListWidget &watch = *window->watchList();
        const QList<QListWidgetItem *> found = watch.findItems(ticker, Qt::MatchStartsWith);
        ASSERT_FALSE(found.isEmpty()) << ticker.toStdString();
        watch.setFocus();
        watch.setCurrentItem(found.first());
        QTest::keyClick(&watch, Qt::Key_Return);
    }
    // Right-clicks the price pane `fraction` of its width from the left and
    // chooses `entry` on the popup menu; whether the menu opened.
    bool chooseOnPopupMenu(double fraction, const char *entry)
    {
        const QPoint at(int(pane().width() * fraction), pane().height() / 2);
        QTest::mouseMove(&pane(), at);
        auto answer = ModalAnswer::menu(QLatin1String(entry));
        QTest::mousePress(&pane(), Qt::RightButton, {}, at);
        QTest::mouseRelease(&pane(), Qt::RightButton, {}, at);
        QTest::qWait(0);   // the entry is triggered once the menu's loop has returned
        return answer->answered();
    }
    // Triggers a menu command and picks `path` in the file dialog it opens.
    bool runWithFile(const char *actionName, const QString &path)
    {
        auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(path);
            dialog->accept();   // QFileDialog::accept, which takes the selected file
        });
        action(actionName).trigger();
        return answer->answered();
    }
    // Each entry of the transaction list as "text|price|date|%".
    QStringList entries() const
    {
        QStringList rows;
        for (int i = 0; i < list().topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list().topLevelItem(i);
            rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join('|');
        }
        return rows;
    }
    QString label(const char *name) const
    {
        return chart()->findChild<QWidget *>(QLatin1String(name))->property("text").toString();
    }

    const QString applicationPathAtStart = quotechart::applicationPath();
    QTemporaryDir files;
    std::unique_ptr<HostWindow> window;
};

// How many pixels of `image` have `colour`.
inline int pixelsOf(const QImage &image, const QColor &colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            count += QColor(rgb.pixel(x, y)) == colour;
    return count;
}
