#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "resources/Texts.h"
#include "session/Workfile.h"
#include "session/WorkfileFixture.h"

namespace quillane::test {
namespace {

using Generator = std::mt19937;

int Below(Generator& generator, int bound) {
  return static_cast<int>(generator() % static_cast<unsigned>(bound));
}

QList<QByteArray> LinesOf(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
  }
  return lines;
}

QByteArray Joined(const QList<QByteArray>& lines) {
  return lines.join("\r\n");
}

// Lines that are wrong where a count, a weight, a flag or a marker belongs.
const QList<QByteArray> kHostileLines =
    QByteArray(
        "99999|-1|101|201|32768|-32769|1e30|abc||#TRUE#|#FALSE#|.5|nan|0x10|1,2| 7 |100|200|0|9|1|"
        "\x01\x02|5|-0|2147483648|{***Quillane end***}|{***Quillane start***}|\xFF\xFE\xFD")
        .split('|');

QByteArray Damage(const QByteArray& file, Generator& generator) {
  QByteArray bytes = file;
  QList<QByteArray> lines = LinesOf(bytes);
  const int line = Below(generator, static_cast<int>(lines.size()));
  switch (Below(generator, 11)) {
    case 0:  // cut off anywhere
      return bytes.left(Below(generator, static_cast<int>(bytes.size()) + 1));
    case 1:  // a few bytes changed
      for (int n = 1 + Below(generator, 4); n > 0 && !bytes.isEmpty(); --n) {
        bytes[Below(generator, static_cast<int>(bytes.size()))] = static_cast<char>(Below(generator, 256));
      }
      return bytes;
    case 2:  // a line replaced by a hostile one
      lines[line] = kHostileLines[Below(generator, static_cast<int>(kHostileLines.size()))];
      return Joined(lines);
    case 3:  // a line lost
      lines.removeAt(line);
      return Joined(lines);
    case 4:  // a line twice
      lines.insert(line, lines[line]);
      return Joined(lines);
    case 5:  // two lines swapped
      lines.swapItemsAt(line, Below(generator, static_cast<int>(lines.size())));
      return Joined(lines);
    case 6:  // a count of any size, negative ones too
      if (lines.size() > 8) {
        lines[4 + Below(generator, 4)] = QByteArray::number(static_cast<qint64>(generator()) - (1LL << 31));
      }
      return Joined(lines);
    case 7: {  // the start marker damaged or in small letters
      QByteArray& marker = lines[0];
      if (Below(generator, 2) == 0) {
        marker = marker.toLower();
      } else if (!marker.isEmpty()) {
        marker[Below(generator, static_cast<int>(marker.size()))] = static_cast<char>(Below(generator, 128));
      }
      return Joined(lines);
    }
    case 8:  // other line ends
      return Below(generator, 2) == 0 ? lines.join('\n') : lines.join('\r');
    case 9: {  // no workfile at all
      QByteArray garbage(Below(generator, 400), '\0');
      for (char& c : garbage) c = static_cast<char>(Below(generator, 256));
      return garbage;
    }
    default:  // a weight that is no number
      for (qsizetype i = 9; i + 1 < lines.size(); i += 2) {
        if (Below(generator, 3) == 0) lines[i + 1] = kHostileLines[Below(generator, 14)];
      }
      return Joined(lines);
  }
}

bool HasControlCharacter(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

class DamagedWorkfileTest : public WorkfileTest {
 protected:
  // A workfile of the session as it now is.
  QByteArray Saved(const QString& name) {
    const QString path = PathOf(name);
    SaveAs(path);
    return ReadFileBytes(path);
  }
};

TEST_F(DamagedWorkfileTest, EveryDamagedFileLoadsWholeOrIsRefusedWithoutAChange) {
  QList<QByteArray> bases;
  bases << Saved(QStringLiteral("fresh.qln"));
  Change([](SessionContent& c) { FillSession(c, 3, 2, 5); });
  bases << Saved(QStringLiteral("plain.qln"));
  PutPassword(document, QStringLiteral("PW"));
  bases << Saved(QStringLiteral("protected.qln"));
  Change([](SessionContent& c) { FillSession(c, kMaxCriteria, kMaxAssets, kMaxIdeas); });
  bases << Saved(QStringLiteral("full.qln"));
  Change([](SessionContent& c) { c.bPassword = false; });
  bases << Saved(QStringLiteral("fullplain.qln"));

  Generator generator(20261203);
  int loaded = 0, refused = 0, wrongPassword = 0;
  for (int round = 0; round < 10000; ++round) {
    SCOPED_TRACE(round);
    // A new file each round: rewriting one file makes the file system flush it every time.
    const QString path = PathOf(QStringLiteral("damaged%1.qln").arg(round));
    const QByteArray damaged = Damage(bases[Below(generator, static_cast<int>(bases.size()))], generator);
    WriteFileBytes(path, damaged);
    const OpenState before = ContentOf(document);
    platform.answers.clear();
    platform.AnswerNext(Answer::Ok);
    platform.messages.clear();
    Open(path, QStringLiteral("PW"));

    if (platform.messages.empty()) {
      ++loaded;
      ASSERT_EQ(document.workfile(), path);
      ASSERT_TRUE(s.nCriteria >= 0 && s.nCriteria <= kMaxCriteria);
      ASSERT_TRUE(s.nTAssets >= 0 && s.nTAssets <= kMaxAssets);
      ASSERT_TRUE(s.nIAssets >= 0 && s.nIAssets <= kMaxAssets);
      ASSERT_TRUE(s.nIdeas >= 0 && s.nIdeas <= kMaxIdeas);
      ASSERT_FALSE(HasControlCharacter(s.sGoal));
      for (int i = 1; i <= s.nIdeas; ++i) ASSERT_FALSE(HasControlCharacter(s.sIdeas[i]));
      for (int i = 1; i <= s.nCriteria; ++i) ASSERT_TRUE(std::isfinite(s.sngWeight[i]));
    } else {
      ASSERT_EQ(platform.messages.size(), 1u);
      ASSERT_TRUE(ContentOf(document) == before);
      const QString& text = platform.messages[0].text;
      if (text == Text(516)) {
        ++wrongPassword;
      } else {
        ++refused;
        ASSERT_EQ(text, NotAWorkfile(path));
      }
    }
    ASSERT_EQ(parts->fileWork, 0);
    ASSERT_EQ(platform.busyDepth, 0);
    QFile::remove(path);
  }
  // Every outcome was met, so the damage reached every check.
  EXPECT_GT(loaded, 1000);
  EXPECT_GT(refused, 1000);
  EXPECT_GT(wrongPassword, 10);
}

}  // namespace
}  // namespace quillane::test
