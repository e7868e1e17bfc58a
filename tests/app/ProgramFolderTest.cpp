// Where the program finds its own files, in a build and when installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/ProgramFolder.h"

namespace quillane::test {
namespace {

TEST(ProgramFolder, ABuildKeepsTheFilesBesideTheExecutable) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("build/bin")));
  const QString bin = root.filePath(QStringLiteral("build/bin"));
  EXPECT_EQ(ProgramFilesFolder(bin), QDir::cleanPath(bin));
  // A trailing separator changes nothing.
  EXPECT_EQ(ProgramFilesFolder(bin + QLatin1Char('/')), QDir::cleanPath(bin));
}

TEST(ProgramFolder, AnInstallKeepsThemInShareQuillaneBesideBin) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/bin")));
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/share/quillane")));
  EXPECT_EQ(ProgramFilesFolder(root.filePath(QStringLiteral("usr/bin"))),
            QDir::cleanPath(root.filePath(QStringLiteral("usr/share/quillane"))));
}

TEST(ProgramFolder, AShareFolderOfAnotherProgramIsNotTakenForTheInstall) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/bin")));
  ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/share/other")));
  const QString bin = root.filePath(QStringLiteral("usr/bin"));
  EXPECT_EQ(ProgramFilesFolder(bin), QDir::cleanPath(bin));
}

}  // namespace
}  // namespace quillane::test
