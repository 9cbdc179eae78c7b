// Where the chart looks for hist/ when the host names no folder: beside the
// library, else in the installed samples' folder of the library's prefix.

#include "host/DefaultApplicationPath.h"
#include "quotechart/HostHooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An installed prefix: the library's folder and the samples' folder with
// its hist/, laid out by the install directories this build uses.
class InstalledPrefix : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(libraryFolder()));
        ASSERT_TRUE(QDir().mkpath(samplesFolder() + QStringLiteral("/hist")));
    }
    QString root() const { return QDir(prefix.path()).canonicalPath(); }
    QString libraryFolder() const { return root() + QStringLiteral("/usr/" QUOTECHART_INSTALL_LIBDIR); }
    QString samplesFolder() const { return root() + QStringLiteral("/usr/" QUOTECHART_INSTALL_DATADIR "/quotechart"); }

    QTemporaryDir prefix;
};

TEST_F(InstalledPrefix, ALibraryWithoutHistBesideItUsesTheInstalledSamples)
{
    EXPECT_EQ(quotechart::defaultApplicationPath(libraryFolder()), samplesFolder());
}

TEST_F(InstalledPrefix, HistBesideTheLibraryComesFirst)
{
    ASSERT_TRUE(QDir(libraryFolder()).mkdir(QStringLiteral("hist")));
    EXPECT_EQ(quotechart::defaultApplicationPath(libraryFolder()), libraryFolder());
}

// As /lib is a link to /usr/lib on a merged system: the samples are found
// under the prefix the library really sits in, not beside the link.
TEST_F(InstalledPrefix, ALinkedLibraryFolderLeadsToItsRealPrefix)
{
    const QString link = root() + QStringLiteral("/linked");
    ASSERT_TRUE(QFile::link(libraryFolder(), link));
    EXPECT_EQ(quotechart::defaultApplicationPath(link), samplesFolder());
}

TEST(ApplicationPath, TheHostsFolderWinsAndClearingItRestoresTheDefault)
{
    const QString previous = quotechart::applicationPath();
    quotechart::setApplicationPath(QStringLiteral("/srv/quotes"));
    EXPECT_EQ(quotechart::applicationPath(), "/srv/quotes");
    // The tests carry the library's code in their own executable.
    quotechart::setApplicationPath(QString());
    EXPECT_EQ(quotechart::applicationPath(),
              quotechart::defaultApplicationPath(QCoreApplication::applicationDirPath()));
    quotechart::setApplicationPath(previous);
}

}   // namespace
