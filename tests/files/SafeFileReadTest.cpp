// Reading a file the program did not write, and asking whether one is there,
// without ever waiting on it or reading more than a file of ours could hold.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/FileChoice.h"
#include "files/SafeFileRead.h"
#include "support/Files.h"

namespace quillane {
namespace {

class SafeFileReadTest : public ::testing::Test {
 protected:
  QString PathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  // A named pipe that nobody writes: opening it for reading would wait for ever.
  QString Pipe() const {
    const QString pipe = PathOf("pipe");
    EXPECT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    return pipe;
  }
  QString LinkTo(const QString& target) const {
    const QString link = PathOf("link");
    EXPECT_TRUE(QFile::link(target, link));
    return link;
  }

  QTemporaryDir folder;
};

TEST_F(SafeFileReadTest, ReadsARegularFileOfUpTo1MiBWhole) {
  const QByteArray full(kMaxReadFileBytes, 'a');
  test::WriteFileBytes(PathOf("full"), full);
  const FileBytes read = ReadRegularFile(PathOf("full"));
  EXPECT_EQ(read.result, FileRead::Done);
  EXPECT_EQ(read.bytes, full);

  test::WriteFileBytes(PathOf("empty"), {});
  EXPECT_EQ(ReadRegularFile(PathOf("empty")).result, FileRead::Done);
  EXPECT_EQ(ReadRegularFile(LinkTo(PathOf("full"))).bytes, full) << "a link to a regular file is followed";
}

TEST_F(SafeFileReadTest, TellsAMissingFileFromOneThatIsRefused) {
  EXPECT_EQ(ReadRegularFile(QString()).result, FileRead::Missing);
  EXPECT_EQ(ReadRegularFile(PathOf("missing")).result, FileRead::Missing);
  EXPECT_EQ(ReadRegularFile(PathOf("missing/below")).result, FileRead::Missing);

  test::WriteFileBytes(PathOf("large"), QByteArray(kMaxReadFileBytes + 1, 'a'));
  const struct {
    const char* what;
    QString path;
  } refused[] = {
      {"a named pipe", Pipe()},
      {"a link to an endless device", LinkTo(QStringLiteral("/dev/zero"))},
      {"a folder", folder.path()},
      {"a file just over 1 MiB", PathOf("large")},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    const FileBytes read = ReadRegularFile(c.path);
    EXPECT_EQ(read.result, FileRead::Refused);
    EXPECT_TRUE(read.bytes.isEmpty());
  }
  EXPECT_EQ(ReadRegularFile(PathOf("large"), kMaxReadFileBytes + 1).result, FileRead::Done);
}

// The existence test only asks the file system: a named pipe is there, and
// the test returns although nobody writes it.
TEST_F(SafeFileReadTest, FileExistsNeverOpensTheFile) {
  EXPECT_TRUE(FileExists(Pipe()));
  test::WriteFileBytes(PathOf("file"), "x");
  EXPECT_TRUE(FileExists(PathOf("file")));
  EXPECT_FALSE(FileExists(QString()));
  EXPECT_FALSE(FileExists(folder.path()));
  EXPECT_FALSE(FileExists(PathOf("missing")));
  EXPECT_FALSE(FileExists(LinkTo(PathOf("missing")))) << "a link to nothing";
}

}  // namespace
}  // namespace quillane
