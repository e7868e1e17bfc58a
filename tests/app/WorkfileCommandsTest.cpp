// Open as the main window runs it.
#include <QDir>

#include "MainWindowFixture.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

class WorkfileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    PressMenu(Menu::kStart);
    PressCommand(Command::NewSession);
  }
  QString PathOf(const char* name) { return folder.filePath(QLatin1String(name)); }
  void SaveAs(const QString& path) {
    PressMenu(Menu::kSave);
    platform.ChooseFile(path);
    PressCommand(Command::SaveAs);
  }
};

TEST_F(WorkfileCommandsTest, OpenAsksToSaveTypedWorkBeforeItsFileDialog) {
  const QString other = PathOf("other.qln");
  SaveAs(other);
  SeedTyped(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Typed, not saved"); });
  PressMenu(Menu::kStart);

  // Cancel keeps everything and shows no file dialog.
  platform.fileDialogs.clear();
  platform.AnswerNext(Answer::Cancel);
  PressCommand(Command::OpenSession);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(512) + QStringLiteral("\r\r") + Text(513));
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Typed, not saved"));

  // Yes saves first, then opens.
  platform.AnswerNext(Answer::Yes);
  platform.ChooseFile(other);
  PressCommand(Command::OpenSession);
  EXPECT_EQ(platform.fileDialogs.size(), 1u) << "saved under its own name, then the Open dialog";
  EXPECT_EQ(parts.document.workfile(), QDir::toNativeSeparators(other));
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Typed, not saved"))
      << "what was saved is what opened";
  EXPECT_FALSE(parts.document.isModified());

  // No lets the changes go.
  SeedTyped(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Dropped"); });
  platform.AnswerNext(Answer::No);
  platform.ChooseFile(other);
  PressCommand(Command::OpenSession);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Typed, not saved"));
}

}  // namespace
}  // namespace quillane::test
