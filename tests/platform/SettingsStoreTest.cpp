#include "platform/SettingsStore.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace platform;

TEST(SettingsStore, KeepsValuesAsTextUnderTheApplicationAndSection)
{
    EXPECT_EQ(SettingsStore::read("BkgChart", "16777215"), "16777215");
    SettingsStore::write("BkgChart", "255");
    EXPECT_EQ(SettingsStore::read("BkgChart", "16777215"), "255");

    QSettings direct(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
    EXPECT_EQ(direct.value("Settings/BkgChart").toString(), "255");
    EXPECT_TRUE(direct.fileName().endsWith("Tradevane5.ini")) << direct.fileName().toStdString();
}

TEST(SettingsStore, NumericReadsFallBackToTheDefault)
{
    EXPECT_EQ(SettingsStore::readLong("BkgTech1", 12910591), 12910591);
    SettingsStore::write("BkgTech1", "255");
    EXPECT_EQ(SettingsStore::readLong("BkgTech1", 12910591), 255);
    SettingsStore::write("BkgTech1", "pale yellow");
    EXPECT_EQ(SettingsStore::readLong("BkgTech1", 12910591), 12910591);
    SettingsStore::write("BkgTech1", "99999999999");
    EXPECT_EQ(SettingsStore::readLong("BkgTech1", 7), 7);

    SettingsStore::write("RSI_periods3", " 21 ");
    EXPECT_EQ(SettingsStore::readInteger("RSI_periods3", 14), 21);
    SettingsStore::write("RSI_periods3", "12.5");
    EXPECT_EQ(SettingsStore::readInteger("RSI_periods3", 14), 12);
    SettingsStore::write("RSI_periods3", "40000");
    EXPECT_EQ(SettingsStore::readInteger("RSI_periods3", 14), 14);
    SettingsStore::write("RSI_periods3", "");
    EXPECT_EQ(SettingsStore::readInteger("RSI_periods3", 14), 14);
}
