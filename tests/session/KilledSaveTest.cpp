// A program killed while it saves leaves the old workfile as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "files/SafeFileWrite.h"
#include "support/Files.h"

namespace quillane {
namespace {

TEST(KilledSave, TheOldFileSurvivesAKillInTheMiddleOfTheWrite) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("session.qln"));
  const QByteArray old = "{***Quillane start***}\r\n0\r\n\r\nthe old goal\r\n";
  ASSERT_TRUE(WriteFileSafely(path, old));

  QProcess saver;
  saver.start(QStringLiteral(QUILLANE_LARGE_SAVE), {path});
  ASSERT_TRUE(saver.waitForStarted());
  const qint64 child = saver.processId();
  // Kill the saving program once its new file is open: that file has no name
  // until it is complete, so look for it among the program's open files.
  const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(child));
  bool writing = false;
  for (int wait = 0; wait < 2000 && !writing; ++wait) {
    for (const QFileInfo& fd : descriptors.entryInfoList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
      if (fd.symLinkTarget().startsWith(folder.path())) writing = true;
    }
    if (!writing) QThread::msleep(2);
  }
  saver.kill();
  saver.waitForFinished();
  ASSERT_TRUE(writing) << "the save never started";
  ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit) << "the save finished before it could be killed";

  EXPECT_EQ(test::ReadFileBytes(path), old);
}

}  // namespace
}  // namespace quillane
