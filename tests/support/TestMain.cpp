// Test main: a QApplication on the offscreen platform, and a fresh settings
// folder for every test so stored colours and periods never leak between tests.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FreshSettingsPerTest : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo &) override
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_->path());
    }
    void OnTestEnd(const ::testing::TestInfo &) override { folder_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

}   // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettingsPerTest);
    return RUN_ALL_TESTS();
}
