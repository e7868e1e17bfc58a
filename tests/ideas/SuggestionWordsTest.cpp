// Reading the AutoSuggest word file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>

#include "ideas/SuggestionState.h"
#include "ideas/SuggestionWords.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

namespace quillane::test {
namespace {

class SuggestionWordsTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts = MakeParts(platform);
  SessionDocument& document = parts->document;
  Constants& constants = parts->constants;
  SuggestionState words;
  QTemporaryDir folder;
  bool loaded = false;

  void Load(const QByteArray& bytes) {
    constants = LoadConstants(folder.path());
    WriteFileBytes(QDir(folder.path()).filePath(constants.sDataName), bytes);
    loaded = LoadWords();
  }
  bool LoadWords() { return LoadSuggestionWords(document, parts->prompter, constants, words); }
  // The session as a workfile leaves it: unchanged.
  void MarkUnchanged() { PutContent(document, document.content()); }
  QStringList Actions() const { return Texts(words.sActions, words.nActions); }
  QStringList Objects() const { return Texts(words.sObjects, words.nObjects); }
};

TEST_F(SuggestionWordsTest, ReadsItemsAsTheFileGrammarSays) {
  QByteArray tooMany = "[Actions]\r\n";
  QStringList first71;
  for (int i = 1; i <= 80; ++i) {
    tooMany += "a" + QByteArray::number(i) + "\r\n";
    if (i <= kMaxWords) first71 << QStringLiteral("a%1").arg(i);
  }
  const struct {
    const char* what;
    QByteArray file;
    QStringList actions, objects;
  } cases[] = {
      {"a byte-order mark first (then UTF-8) and headers between blanks and tabs",
       "\xEF\xBB\xBF[Actions]  \r\nPaint\r\n \t[Objects]\t\r\nthe d\xC3\xB6or \xC5\x81\r\n",
       {"Paint"},
       {"the d\xC3\xB6or \xC5\x81"}},
      {"headers in any case, objects first",
       "[objects]\r\nthe door\r\n[ACTIONS]\r\nPaint\r\nSand\r\n",
       {"Paint", "Sand"},
       {"the door"}},
      {"commas split, quotes keep commas, blanks in front dropped, blanks within kept",
       "[Actions]\r\nPaint, Sand\r\n\"Cut, then glue\"\r\n   Turn over\r\n[Objects]\r\nthe door\r\n",
       {"Paint", "Sand", "Cut, then glue", "Turn over"},
       {"the door"}},
      {"empty items skipped, also a run of them at the end",
       "[Actions]\r\n\r\n,,Paint,\r\n[Objects]\r\nthe door\r\n\r\n , \r\n\r\n",
       {"Paint"},
       {"the door"}},
      {"items before the first header ignored; a repeated header restarts at slot 1",
       "Words, as you like them\r\n[Actions]\r\nA1\r\nA2\r\n[Objects]\r\nO1\r\n[actions]\r\nB1",
       {"B1"},
       {"O1"}},
      {"an unclosed quote ends with its line; text after a closing quote is dropped",
       "[Actions]\n\"Open, wide\n\"Cut\" up, Fold\n[Objects]\nthe door",
       {"Open, wide", "Cut", "Fold"},
       {"the door"}},
      {"Windows-1252 and bytes that are not text",
       QByteArray("[Actions]\r\nR\xe9sum\xe9\r\n[Objects]\r\nx") + '\0' + "\x81y\r\n",
       {"Résumé"},
       {QStringLiteral("x") + QChar(0) + QChar(0x81) + u'y'}},
      {"a section keeps its first 71 words and reading goes on",
       tooMany + "[Objects]\r\nthe door",
       first71,
       {"the door"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    words.nActions = words.nObjects = 0;
    MarkUnchanged();
    Load(c.file);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(Actions(), c.actions);
    EXPECT_EQ(Objects(), c.objects);
    EXPECT_TRUE(document.isModified());
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SuggestionWordsTest, AHeaderWithoutWordsKeepsTheCountOfTheLastReading) {
  Load("[Actions]\r\nPaint\r\nSand\r\n[Objects]\r\nthe door\r\nthe roof\r\n");
  Load("[Objects]\r\n[Actions]\r\nCut\r\n");
  EXPECT_TRUE(loaded);
  EXPECT_EQ(Actions(), QStringList{"Cut"});
  EXPECT_EQ(words.sActions[2], QStringLiteral("Sand")) << "slots past the count are not cleared";
  EXPECT_EQ(Objects(), (QStringList{"the door", "the roof"}));
}

TEST_F(SuggestionWordsTest, FailuresNameTheBareFileAndCancel) {
  // A word file that is not read counts as missing: the dialog does not
  // wait on a named pipe, nor fill its memory from an endless device.
  const QString missing = QStringLiteral("File not found: QUILLANE.DTA");
  const QByteArray large = "[Actions]\r\nCut\r\n[Objects]\r\nthe door\r\n" + QByteArray(1024 * 1024, ' ');
  const struct {
    QByteArray file;  // "-" for no file, "/" for a folder, "|" for a named pipe, "@" for a link to /dev/zero
    QString message;
  } cases[] = {
      {"-", missing},
      {"/", missing},
      {"|", missing},
      {"@", missing},
      {large, missing},
      {"[Actions]\r\n[Objects]\r\nthe door\r\n", QStringLiteral("No Actions found in: QUILLANE.DTA")},
      {"words, before, any header\r\n[Actions]\r\nPaint\r\n",
       QStringLiteral("No Objects found in: QUILLANE.DTA")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.left(12).toStdString());
    QTemporaryDir programFolder;
    constants = LoadConstants(programFolder.path());
    const QString path = QDir(programFolder.path()).filePath(constants.sDataName);
    if (c.file == "/") {
      ASSERT_TRUE(QDir().mkdir(path));
    } else if (c.file == "|") {
      ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (c.file == "@") {
      ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (c.file != "-") {
      WriteFileBytes(path, c.file);
    }
    words.nActions = words.nObjects = 0;
    MarkUnchanged();
    platform.messages.clear();
    platform.AnswerNext(Answer::Ok);
    EXPECT_FALSE(LoadWords());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.message);
    EXPECT_EQ(platform.messages[0].flags, MsgStyle(MsgButtons::OkOnly).code());
    EXPECT_EQ(platform.messages[0].title, constants.sTitle);
    EXPECT_FALSE(document.isModified());
  }
  EXPECT_EQ(words.nActions, 1) << "the words read stay in the lists";
}

// The shipped word file fills both lists within their capacity, and any
// action followed by any object reads as English: the action is a verb
// phrase that takes the object straight after it, so it ends neither in an
// adjective ("Make cheaper the music") nor in an article of its own; the
// object is a noun phrase led by a determiner and names no person, since
// selling, halving or recycling one is no suggestion to make.
TEST_F(SuggestionWordsTest, EveryShippedActionTakesEveryShippedObject) {
  ASSERT_TRUE(LoadWords());
  EXPECT_TRUE(words.nActions >= 60 && words.nActions <= kMaxWords) << words.nActions;
  EXPECT_TRUE(words.nObjects >= 60 && words.nObjects <= kMaxWords) << words.nObjects;
  const QStringList adjectives{"cheaper",  "dearer", "luxurious", "portable", "bigger", "smaller",
                               "faster",   "slower", "easier",    "simpler",  "safer",  "better",
                               "stronger", "louder", "quieter",   "shorter",  "longer"};
  const QStringList articles{"the", "a", "an"};
  const QStringList determiners{"the", "a", "an", "your", "its", "some", "every"};
  const QStringList persons{"child",    "children", "customer", "customers", "client",     "clients",
                            "staff",    "people",   "employee", "employees", "user",       "users",
                            "family",   "friends",  "visitors", "team",      "colleagues", "neighbours",
                            "students", "parents",  "elderly",  "supplier",  "suppliers",  "guests",
                            "workers",  "members",  "manager",  "boss"};
  for (const bool action : {true, false}) {
    for (const QString& word : action ? Actions() : Objects()) {
      SCOPED_TRACE(word.toStdString());
      EXPECT_TRUE(word == word.trimmed() && !word.startsWith(u'[') && word.size() <= kMaxTextLength);
      const QStringList w = word.toLower().split(u' ', Qt::SkipEmptyParts);
      ASSERT_FALSE(w.isEmpty());
      if (action) {
        EXPECT_TRUE(word[0].isUpper() && !adjectives.contains(w.last()) && !articles.contains(w.last()));
      } else {
        EXPECT_TRUE(word[0].isLower() && determiners.contains(w.first()) && !persons.contains(w.last()));
      }
    }
  }
}

}  // namespace
}  // namespace quillane::test
