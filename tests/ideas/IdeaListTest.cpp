// The idea list: adding, the milestone encouragements and sound, as the
// main window's wiring shows them.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ideas/IdeaList.h"
#include "platform/Platform.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

namespace quillane {
namespace {

class IdeaListTest : public ::testing::Test {
 protected:
  test::ScriptedPlatform platform;
  QTemporaryDir programFolder;
  QStringList encouragements;  // as the ideas dialog shows them
  std::unique_ptr<MainParts> parts = test::MakeParts(
      platform, programFolder.path(), {[] {}, [this](const QString& text) { encouragements << text; }});
  SessionDocument& document = parts->document;
  const SessionContent& s = document.content();
  int ideaChanges = 0;  // each one redraws the idea meter

  void SetUp() override {
    parts->constants.sUserFirstName = QStringLiteral("Ada");
    QObject::connect(&document, &SessionDocument::ideasChanged, [this] { ++ideaChanges; });
  }
  void AddIdeas(int count) {
    for (int i = 0; i < count; ++i) AddIdea(document, QStringLiteral("idea %1").arg(s.nIdeas + 1));
  }
};

TEST_F(IdeaListTest, ShortTextsAreRefusedWithoutAnyChange) {
  AddIdea(document, QStringLiteral("ab"));
  EXPECT_EQ(s.nIdeas, 0);
  EXPECT_FALSE(document.isModified());
  EXPECT_EQ(ideaChanges, 0);
  AddIdea(document, QStringLiteral("abc"));
  EXPECT_EQ(s.nIdeas, 1);
}

TEST_F(IdeaListTest, TheTenthIdeaPlaysTheSoundAndEncouragesTheEleventhDoesNot) {
  const QString sound = QDir(programFolder.path()).filePath(QStringLiteral("YIPPEE.WAV"));
  test::WriteFileBytes(sound, "RIFF");
  AddIdeas(11);
  EXPECT_EQ(encouragements, QStringList{QStringLiteral("Terrific, Ada, your first 10 ideas!")});
  EXPECT_TRUE(platform.messages.empty()) << "no box takes the keyboard";
  EXPECT_EQ(platform.soundsPlayed, QStringList{sound}) << "the 11th count has no message";
}

// Without the sound file, every milestone's message still shows.
TEST_F(IdeaListTest, AFullListTakesNothingMoreAndSaysNothing) {
  AddIdeas(200);
  EXPECT_EQ(s.nIdeas, 200);
  EXPECT_EQ(encouragements.size(), 21);
  EXPECT_TRUE(platform.soundsPlayed.isEmpty());
  AddIdea(document, QStringLiteral("one too many"));
  EXPECT_EQ(s.nIdeas, 200);
  EXPECT_EQ(encouragements.size(), 21);
}

// A pasted or imported batch is one addition: one sound and one cheer, for
// the last milestone it passes, and none when it passes none.
TEST_F(IdeaListTest, ABatchIsCheeredOnceForTheLastMilestoneItPasses) {
  const QString sound = QDir(programFolder.path()).filePath(QStringLiteral("YIPPEE.WAV"));
  test::WriteFileBytes(sound, "RIFF");
  const struct {
    int count;
    int cheeredFor;  // the milestone, 0 for none
  } batches[] = {{5, 0}, {23, 20}, {2, 30}, {9, 0}, {157, 195}, {10, 200}};
  for (const auto& batch : batches) {
    SCOPED_TRACE(batch.count);
    encouragements.clear();
    platform.soundsPlayed.clear();
    ideaChanges = 0;
    const int before = s.nIdeas;
    const int taken =
        quillane::AddIdeas(document, test::Numbered(QStringLiteral("idea %1"), batch.count) << "ab");
    EXPECT_EQ(taken, std::min(batch.count, kMaxIdeas - before)) << "the short text is left out";
    EXPECT_EQ(ideaChanges, 1);
    const QStringList cheers = batch.cheeredFor
                                   ? QStringList{EncouragementFor(QStringLiteral("Ada"), batch.cheeredFor)}
                                   : QStringList();
    EXPECT_EQ(encouragements, cheers);
    EXPECT_EQ(platform.soundsPlayed.size(), cheers.size());
  }
  EXPECT_EQ(s.nIdeas, kMaxIdeas);
}

TEST(FirstName, FromTheFullNameOrElseTheLogin) {
  EXPECT_EQ(FirstNameOf(QStringLiteral("  Ada  King Lovelace"), QStringLiteral("ada")),
            QStringLiteral("Ada"));
  EXPECT_EQ(FirstNameOf(QString(), QStringLiteral("ada")), QStringLiteral("ada"));
}

}  // namespace
}  // namespace quillane
