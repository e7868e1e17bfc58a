// Where the program finds its own files, in a build and when installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/ProgramFolder.h"

namespace quillane::test {
namespace {

TEST(ProgramFolder, BesideTheExecutableUnlessItIsInstalledBesideShareQuillane) {
  struct Case {
    const char* folders;  // made below a fresh root
    const char* executable;
    const char* files;
  };
  const Case cases[] = {
      {"build/bin", "build/bin", "build/bin"},
      {"build/bin", "build/bin/", "build/bin"},  // a trailing separator changes nothing
      {"usr/bin usr/share/quillane", "usr/bin", "usr/share/quillane"},
      {"usr/bin usr/share/other", "usr/bin", "usr/bin"},  // another program's share folder
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folders);
    QTemporaryDir root;
    for (const QString& folder : QString::fromLatin1(c.folders).split(QLatin1Char(' ')))
      ASSERT_TRUE(QDir(root.path()).mkpath(folder));
    EXPECT_EQ(ProgramFilesFolder(root.path() + QLatin1Char('/') + QLatin1String(c.executable)),
              QDir::cleanPath(root.filePath(QLatin1String(c.files))));
  }
}

}  // namespace
}  // namespace quillane::test
