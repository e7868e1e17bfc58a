// Every export read back by the program a user would open it with (Python's
// csv module, cmark, xmllint), and what that reader finds compared with the
// session it was made of.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "reports/ExportFormats.h"
#include "reports/ExportView.h"
#include "support/ExportSession.h"
#include "support/Files.h"

namespace quillane::test {
namespace {

struct ReaderRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ReaderRun RunReader(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  ReaderRun run;
  if (!process.waitForStarted(10000)) {
    ADD_FAILURE() << program.toStdString() << " could not be started: is it installed (scripts/setup)?";
    return run;
  }
  process.closeWriteChannel();
  process.waitForFinished(60000);
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

double Number(const QString& text) {
  bool ok = false;
  const double value =
      QString(text).replace(QLocale::system().decimalPoint(), QStringLiteral(".")).toDouble(&ok);
  EXPECT_TRUE(ok) << "not a number: " << text.toStdString();
  return value;
}

// The ratings of `idea` as the evaluation made them, found by its text among
// the picked ideas, which are distinct.
std::vector<Single> RatingsOf(const SessionContent& s, const EvaluationState& e, const QString& idea) {
  std::vector<Single> ratings;
  for (int k = 1; k <= e.nEvalIdeas; ++k) {
    if (s.sIdeas[static_cast<std::size_t>(k)] != idea) continue;
    for (int c = 1; c <= s.nCriteria; ++c)
      ratings.push_back(static_cast<Single>(ExportSession::RatingOf(k, c)));
  }
  return ratings;
}

class ExportReadersTest : public ::testing::Test {
 protected:
  QString Write(ExportFormat format, const QString& name) {
    const QString path = folder.filePath(name);
    WriteFileBytes(path, ExportBytes(format, MakeExportView(s, e), QLocale::system().decimalPoint()));
    return path;
  }

  // A ranking as a reader finds it: a header naming the criteria, then each
  // ranked idea with its result and its rating on every criterion.
  void ExpectRanking(const QStringList& header, const std::vector<QStringList>& ranked) const {
    EXPECT_EQ(header, QStringList({"Rank", "Idea", "Result"}) + Texts(s.sCriteria, s.nCriteria));
    ASSERT_EQ(ranked.size(), static_cast<std::size_t>(e.nEvalIdeas));
    for (int i = 1; i <= e.nEvalIdeas; ++i) {
      const QStringList& row = ranked[static_cast<std::size_t>(i - 1)];
      ASSERT_EQ(row.size(), 3 + s.nCriteria) << i;
      EXPECT_EQ(row[0], QString::number(i));
      EXPECT_EQ(row[1], e.sEvalIdeas[static_cast<std::size_t>(i)]);
      EXPECT_FLOAT_EQ(Number(row[2]), e.sngResultB[static_cast<std::size_t>(i)]);
      std::vector<Single> ratings;
      for (const QString& rating : row.mid(3)) ratings.push_back(static_cast<Single>(Number(rating)));
      EXPECT_EQ(ratings, RatingsOf(s, e, row[1])) << i;
    }
  }

  QTemporaryDir folder;
  ExportSession session;
  const SessionContent& s = *session.content;
  const EvaluationState& e = *session.evaluation;
};

// ---------------------------------------------------------------- CSV

TEST_F(ExportReadersTest, CsvReadsBackThroughPythonsCsvModule) {
  const QString path = Write(ExportFormat::Csv, QStringLiteral("session.csv"));
  const ReaderRun python =
      RunReader(QStringLiteral("python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import csv, json, sys\n"
                                "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                "    print(json.dumps(list(csv.reader(f, strict=True))))\n"),
                 path});
  ASSERT_EQ(python.exitCode, 0) << python.err.toStdString();
  std::vector<QStringList> rows;
  for (const QJsonValue& record : QJsonDocument::fromJson(python.out).array()) {
    rows.emplace_back();
    for (const QJsonValue& field : record.toArray()) rows.back() << field.toString();
  }
  const auto row = [&rows](int at) { return rows.at(static_cast<std::size_t>(at)); };

  ASSERT_EQ(rows.size(),
            static_cast<std::size_t>(2 + e.nEvalIdeas + 1 + 1 + s.nTAssets + s.nIAssets + s.nIdeas));
  const QStringList weights = row(1);
  ASSERT_EQ(weights.size(), 3 + s.nCriteria);
  EXPECT_EQ(weights[1], QStringLiteral("Weight"));
  for (int c = 1; c <= s.nCriteria; ++c)
    EXPECT_FLOAT_EQ(Number(weights[2 + c]), s.sngWeight[static_cast<std::size_t>(c)]);
  ExpectRanking(row(0), {rows.begin() + 2, rows.begin() + 2 + e.nEvalIdeas});
  int at = 2 + e.nEvalIdeas;
  EXPECT_TRUE(row(at++).isEmpty()) << "an empty row before the session's entries";
  EXPECT_EQ(row(at++), (QStringList{"Goal", s.sGoal}));
  const auto expectRows = [&](const QString& kind, const QStringList& texts) {
    for (const QString& text : texts) EXPECT_EQ(row(at++), (QStringList{kind, text}));
  };
  expectRows(QStringLiteral("Tangible asset"), Texts(s.sTAssets, s.nTAssets));
  expectRows(QStringLiteral("Intangible asset"), Texts(s.sIAssets, s.nIAssets));
  expectRows(QStringLiteral("Idea"), Texts(s.sIdeas, s.nIdeas));
}

TEST_F(ExportReadersTest, CsvIsUtf8WithCrLfRecordsAndQuotesOnlyWhereNeeded) {
  const QByteArray bytes = ReadFileBytes(Write(ExportFormat::Csv, QStringLiteral("session.csv")));
  EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFRank,Idea,Result,")) << "a byte-order mark, then the header";
  EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
  EXPECT_TRUE(bytes.contains("\r\nIdea,Zażółć gęślą jaźń idea14\r\n")) << "plain text unquoted";
  EXPECT_TRUE(bytes.contains("\r\nIdea,\"He said \"\"yes\"\", then \"\"no\"\" idea1\"\r\n"));
}

// ---------------------------------------------------------------- Markdown

// The blocks cmark finds: headings, list items and paragraphs with their
// text as a reader sees it (markup would show as elements, not text).
struct Block {
  QString kind;
  int level = 0;
  QString text;
  bool operator==(const Block&) const = default;
};
void PrintTo(const Block& block, std::ostream* out) {
  *out << block.kind.toStdString() << ' ' << block.level << ": " << block.text.toStdString();
}

std::vector<Block> CmarkBlocks(const QByteArray& xml,
                               std::vector<std::vector<QStringList>>* tables = nullptr) {
  std::vector<Block> blocks;
  QXmlStreamReader reader(xml);
  QString inBlock;
  int level = 0;
  QString text;
  bool inItem = false;
  QStringList row;
  while (!reader.atEnd()) {
    reader.readNext();
    const QString name = reader.name().toString();
    if (reader.isStartElement()) {
      if (name == QLatin1String("heading")) level = reader.attributes().value(QLatin1String("level")).toInt();
      if (name == QLatin1String("item")) inItem = true;
      if (name == QLatin1String("heading") || name == QLatin1String("paragraph") ||
          name == QLatin1String("table_cell"))
        text.clear();
      if (name == QLatin1String("table") && tables) tables->emplace_back();
      if (name == QLatin1String("table_header") || name == QLatin1String("table_row")) row.clear();
      if (name == QLatin1String("text")) text += reader.readElementText();
      if (name == QLatin1String("softbreak") || name == QLatin1String("linebreak")) text += QLatin1Char('\n');
      if (name == QLatin1String("html_inline") || name == QLatin1String("emph") ||
          name == QLatin1String("strong") || name == QLatin1String("code") || name == QLatin1String("link") ||
          name == QLatin1String("image"))
        text += QStringLiteral("<%1>").arg(name);
    } else if (reader.isEndElement()) {
      if (name == QLatin1String("heading")) blocks.push_back({name, level, text});
      if (name == QLatin1String("paragraph"))
        blocks.push_back({inItem ? QStringLiteral("item") : name, 0, text});
      if (name == QLatin1String("item")) inItem = false;
      if (name == QLatin1String("table_cell")) row << text;
      if ((name == QLatin1String("table_header") || name == QLatin1String("table_row")) && tables)
        tables->back().push_back(row);
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return blocks;
}

TEST_F(ExportReadersTest, MarkdownReadsBackThroughCmark) {
  const QString path = Write(ExportFormat::Markdown, QStringLiteral("session.md"));
  const ReaderRun cmark =
      RunReader(QStringLiteral("cmark"), {QStringLiteral("--to"), QStringLiteral("xml"), path});
  ASSERT_EQ(cmark.exitCode, 0) << cmark.err.toStdString();
  std::vector<Block> blocks = CmarkBlocks(cmark.out);
  // Plain CommonMark reads a table as a paragraph: its text is checked through GFM below.
  for (Block& block : blocks) {
    if (block.kind == QLatin1String("paragraph")) block.text.clear();
  }
  std::vector<Block> expected{{"heading", 1, s.sGoal}, {"heading", 2, "Criteria"}, {"paragraph", 0, {}}};
  const auto list = [&expected](const QString& heading, const QStringList& texts) {
    expected.push_back({"heading", 2, heading});
    for (const QString& text : texts) expected.push_back({"item", 0, text});
  };
  list(QStringLiteral("Tangible assets"), Texts(s.sTAssets, s.nTAssets));
  list(QStringLiteral("Intangible assets"), Texts(s.sIAssets, s.nIAssets));
  list(QStringLiteral("Ideas"), Texts(s.sIdeas, s.nIdeas));
  list(QStringLiteral("Ranking"), {});
  expected.push_back({"paragraph", 0, {}});
  EXPECT_EQ(blocks, expected);
}

TEST_F(ExportReadersTest, MarkdownTablesReadBackThroughGfm) {
  const QString path = Write(ExportFormat::Markdown, QStringLiteral("session.md"));
  const ReaderRun gfm = RunReader(
      QStringLiteral("cmark-gfm"),
      {QStringLiteral("-e"), QStringLiteral("table"), QStringLiteral("--to"), QStringLiteral("xml"), path});
  ASSERT_EQ(gfm.exitCode, 0) << gfm.err.toStdString();
  std::vector<std::vector<QStringList>> tables;
  CmarkBlocks(gfm.out, &tables);
  ASSERT_EQ(tables.size(), 2u);

  const std::vector<QStringList>& criteria = tables[0];
  ASSERT_EQ(criteria.size(), static_cast<std::size_t>(1 + s.nCriteria));
  EXPECT_EQ(criteria[0], (QStringList{"Criterion", "Weight"}));
  for (int c = 1; c <= s.nCriteria; ++c) {
    ASSERT_EQ(criteria[c].size(), 2);
    EXPECT_EQ(criteria[c][0], s.sCriteria[static_cast<std::size_t>(c)]);
    EXPECT_FLOAT_EQ(Number(criteria[c][1]), s.sngWeight[static_cast<std::size_t>(c)]);
  }

  ASSERT_FALSE(tables[1].empty());
  ExpectRanking(tables[1].at(0), {tables[1].begin() + 1, tables[1].end()});
}

// ---------------------------------------------------------------- OPML and FreeMind

// The values xmllint finds for an XPath query of attributes, in document order.
QStringList XPathValues(const QString& file, const QString& query) {
  const ReaderRun xmllint = RunReader(QStringLiteral("xmllint"), {QStringLiteral("--xpath"), query, file});
  // No match is exit code 10 with nothing printed.
  if (xmllint.exitCode == 10) return {};
  EXPECT_EQ(xmllint.exitCode, 0) << query.toStdString() << ": " << xmllint.err.toStdString();
  // xmllint prints each attribute as name="value", escaped as in XML: each
  // line becomes an element of its own, whose value Qt reads unescaped.
  QByteArray wrapped = "<r>";
  for (const QByteArray& line : xmllint.out.split('\n')) {
    if (!line.trimmed().isEmpty()) wrapped += "<a" + line + "/>";
  }
  wrapped += "</r>";
  QStringList values;
  QXmlStreamReader reader(wrapped);
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("a")) {
      values << reader.attributes().at(0).value().toString();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return values;
}

QString XPathString(const QString& file, const QString& query) {
  const ReaderRun xmllint = RunReader(QStringLiteral("xmllint"), {QStringLiteral("--xpath"), query, file});
  EXPECT_EQ(xmllint.exitCode, 0) << query.toStdString();
  return QString::fromUtf8(xmllint.out).chopped(xmllint.out.endsWith('\n') ? 1 : 0);
}

// As the session holds them: single precision.
std::vector<Single> Numbers(const QStringList& texts) {
  std::vector<Single> numbers;
  for (const QString& text : texts) numbers.push_back(text.toFloat());
  return numbers;
}

// The names of one tree's parts, OPML's or FreeMind's.
struct TreeQueries {
  QString root;    // the goal's element
  QString child;   // an element beneath it
  QString text;    // the attribute holding its text
  QString weight;  // the path from a criterion to its weight, a result, a rank, a rating
  QString result;
  QString rank;
  QString rating;
};

void ExpectTreeOfSession(const QString& file, const TreeQueries& q, const SessionContent& s,
                         const EvaluationState& e) {
  const ReaderRun wellFormed = RunReader(QStringLiteral("xmllint"), {QStringLiteral("--noout"), file});
  ASSERT_EQ(wellFormed.exitCode, 0) << wellFormed.err.toStdString();
  const QString goal = q.root;
  const QString section = goal + QLatin1Char('/') + q.child;
  const auto at = [&](int n) { return QStringLiteral("%1[%2]/%3").arg(section).arg(n).arg(q.child); };

  EXPECT_EQ(XPathValues(file, goal + "/@" + q.text), QStringList{s.sGoal});
  EXPECT_EQ(XPathValues(file, section + "/@" + q.text),
            (QStringList{"Criteria", "Tangible assets", "Intangible assets", "Ideas", "Ranking"}));
  EXPECT_EQ(XPathValues(file, at(1) + "/@" + q.text), Texts(s.sCriteria, s.nCriteria));
  EXPECT_EQ(Numbers(XPathValues(file, at(1) + q.weight)), Values(s.sngWeight, s.nCriteria));
  EXPECT_EQ(XPathValues(file, at(2) + "/@" + q.text), Texts(s.sTAssets, s.nTAssets));
  EXPECT_EQ(XPathValues(file, at(3) + "/@" + q.text), Texts(s.sIAssets, s.nIAssets));
  EXPECT_EQ(XPathValues(file, at(4) + "/@" + q.text), Texts(s.sIdeas, s.nIdeas));

  // The evaluated ideas carry their result, the others none.
  const QString evaluated = at(4) + "[." + q.result + "]";
  const QStringList evaluatedIdeas = XPathValues(file, evaluated + "/@" + q.text);
  const std::vector<Single> evaluatedResults = Numbers(XPathValues(file, evaluated + q.result));
  EXPECT_EQ(evaluatedIdeas, Texts(s.sIdeas, e.nEvalIdeas));
  ASSERT_EQ(evaluatedResults.size(), static_cast<std::size_t>(e.nEvalIdeas));
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    const QString& idea = e.sEvalIdeas[static_cast<std::size_t>(i)];
    const qsizetype listed = evaluatedIdeas.indexOf(idea);
    ASSERT_GE(listed, 0);
    EXPECT_FLOAT_EQ(evaluatedResults[static_cast<std::size_t>(listed)],
                    e.sngResultB[static_cast<std::size_t>(i)]);
  }

  EXPECT_EQ(XPathValues(file, at(5) + "/@" + q.text), Texts(e.sEvalIdeas, e.nEvalIdeas));
  EXPECT_EQ(Numbers(XPathValues(file, at(5) + q.result)), Values(e.sngResultB, e.nEvalIdeas));
  EXPECT_EQ(Numbers(XPathValues(file, at(5) + q.rank)).back(), e.nEvalIdeas);
  // Every rating, idea by idea in ranked order, in the order of the criteria.
  const QStringList ratings = XPathValues(file, at(5) + q.rating);
  ASSERT_EQ(ratings.size(), e.nEvalIdeas);
  for (int i = 1; i <= e.nEvalIdeas; ++i) {
    const QString& idea = e.sEvalIdeas[static_cast<std::size_t>(i)];
    EXPECT_EQ(Numbers(ratings[i - 1].split(QLatin1Char(' '))), RatingsOf(s, e, idea)) << idea.toStdString();
  }
}

TEST_F(ExportReadersTest, OpmlReadsBackThroughXmllint) {
  const QString path = Write(ExportFormat::Opml, QStringLiteral("session.opml"));
  EXPECT_EQ(XPathString(path, QStringLiteral("string(/opml/@version)")), QStringLiteral("2.0"));
  EXPECT_EQ(XPathString(path, QStringLiteral("string(/opml/head/title)")), s.sGoal);
  EXPECT_EQ(XPathString(path, QStringLiteral("count(/opml/body/outline)")), QStringLiteral("1"));
  ExpectTreeOfSession(
      path, {"/opml/body/outline", "outline", "text", "/@weight", "/@result", "/@rank", "/@ratings"}, s, e);
}

TEST_F(ExportReadersTest, FreeMindReadsBackThroughXmllint) {
  const QString path = Write(ExportFormat::FreeMind, QStringLiteral("session.mm"));
  EXPECT_TRUE(ReadFileBytes(path).startsWith("<map version=\"1.0.1\">")) << "as mind-map programs expect it";
  EXPECT_EQ(XPathString(path, QStringLiteral("count(/map/node)")), QStringLiteral("1"));
  ExpectTreeOfSession(
      path,
      {"/map/node", "node", "TEXT", "/attribute[@NAME='Weight']/@VALUE", "/attribute[@NAME='Result']/@VALUE",
       "/attribute[@NAME='Rank']/@VALUE", "/attribute[@NAME='Ratings']/@VALUE"},
      s, e);
}

}  // namespace
}  // namespace quillane::test
