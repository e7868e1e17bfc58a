#include <gtest/gtest.h>

#include "files/CodePage.h"
#include "session/Workfile.h"
#include "session/WorkfileFixture.h"

namespace quillane::test {
namespace {

// Keys 1 to 9 in turn, enough for every line of a full session.
void CycleKeys(ScriptedPlatform& platform) {
  platform.randoms.clear();
  for (int i = 0; i < 1000; ++i) platform.randoms.push_back(ScriptedPlatform::RandomForKey(i % 9 + 1));
}

class RoundTripTest : public WorkfileTest {
 protected:
  // Saves this session, then opens the file in a second program and returns
  // what it loaded.
  Session& SaveAndReopen(const QString& name, const QString& typedPassword) {
    const QString path = PathOf(name);
    CycleKeys(platform);
    SaveAs(path);
    reader.platform.ChooseFile(path);
    Session& loaded = reader.session;
    LoadConstants(loaded, folder.path());
    loaded.nIdeas = loaded.nCriteria = 0;  // nothing left from an earlier open
    EXPECT_EQ(OpenWorkfile(reader, [&] { return std::optional<QString>(typedPassword); }), FileOutcome::Done);
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

// A backup is a plain workfile with another flag (SaveTest, OpenTest).
TEST_F(RoundTripTest, FullSessionsPlainAndProtectedComeBackExactly) {
  FillSession(s, kMaxCriteria, kMaxAssets, kMaxIdeas);
  const Session& plain = SaveAndReopen(QStringLiteral("plain.qln"), QString());
  ExpectSameContent(plain);
  EXPECT_EQ(plain.sWorkfile, PathOf(QStringLiteral("plain.qln")));

  s.bPassword = true;
  s.sPassword = QString::fromUtf8("\xC3\x89L\xC3\x89, \"\xC3\xBF\"");
  const Session& loaded = SaveAndReopen(QStringLiteral("protected.qln"), UpperCaseInCodePage(s.sPassword));
  ExpectSameContent(loaded);
  EXPECT_EQ(loaded.sPassword, s.sPassword);

  // Every text line really is scrambled: no text appears in the file.
  const QByteArray file = ReadBytes(PathOf(QStringLiteral("protected.qln")));
  EXPECT_FALSE(file.contains("Criterion"));
  EXPECT_FALSE(file.contains("Idea 150"));
}

}  // namespace
}  // namespace quillane::test
