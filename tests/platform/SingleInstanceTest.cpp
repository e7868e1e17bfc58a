// The single-instance lock of the real platform.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/QtPlatform.h"
#include "support/Files.h"

namespace quillane {
namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  QTemporaryDir runtime;
  QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
  void SetUp() override {
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_RUNTIME_DIR", oldRuntime); }
};

TEST_F(SingleInstanceTest, ASecondInstanceIsRefusedWhileTheFirstRuns) {
  QtPlatform first;
  ASSERT_EQ(first.AcquireSingleInstance(), SingleInstance::Acquired);
  QtPlatform second;
  EXPECT_EQ(second.AcquireSingleInstance(), SingleInstance::Running);
}

TEST_F(SingleInstanceTest, ALockLeftByAKilledRunIsTakenOver) {
  // A lock file naming a process that no longer exists, as a killed run leaves it.
  test::WriteFileBytes(QDir(runtime.path()).filePath(QStringLiteral("quillane.lock")),
                       "2147480000\nquillane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  QtPlatform platform;
  EXPECT_EQ(platform.AcquireSingleInstance(), SingleInstance::Acquired);
}

}  // namespace
}  // namespace quillane
