// The folder of the lock and the sockets is this user's alone, or none.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/helprequest/RuntimeFolder.h"

namespace quillane {
namespace {

constexpr QFile::Permissions kPrivate = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

class RuntimeFolderTest : public ::testing::Test {
 protected:
  QTemporaryDir temp;
  QString Own() const { return QDir(temp.path()).filePath(QStringLiteral("quillane-%1").arg(::getuid())); }
};

TEST_F(RuntimeFolderTest, TheDesktopsRuntimeFolderServesWhenItIsPrivate) {
  QTemporaryDir desktop;
  QFile::setPermissions(desktop.path(), kPrivate);
  EXPECT_EQ(PrivateRuntimeFolder(desktop.path(), temp.path()), desktop.path());
  EXPECT_FALSE(QFileInfo::exists(Own()));
}

TEST_F(RuntimeFolderTest, WithoutOneAFolderOfOurOwnIsMadeForThisUserAlone) {
  for (const QString& desktop : {QString(), temp.path()}) {  // none, or one open to others
    QFile::setPermissions(temp.path(), kPrivate | QFile::ReadOther | QFile::ExeOther);
    EXPECT_EQ(PrivateRuntimeFolder(desktop, temp.path()), Own());
    EXPECT_EQ(QFile::permissions(Own()) & 0x7077, kPrivate);
  }
}

TEST_F(RuntimeFolderTest, AFolderOthersCouldHaveMadeOrCanEnterIsRefused) {
  ASSERT_TRUE(QDir().mkdir(Own()));
  QFile::setPermissions(Own(), kPrivate | QFile::ReadGroup | QFile::ExeGroup | QFile::WriteOther);
  EXPECT_EQ(PrivateRuntimeFolder(QString(), temp.path()), std::nullopt);

  // A link in its place, even to a private folder, is not used.
  QDir(Own()).removeRecursively();
  QTemporaryDir elsewhere;
  QFile::setPermissions(elsewhere.path(), kPrivate);
  ASSERT_TRUE(QFile::link(elsewhere.path(), Own()));
  EXPECT_EQ(PrivateRuntimeFolder(QString(), temp.path()), std::nullopt);

  // One that belongs to another user (only root can make one to test with).
  if (::getuid() != 0) return;
  QFile::remove(Own());
  ASSERT_TRUE(QDir().mkdir(Own()));
  QFile::setPermissions(Own(), kPrivate);
  ASSERT_EQ(::chown(QFile::encodeName(Own()).constData(), 65534, 65534), 0);
  EXPECT_EQ(PrivateRuntimeFolder(QString(), temp.path()), std::nullopt);
}

}  // namespace
}  // namespace quillane
