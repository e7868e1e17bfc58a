// docs/exports holds one export of each format, made by the real writers
// from the README's example session (the bakery). This keeps them current:
// run with QUILLANE_WRITE_EXPORT_EXAMPLES=1 to write them anew.
#include <gtest/gtest.h>

#include "reports/ExportCommand.h"
#include "reports/ExportView.h"
#include "support/ExportSession.h"
#include "support/Files.h"

namespace quillane::test {
namespace {

TEST(ExportExamplesTest, DocsHoldTheExportsOfTheExampleSession) {
  SessionContent s;
  s.sGoal = QStringLiteral("Open a small bakery in town");
  Fill(s.sCriteria, s.nCriteria, {"Low cost", "Quick start", "Fun to run"});
  s.sngWeight = {0, 9.0f, 7.5f, 5.0f};
  Fill(s.sTAssets, s.nTAssets, {"Old van", "Big oven"});
  Fill(s.sIAssets, s.nIAssets, {"Baking skill", "Friendly staff"});
  Fill(s.sIdeas, s.nIdeas, {"Sell bread from the van", "Bake pizza at night"});
  auto e = std::make_unique<EvaluationState>();
  Fill(e->sEvalIdeas, e->nEvalIdeas, {"Bake pizza at night", "Sell bread from the van"});
  StartEvaluation(*e);
  for (int rating : {6, 4, 5, 8, 7, 6}) RecordRating(s, *e, rating);
  ASSERT_TRUE(e->bRanked);
  ASSERT_EQ(e->sngResultB[2], 6.3f) << "the ranking of the README's session";

  const QString folder = QStringLiteral(QUILLANE_SOURCE_DIR "/../docs/exports/");
  const bool write = qEnvironmentVariableIsSet("QUILLANE_WRITE_EXPORT_EXAMPLES");
  for (const char* extension : {"md", "csv", "opml", "mm"}) {
    const QString path = folder + QStringLiteral("bakery.") + QLatin1String(extension);
    const QByteArray bytes = ExportBytes(FormatOfFile(path), MakeExportView(s, *e), QStringLiteral("."));
    if (write) WriteFileBytes(path, bytes);
    EXPECT_EQ(ReadFileBytes(path), bytes) << path.toStdString() << " is out of date";
  }
}

}  // namespace
}  // namespace quillane::test
