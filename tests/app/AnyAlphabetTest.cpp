// Text in any alphabet, typed into the real dialogs, comes back whole from
// the workfile, the report, the plan and the printed report.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QStandardPaths>

#include "MainWindowFixture.h"
#include "files/TextEncoding.h"
#include "session/WorkfileFixture.h"
#include "session/WorkfileReader.h"

namespace quillane::test {
namespace {

const QString kGoal = QString::fromUtf8("Łódź: więcej klientów");
const QStringList kCriteria = {QString::fromUtf8("Ελληνικά κριτήρια"), QString::fromUtf8("Türkçe ığüşöç İ"),
                               QString::fromUtf8("Čeština řeší")};
const QString kArrow = QString::fromUtf8("Sales → up by 20%");
const QString kHebrew = QString::fromUtf8("שלום עולם");
const QStringList kIdeas = {QString::fromUtf8("Café 😀 for everyone"), QString::fromUtf8("עוד רעיון טוב")};

class AnyAlphabetTest : public MainWindowTest {
 protected:
  // The text poppler finds in a PDF, as a user's viewer would copy it.
  static QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
  }
};

TEST_F(AnyAlphabetTest, EveryAlphabetComesBackFromTheWorkfileReportPlanAndPrint) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);
  RunDialog(Menu::kStart, Command::Goal, [](QDialog& d) { Type(&d, "txtGoal", {kGoal}); });
  RunDialog(Menu::kCriteria, Command::CriteriaSet, TypeThenOk("txtCriteriaSet", kCriteria));
  RunDialog(Menu::kCriteria, Command::CriteriaRate, [](QDialog& d) {
    auto* slider = Find<QSlider>(&d, QStringLiteral("sliCriteriaRate"));
    for (int value : {7, 4, 6}) {
      slider->setValue(value);
      Click(&d, "cmdCriteriaRate");
    }
  });
  RunDialog(Menu::kIdeas, Command::TAssets, TypeThenOk("txtIdeasTAssets", {kArrow}));
  RunDialog(Menu::kIdeas, Command::IAssets, TypeThenOk("txtIdeasIAssets", {kHebrew}));
  RunDialog(Menu::kIdeas, Command::AutoSuggest, TypeThenOk("txtAddIdeas(0)", kIdeas));
  const SessionContent& s = parts.document.content();
  ASSERT_EQ(s.sGoal, kGoal);
  QStringList criteria = Texts(s.sCriteria, s.nCriteria);  // now in the order of their weights
  criteria.sort();
  QStringList typed = kCriteria;
  typed.sort();
  ASSERT_EQ(criteria, typed);
  ASSERT_EQ(Texts(s.sIdeas, s.nIdeas), kIdeas);

  Pick({0, 1});
  RunDialog(Menu::kIdeas, Command::Evaluate, [](QDialog& d) {
    auto* slider = Find<QSlider>(&d, QStringLiteral("sliIdeasEvaluationRate"));
    for (int value : {6, 8, 5, 9, 4, 7}) {
      slider->setValue(value);
      Click(&d, "cmdIdeasEvaluation");
    }
  });
  ASSERT_TRUE(states.evaluation.bRanked);

  const QString report = folder.filePath(QStringLiteral("report.txt"));
  const QString plan = folder.filePath(QStringLiteral("plan.txt"));
  MakeReportPlanAndPrint(report, plan);
  ASSERT_EQ(platform.printJobs.size(), 1u);

  // Reports and plans are UTF-8 after a byte-order mark, so editors know them.
  for (const QString& file : {report, plan}) {
    SCOPED_TRACE(file.toStdString());
    const QByteArray bytes = ReadFileBytes(file);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    for (const QString& expected : QStringList{kGoal} + kCriteria + kIdeas)
      EXPECT_TRUE(text.contains(expected));
  }
  const QStringList reportLines = QString::fromUtf8(ReadFileBytes(report)).split(QStringLiteral("\r\n"));
  EXPECT_TRUE(reportLines.contains(kArrow));
  // The ratings line up whatever the alphabet: columns count characters,
  // and an emoji is one.
  QList<qsizetype> ratingColumns;
  for (const QString& idea : kIdeas) {
    const QRegularExpression ranked(QStringLiteral("^") + QRegularExpression::escape(idea) +
                                    QStringLiteral(" +\\d"));
    const QString rest = reportLines.filter(ranked).value(0).mid(idea.size());
    ratingColumns << CharacterCount(idea) + rest.indexOf(QRegularExpression(QStringLiteral("\\d")));
  }
  EXPECT_EQ(ratingColumns.value(0), ratingColumns.value(1));
  const QString printed =
      PdfText(folder.filePath(platform.printJobs[0] + QStringLiteral(".pdf"))).simplified();
  // poppler gives a right-to-left text in the order it is read, as it was
  // typed. The emoji is printed, but Qt's PDF writer maps no glyph beyond the
  // basic plane back to its character, so poppler finds a gap there.
  for (const QString& expected : QStringList{kGoal} + kCriteria + kIdeas) {
    QString readable = expected;
    readable.remove(QString::fromUtf8("😀"));
    EXPECT_TRUE(printed.contains(readable.simplified()))
        << expected.toStdString() << " not in: " << printed.toStdString();
  }

  // Protected in the letter-shift format with a Greek password, saved, and
  // opened again typed in small letters.
  RunDialog(Menu::kOptions, Command::Password, [](QDialog& d) {
    Find<QCheckBox>(&d, QStringLiteral("chkEncrypt"))->click();
    Type(&d, "txtPassword", {QString::fromUtf8("Κωδικός")});
  });
  const QString workfile = folder.filePath(QStringLiteral("alphabets.qln"));
  PressMenu(Menu::kSave);
  platform.ChooseFile(workfile);
  PressCommand(Command::SaveAs);
  const OpenState saved = ContentOf(parts.document);
  const QList<QByteArray> lines = SplitLines(ReadFileBytes(workfile));
  ASSERT_GT(lines.size(), 4);
  EXPECT_EQ(ReadEncodingMark(lines[3], true), TextEncoding::Utf8);

  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);
  platform.ChooseFile(workfile);
  platform.OnNextDialog([](QDialog& d) { Type(&d, "txtPassword", {QString::fromUtf8("κωδικός")}); });
  PressCommand(Command::OpenSession);
  EXPECT_EQ(parts.document.content().sPassword, saved.content.sPassword);
  EXPECT_EQ(parts.document.content().protection, saved.content.protection);
  EXPECT_TRUE(ContentOf(parts.document) == saved);
  EXPECT_EQ(Texts(states.evaluation.sEvalIdeas, states.evaluation.nEvalIdeas).size(), 2);
  EXPECT_TRUE(kIdeas.contains(states.evaluation.sEvalIdeas[1]));
}

// The limit counts characters: eighty emoji fit a box, as eighty letters do,
// and a paste into a full box takes nothing.
TEST_F(AnyAlphabetTest, TheEightyCharacterLimitCountsCharacters) {
  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);
  const QString emoji = QString::fromUtf8("😀");
  RunDialog(Menu::kStart, Command::Goal, [&](QDialog& d) {
    auto* box = Find<QLineEdit>(&d, QStringLiteral("txtGoal"));
    for (int i = 0; i < 81; ++i) TypeText(box, emoji);
    EXPECT_EQ(box->text(), emoji.repeated(80));
    box->setCursorPosition(4);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    box->paste();
    EXPECT_EQ(box->text(), emoji.repeated(80));
    box->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("x").repeated(79) + emoji + QStringLiteral("y"));
    box->paste();
    EXPECT_EQ(box->text(), QStringLiteral("x").repeated(79) + emoji);
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("x").repeated(79) + emoji);
}

}  // namespace
}  // namespace quillane::test
