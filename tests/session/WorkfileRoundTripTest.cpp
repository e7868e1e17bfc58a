#include <gtest/gtest.h>

#include "session/AutoBackup.h"
#include "session/CodePage.h"
#include "session/Workfile.h"
#include "session/WorkfileFixture.h"

namespace quillane::test {
namespace {

// Keys 1 to 9 in turn, enough for every line of a full session.
void CycleKeys(ScriptedPlatform& platform) {
  platform.randoms.clear();
  for (int i = 0; i < 1000; ++i) platform.randoms.push_back((i % 9) / 9.0 + 0.01);
}

// Every character a text box takes (codes 32 to 255), in pieces of at most
// 80, nine times over so that each piece is scrambled with every key.
QStringList EveryCharacterNineTimes() {
  QByteArray bytes;
  for (int code = 32; code < 256; ++code) bytes.append(static_cast<char>(code));
  const QString all = DecodeCodePage(bytes);
  QStringList pieces;
  for (int piece = 0; piece * 80 < all.size(); ++piece) {
    for (int key = 0; key < 9; ++key) pieces << all.mid(piece * 80, 80);
  }
  return pieces;
}

void FillFullSession(Session& s) {
  s.sGoal = QString::fromUtf8("Double our \"reach\", in \xE2\x82\xAC and \xC2\xA3");
  s.nCriteria = kMaxCriteria;
  for (int i = 1; i <= kMaxCriteria; ++i) {
    s.sCriteria[i] = QStringLiteral("Criterion %1, \"quoted\"").arg(i);
    s.sngWeight[i] = 9.0f * static_cast<float>(kMaxCriteria + 1 - i) / kMaxCriteria;
  }
  s.nTAssets = kMaxAssets;
  s.nIAssets = kMaxAssets;
  for (int i = 1; i <= kMaxAssets; ++i) {
    s.sTAssets[i] = QString::fromUtf8("Tangible %1 \xC3\xA6\xC3\xB8\xC3\xA5").arg(i);
    s.sIAssets[i] = QStringLiteral("Intangible %1, ,, \"\"").arg(i);
  }
  const QStringList characters = EveryCharacterNineTimes();
  s.nIdeas = kMaxIdeas;
  for (int i = 1; i <= kMaxIdeas; ++i) {
    s.sIdeas[i] = i <= characters.size() ? characters[i - 1] : QStringLiteral("Idea %1").arg(i);
  }
}

class RoundTripTest : public WorkfileTest {
 protected:
  // Saves this session, then opens the file in a second program with an
  // empty session and returns what it loaded.
  Session& SaveAndReopen(const QString& typedPassword) {
    const QString path = PathOf(QStringLiteral("round.qln"));
    CycleKeys(platform);
    SaveAs(path);
    reader.platform.ChooseFile(path);
    Session& loaded = reader.session;
    LoadConstants(loaded, folder.path());
    OpenWorkfile(reader, [&] { return std::optional<QString>(typedPassword); });
    EXPECT_TRUE(reader.platform.messages.empty());
    return loaded;
  }

  void ExpectSameContent(const Session& loaded) {
    EXPECT_EQ(loaded.sGoal, s.sGoal);
    ASSERT_EQ(loaded.nCriteria, s.nCriteria);
    ASSERT_EQ(loaded.nTAssets, s.nTAssets);
    ASSERT_EQ(loaded.nIAssets, s.nIAssets);
    ASSERT_EQ(loaded.nIdeas, s.nIdeas);
    for (int i = 1; i <= s.nCriteria; ++i) {
      EXPECT_EQ(loaded.sCriteria[i], s.sCriteria[i]) << i;
      EXPECT_EQ(loaded.sngWeight[i], s.sngWeight[i]) << i;
    }
    for (int i = 1; i <= s.nTAssets; ++i) EXPECT_EQ(loaded.sTAssets[i], s.sTAssets[i]) << i;
    for (int i = 1; i <= s.nIAssets; ++i) EXPECT_EQ(loaded.sIAssets[i], s.sIAssets[i]) << i;
    for (int i = 1; i <= s.nIdeas; ++i) EXPECT_EQ(loaded.sIdeas[i], s.sIdeas[i]) << i;
    EXPECT_EQ(loaded.bPassword, s.bPassword);
  }

  struct Reader {
    ScriptedPlatform platform;
    Program program{platform};
    Session& session = program.session;
    operator Program&() { return program; }
  } reader;
};

TEST_F(RoundTripTest, FullPlainSessionComesBackExactly) {
  FillFullSession(s);
  const Session& loaded = SaveAndReopen(QString());
  ExpectSameContent(loaded);
  EXPECT_EQ(loaded.sWorkfile, PathOf(QStringLiteral("round.qln")));
}

TEST_F(RoundTripTest, FullProtectedSessionComesBackExactly) {
  FillFullSession(s);
  s.bPassword = true;
  s.sPassword = QString::fromUtf8("\xC3\x89L\xC3\x89, \"\xC3\xBF\"");
  const Session& loaded = SaveAndReopen(UpperCaseInCodePage(s.sPassword));
  ExpectSameContent(loaded);
  EXPECT_EQ(loaded.sPassword, s.sPassword);

  // Every text line really is scrambled: no text appears in the file.
  const QByteArray file = ReadBytes(PathOf(QStringLiteral("round.qln")));
  EXPECT_FALSE(file.contains("Criterion"));
  EXPECT_FALSE(file.contains("Idea 150"));
}

TEST_F(RoundTripTest, BackupOfAProtectedSessionOpensWithoutPassword) {
  FillFullSession(s);
  s.bPassword = true;
  s.sPassword = QStringLiteral("SECRET");
  const QString backup = BackupPath(program.dataFolder);
  ASSERT_TRUE(WriteBackupWorkfile(s, backup, platform));
  reader.platform.ChooseFile(backup);
  LoadConstants(reader.session, folder.path());
  OpenWorkfile(reader, [] {
    ADD_FAILURE() << "a backup asks no password";
    return std::optional<QString>();
  });

  s.bPassword = false;  // what the backup holds
  ExpectSameContent(reader.session);
  EXPECT_EQ(reader.session.sPassword, QString());
}

}  // namespace
}  // namespace quillane::test
