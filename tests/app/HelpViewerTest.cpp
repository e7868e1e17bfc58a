// The help pages shipped with the program, and the help viewer that shows them.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/helpviewer/HelpPages.h"
#include "app/helpviewer/HelpRequestServer.h"
#include "app/helpviewer/HelpWindow.h"
#include "platform/helprequest/HelpRequest.h"
#include "support/Files.h"
#include "support/Widgets.h"
#include "ui/HelpContexts.h"

namespace quillane::test {
namespace {

const QString kShippedHelp = QStringLiteral(QUILLANE_SOURCE_DIR "/resources/shipped/help");

QString ReadFile(const QString& path) {
  return QString::fromUtf8(ReadFileBytes(path));
}

// Every context number has its own page, listed in the contents, and no page
// is left over; every page has a title, a way back to the contents and links
// that resolve.
TEST(HelpPages, EveryContextHasItsListedPageAndEveryPageATitleAWayBackAndLinksThatResolve) {
  const HelpPages pages(kShippedHelp);
  ASSERT_TRUE(pages.HasContents());
  const QString contents = ReadFile(pages.ContentsPage());
  QStringList expected = {QStringLiteral("index.html")};
  for (int number : AllHelpContexts()) {
    expected << QStringLiteral("%1.html").arg(number);
    EXPECT_TRUE(pages.HasTopic(number)) << number;
    EXPECT_TRUE(contents.contains(QStringLiteral("href=\"%1.html\"").arg(number))) << number;
  }
  const QDir folder(kShippedHelp);
  QStringList files = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
  expected.sort();
  files.sort();
  EXPECT_EQ(files, expected);
  const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
  const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const QString page = ReadFile(folder.filePath(name));
    EXPECT_TRUE(title.match(page).hasMatch());
    if (name != QLatin1String("index.html")) {
      EXPECT_TRUE(page.contains(QStringLiteral("href=\"index.html\"")));
    }
    for (auto match = link.globalMatch(page); match.hasNext();) {
      const QString target = match.next().captured(1);
      if (target.contains(QLatin1String("://"))) continue;  // the web, not our pages
      const QString file = target.section(QLatin1Char('#'), 0, 0);
      EXPECT_TRUE(file.isEmpty() || folder.exists(file)) << target.toStdString();
    }
  }
}

TEST(HelpPages, SearchFindsThePagesHoldingEveryWordMostMentionsFirst) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WriteFileBytes(dir.filePath(QStringLiteral("index.html")), "<p>pairing pairing pairing slider</p>");
  WriteFileBytes(dir.filePath(QStringLiteral("1.html")),
                 "<title>One</title><p>Pair the <b>assets</b>; a pairing of assets. I Ching</p>");
  WriteFileBytes(dir.filePath(QStringLiteral("2.html")), "<title>Two</title><p>PAIRING and a slider</p>");
  WriteFileBytes(dir.filePath(QStringLiteral("3.html")), "<title>Three</title><p>impair, in idea</p>");
  const HelpPages pages(dir.path());

  auto titles = [&](const QString& words) {
    QStringList found;
    for (const HelpPages::Hit& hit : pages.Search(words)) found << hit.title;
    return found;
  };
  EXPECT_EQ(titles(QStringLiteral("pair")), (QStringList{QStringLiteral("One"), QStringLiteral("Two")}));
  EXPECT_EQ(titles(QStringLiteral("  Pairing   SLIDER ")), QStringList{QStringLiteral("Two")});
  EXPECT_EQ(titles(QStringLiteral("i ching")), QStringList{QStringLiteral("One")});
  EXPECT_EQ(titles(QStringLiteral("asset pair")), QStringList{QStringLiteral("One")});
  EXPECT_TRUE(titles(QStringLiteral("hexagram")).isEmpty());
  EXPECT_TRUE(titles(QStringLiteral("   ")).isEmpty());
}

TEST(HelpRequest, TravelsAsOneLineAndAsTheViewersCommandLineWithWhatMustStayFree) {
  for (const HelpRequest& request :
       {HelpRequest{QStringLiteral("/opt/my help/h\u00e9lp"), 5300},
        HelpRequest{QStringLiteral("/usr/share/quillane/help"), 4200, QRect(290, 530, 700, 240)}}) {
    EXPECT_EQ(DecodeHelpRequest(EncodeHelpRequest(request)), request);
    EXPECT_EQ(HelpRequestFromArguments(HelpViewerArguments(request)), request);
  }
  EXPECT_EQ(DecodeHelpRequest("0\t\t/x\n"), (HelpRequest{QStringLiteral("/x"), 0}));
  EXPECT_FALSE(DecodeHelpRequest("5300 /x\n"));
  EXPECT_FALSE(DecodeHelpRequest("-1\t/x\n"));
  EXPECT_FALSE(DecodeHelpRequest("12\t1,2,x,4\t/help\n"));
  // Sizes no screen has, whose sums would overflow.
  EXPECT_FALSE(DecodeHelpRequest("12\t2147483647,0,2147483647,10\t/help\n"));
  EXPECT_FALSE(DecodeHelpRequest("12\t0,0,-5,10\t/help\n"));
  EXPECT_EQ(DecodeHelpRequest("5\t1,1,5,0\t/help\n"), (HelpRequest{QStringLiteral("/help"), 5, QRect()}));
  // A folder with a tab or a line break in its name arrives whole.
  const HelpRequest odd{QStringLiteral("/tmp/odd\tname\n/help"), 7};
  EXPECT_EQ(DecodeHelpRequest(EncodeHelpRequest(odd)), odd);
  EXPECT_FALSE(HelpRequestFromArguments({QStringLiteral("/x")}));
  EXPECT_FALSE(HelpRequestFromArguments({QStringLiteral("/x"), QStringLiteral("five")}));
}

TEST(HelpRequest, ReachesTheViewerThatListensAndOnlyThatOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString name = dir.filePath(QStringLiteral("help"));
  EXPECT_FALSE(SendHelpRequest(name, {QStringLiteral("/f"), 1}));

  HelpRequestServer server;
  ASSERT_TRUE(server.Listen(name));
  std::vector<HelpRequest> received;
  QObject::connect(&server, &HelpRequestServer::requested,
                   [&](const HelpRequest& request) { received.push_back(request); });
  ASSERT_TRUE(SendHelpRequest(name, {QStringLiteral("/f"), 5000}));
  ASSERT_TRUE(SendHelpRequest(name, {QStringLiteral("/f"), 0}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }));
  EXPECT_EQ(received, (std::vector<HelpRequest>{{QStringLiteral("/f"), 5000}, {QStringLiteral("/f"), 0}}));
}

TEST(HelpWindow, ShowsTopicsTheContentsNotesWhatIsMissingSearchesAndGoesBack) {
  HelpWindow window;
  window.show();
  auto* page = Find<QTextBrowser>(&window, QStringLiteral("brwPage"));
  auto* note = Find<QLabel>(&window, QStringLiteral("lblNote"));
  window.Open({QStringLiteral("/no/such/<h1>help</h1>"), 2500});
  EXPECT_TRUE(note->isVisible());
  EXPECT_TRUE(note->text().endsWith(QStringLiteral("/no/such/<h1>help</h1>")));
  EXPECT_EQ(note->textFormat(), Qt::PlainText);
  window.Open({kShippedHelp, 0});
  EXPECT_EQ(page->source().fileName(), QStringLiteral("index.html"));
  EXPECT_FALSE(note->isVisible());

  window.Open({kShippedHelp, 4200});
  EXPECT_EQ(page->source().fileName(), QStringLiteral("4200.html"));
  EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("Rate Criteria")));
  EXPECT_FALSE(note->isVisible());

  window.Open({kShippedHelp, 4242});
  EXPECT_EQ(page->source().fileName(), QStringLiteral("index.html"));
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(note->text(),
            QStringLiteral("There is no help page for topic 4242. Here are the contents instead."));

  Type(&window, "txtSearch", {"hexagram"});
  auto* results = Find<QListWidget>(&window, QStringLiteral("lstSearchResults"));
  ASSERT_TRUE(results->isVisible());
  ASSERT_EQ(results->count(), 1);
  EXPECT_EQ(results->item(0)->text(), QStringLiteral("I Ching"));
  ClickRow(results, 0);
  EXPECT_EQ(page->source().fileName(), QStringLiteral("5400.html"));
  EXPECT_FALSE(note->isVisible());

  Find<QAction>(&window, QStringLiteral("actBack"))->trigger();
  EXPECT_EQ(page->source().fileName(), QStringLiteral("index.html"));
  EXPECT_TRUE(Find<QAction>(&window, QStringLiteral("actForward"))->isEnabled());

  // Escape closes it, wherever the keyboard is.
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(page, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quillane::test
