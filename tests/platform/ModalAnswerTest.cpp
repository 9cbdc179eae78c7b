// The test harness answers modal widgets as a user would.

#include "ModalAnswer.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

TEST(ModalAnswer, PressesAMessageBoxButtonAndKeepsItsText)
{
    const auto answer = ModalAnswer::messageBox(QMessageBox::Cancel);
    const auto pressed =
        QMessageBox::warning(nullptr, "Confirmation", "Delete transaction?", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(answer->answered());
    EXPECT_EQ(pressed, QMessageBox::Cancel);
    EXPECT_EQ(answer->text().toStdString(), "Delete transaction?");
    EXPECT_EQ(answer->title().toStdString(), "Confirmation");
    EXPECT_EQ(answer->icon(), QMessageBox::Warning);
}

TEST(ModalAnswer, TriggersAMenuEntryInASubmenuAfterTheMenuCloses)
{
    QMenu menu;
    QMenu *averages = menu.addMenu("Averages");
    QAction *tenDays = averages->addAction("10 Days");
    tenDays->setObjectName("mnuPopupMA10Days");
    int triggered = 0;
    bool menuOpen = false;
    QObject::connect(tenDays, &QAction::triggered, [&] {
        ++triggered;
        menuOpen = QApplication::activePopupWidget() != nullptr;
    });
    const auto answer = ModalAnswer::menu("mnuPopupMA10Days");
    menu.exec(QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_TRUE(answer->answered());
    EXPECT_EQ(triggered, 1);
    EXPECT_FALSE(menuOpen);
}

TEST(ModalAnswer, FillsADialog)
{
    QDialog dialog;
    auto *field = new QLineEdit(&dialog);
    field->setObjectName("Text1");
    const auto answer = ModalAnswer::dialog([](QDialog *shown) {
        shown->findChild<QLineEdit *>("Text1")->setText("13.5");
        shown->accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(field->text().toStdString(), "13.5");
}
