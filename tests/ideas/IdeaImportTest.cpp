// Import Ideas: each export format gives back its ideas; the question with
// the counts comes first; damaged, huge and entity-laden files change nothing.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ideas/IdeaFile.h"
#include "ideas/IdeaImport.h"
#include "ideas/IdeaList.h"
#include "reports/ExportCommand.h"
#include "reports/ExportView.h"
#include "resources/Texts.h"
#include "support/ExportSession.h"
#include "support/Files.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

namespace quillane::test {
namespace {

class IdeaImportTest : public ::testing::Test {
 protected:
  IdeaImportTest() { parts->constants.sUserFirstName = QStringLiteral("Ada"); }

  QString FileWith(const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    WriteFileBytes(path, bytes);
    return path;
  }
  // Import Ideas on `path`, answering the question with `answer`.
  FileOutcome Import(const QString& path, Answer answer = Answer::Yes) {
    platform.ChooseFile(path);
    platform.AnswerNext(answer);
    return ImportIdeas(document, parts->prompter, folder.path());
  }
  void ExpectToldAndUnchanged(FileOutcome outcome, int text, int ideasBefore) {
    EXPECT_EQ(outcome, FileOutcome::Failed);
    ASSERT_EQ(platform.messages.size(), 1u) << "a message, no question";
    EXPECT_TRUE(platform.messages[0].text.contains(Text(text))) << platform.messages[0].text.toStdString();
    EXPECT_EQ(s.nIdeas, ideasBefore);
    EXPECT_FALSE(document.isModified());
  }

  QTemporaryDir folder;
  ScriptedPlatform platform;
  QStringList encouragements;
  std::unique_ptr<MainParts> parts =
      MakeParts(platform, folder.path(), {[] {}, [this](const QString& text) { encouragements << text; }});
  SessionDocument& document = parts->document;
  const SessionContent& s = document.content();
};

class ExportedFormatTest : public IdeaImportTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExportedFormatTest, ImportBringsBackTheIdeasOfAnExport) {
  const ExportSession exported;
  const QString path = folder.filePath(QStringLiteral("session.") + GetParam());
  WriteFileBytes(path,
                 ExportBytes(FormatOfFile(path), MakeExportView(*exported.content, *exported.evaluation),
                             QStringLiteral(".")));

  EXPECT_EQ(Import(path), FileOutcome::Done);
  QStringList expected;
  for (const QString& idea : Texts(exported.content->sIdeas, exported.content->nIdeas))
    expected << idea.trimmed();
  EXPECT_EQ(Texts(s.sIdeas, s.nIdeas), expected) << "the ideas alone, in order; blanks at the ends dropped";
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(Text(3179).arg(kMaxIdeas)));
  EXPECT_FALSE(platform.messages[0].text.contains(Text(3180).section(QLatin1Char(' '), 1)))
      << "nothing left out";
  // One cheer for the whole import, that of the last milestone it passed.
  EXPECT_EQ(encouragements, QStringList{EncouragementFor(QStringLiteral("Ada"), kMaxIdeas)});
  EXPECT_TRUE(document.isModified());
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, ExportedFormatTest,
                         ::testing::Values("md", "csv", "opml", "mm", "txt"));

TEST_F(IdeaImportTest, QuestionCountsWhatIsLeftOutAndNoChangesNothing) {
  for (int i = 1; i <= 195; ++i) document.AddIdea(QStringLiteral("idea %1").arg(i));
  document.MarkSaved(folder.filePath(QStringLiteral("saved.qln")));
  QByteArray lines = "ab\n" + QByteArray(81, 'x') + "\n\n   \n";
  for (int i = 1; i <= 10; ++i) lines += "new idea " + QByteArray::number(i) + "\n";
  const QString path = FileWith(QStringLiteral("ideas.txt"), lines);

  EXPECT_EQ(Import(path, Answer::No), FileOutcome::Cancelled);
  ASSERT_EQ(platform.messages.size(), 1u);
  const QString question = platform.messages[0].text;
  for (const QString& line :
       {Text(3179).arg(5), Text(3180).arg(7), Text(3181).arg(1), Text(3182).arg(1), Text(3183).arg(5)}) {
    EXPECT_TRUE(question.contains(line)) << question.toStdString();
  }
  EXPECT_EQ(s.nIdeas, 195);
  EXPECT_FALSE(document.isModified());

  EXPECT_EQ(Import(path), FileOutcome::Done);
  EXPECT_EQ(s.nIdeas, kMaxIdeas);
  EXPECT_EQ(s.sIdeas[196], QStringLiteral("new idea 1"));
  EXPECT_EQ(s.sIdeas[200], QStringLiteral("new idea 5"));
}

TEST_F(IdeaImportTest, OneIdeaAndOneLeftOutAreSaidInTheSingular) {
  EXPECT_EQ(Import(FileWith(QStringLiteral("one.txt"), "ab\nOne idea\n"), Answer::No),
            FileOutcome::Cancelled);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(Text(3189) + QLatin1Char('\r')));
  EXPECT_TRUE(platform.messages[0].text.contains(QLatin1Char('\r') + Text(3190) + QLatin1Char('\r')));
}

TEST_F(IdeaImportTest, CharactersCountAsTheUserSeesThem) {
  // 80 emoji are 160 UTF-16 units but 80 characters: an idea still.
  QString emoji;
  for (int i = 0; i < 80; ++i) emoji += QStringLiteral("😀");
  const QString path = FileWith(QStringLiteral("ideas.txt"), (emoji + "\n" + emoji + "😀\n😀😀\n").toUtf8());
  EXPECT_EQ(Import(path), FileOutcome::Done);
  EXPECT_EQ(Texts(s.sIdeas, s.nIdeas), QStringList{emoji});
}

TEST_F(IdeaImportTest, DamagedHugeAndEntityFilesAreToldAndChangeNothing) {
  document.AddIdea(QStringLiteral("kept idea"));
  document.MarkSaved(folder.filePath(QStringLiteral("saved.qln")));
  const struct {
    const char* name;
    QByteArray bytes;
    int text;
  } cases[] = {
      {"cut.opml", "<?xml version=\"1.0\"?><opml version=\"2.0\"><body><outline text=\"a idea\">", 3186},
      {"other.opml", "<html><body><p>no outline</p></body></html>", 3186},
      {"cut.mm", "<map version=\"1.0.1\"><node TEXT=\"idea\"></map>", 3186},
      {"laughs.opml",
       "<?xml version=\"1.0\"?><!DOCTYPE opml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>"
       "<opml version=\"2.0\"><body><outline text=\"&b;&b;&b;&b;\"/></body></opml>",
       3188},
      {"external.mm", "<!DOCTYPE map SYSTEM \"file:///etc/passwd\"><map><node TEXT=\"x\"/></map>", 3188},
      {"huge.txt", QByteArray(kMaxReadFileBytes + 1, 'a'), 3187},
      {"empty.md", "# Only a heading\n\n---\n", 3185},
      {"missing.txt", QByteArray(), 3124},  // no bytes: no file
      {"", QByteArray(), 3125},             // the folder itself
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform.messages.clear();
    const QString name = QString::fromLatin1(c.name);
    ExpectToldAndUnchanged(Import(c.bytes.isNull() ? folder.filePath(name) : FileWith(name, c.bytes)), c.text,
                           1);
  }
}

TEST_F(IdeaImportTest, CancelledDialogChangesNothing) {
  platform.ChooseFile(std::nullopt);
  EXPECT_EQ(ImportIdeas(document, parts->prompter, folder.path()), FileOutcome::Cancelled);
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].mode, FileDialogMode::Open);
  EXPECT_EQ(platform.fileDialogs[0].initialName, folder.path() + QLatin1Char('/'));
}

TEST(IdeaFileTest, FilesOfOtherProgramsGiveEveryItemInOrder) {
  const auto items = [](const char* bytes, IdeaFileKind kind) { return ReadIdeaItems(bytes, kind).items; };
  EXPECT_EQ(items("first idea\r\n\r\n  second idea\t\nthird\x01idea", IdeaFileKind::PlainText),
            (QStringList{"first idea", "second idea", "third idea"}));
  // Markdown as its reader shows it: emphasis, links and code as their text.
  EXPECT_EQ(items("# Title\n\nSome words.\n\n- one *idea*\n  * nested \\# two\n1. three &amp; more\n```\n- "
                  "code\n```\n- see [the **plan**](http://x) and `a|b`\n",
                  IdeaFileKind::Markdown),
            (QStringList{"one idea", "nested # two", "three & more", "see the plan and a|b"}));
  EXPECT_EQ(items("Plain line one\nPlain line two\n", IdeaFileKind::Markdown),
            (QStringList{"Plain line one", "Plain line two"}));
  EXPECT_EQ(items("\"a, quoted\",2\n\"multi\nline\",3\nlast,4\n", IdeaFileKind::Csv),
            (QStringList{"a, quoted", "multi\nline", "last"})
                .replaceInStrings(QStringLiteral("\n"), QStringLiteral(" ")));
  EXPECT_EQ(
      items("<opml version=\"2.0\"><head/><body><outline text=\"Plan\"><outline text=\"step &amp; one\"/>"
            "<outline text=\"step two\"><outline text=\"deeper\"/></outline></outline></body></opml>",
            IdeaFileKind::Opml),
      (QStringList{"Plan", "step & one", "step two", "deeper"}));
  EXPECT_EQ(items("<map version=\"0.9.0\"><node TEXT=\"Root\"><node TEXT=\"&#x396;eta\" POSITION=\"right\"/>"
                  "<node><richcontent TYPE=\"NODE\"/></node></node></map>",
                  IdeaFileKind::FreeMind),
            (QStringList{"Root", "Ζeta"}));
}

}  // namespace
}  // namespace quillane::test
