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
  const SessionContent& SaveAndReopen(const QString& name, const QString& typedPassword) {
    const QString path = PathOf(name);
    CycleKeys(platform);
    SaveAs(path);
    reader.platform.ChooseFile(path);
    reader.parts = MakeParts(reader.platform, folder.path());  // nothing left from an earlier open
    MainParts& r = *reader.parts;
    EXPECT_EQ(OpenWorkfile(r.document, r.states.evaluation, r.prompter, r.platform, r.status, r.constants,
                           r.fileWork, [&](Protection) { return std::optional<QString>(typedPassword); }),
              FileOutcome::Done);
    EXPECT_TRUE(reader.platform.messages.empty());
    return r.document.content();
  }

  struct Reader {
    ScriptedPlatform platform;
    std::unique_ptr<MainParts> parts;
  } reader;
};

// A backup is a plain workfile with another flag (SaveTest, OpenTest).
TEST_F(RoundTripTest, FullSessionsPlainAndProtectedComeBackExactly) {
  Change([](SessionContent& c) { FillSession(c, kMaxCriteria, kMaxAssets, kMaxIdeas); });
  // Every slot, the password too: the sessions here fill every list.
  EXPECT_TRUE(SaveAndReopen(QStringLiteral("plain.qln"), QString()) == s);
  EXPECT_EQ(reader.parts->document.workfile(), PathOf(QStringLiteral("plain.qln")));

  PutPassword(document, QString::fromUtf8("\xC3\x89L\xC3\x89, \"\xC3\xBF\""));
  const SessionContent& loaded =
      SaveAndReopen(QStringLiteral("protected.qln"), UpperCaseInCodePage(s.sPassword));
  EXPECT_TRUE(loaded == s);
  EXPECT_EQ(loaded.sPassword, s.sPassword);

  // Every text line really is scrambled: no text appears in the file.
  const QByteArray file = ReadFileBytes(PathOf(QStringLiteral("protected.qln")));
  EXPECT_FALSE(file.contains("Criterion"));
  EXPECT_FALSE(file.contains("Idea 150"));
}

}  // namespace
}  // namespace quillane::test
