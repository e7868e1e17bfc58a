#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "evaluation/EvaluationState.h"
#include "reports/ConciseReport.h"
#include "reports/LineWriter.h"
#include "reports/PlanFile.h"
#include "reports/SessionReport.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"

namespace quillane::test {

inline QByteArray Blanks(int count) {
  return QByteArray(count, ' ');
}

// The user's decimal separator, as the numbers of every output use it.
inline QByteArray DecimalPoint() {
  return QLocale::system().decimalPoint().toLatin1();
}

// A small finished session on 3 December 2026: two rated criteria, no
// tangible assets, three ideas of which two were evaluated.
class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : parts(MakeParts(platform, folder.path())) {
    platform.printFolder = folder.path();
    platform.today = QDate(2026, 12, 3);
    parts->settings.nLanguage = 1;
    parts->settings.sTextEditor = QStringLiteral(QUILLANE_SOURCE_DIR "/app/main.cpp");  // any file there is
    s.sGoal = QStringLiteral("Faster delivery");
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed"});
    s.sngWeight = {0, 9.0f, 4.5f};
    Fill(s.sIAssets, s.nIAssets, {"Goodwill"});
    Fill(s.sIdeas, s.nIdeas, {"Drones", "Night shifts", "Bikes"});
    Fill(e.sEvalIdeas, e.nEvalIdeas, {"Bikes", "Drones"});
    e.sngResultB = {0, 9.0f, 0.5f};
    e.sEvalIdeas[3] = QStringLiteral("Stale");  // beyond the count: never read
  }

  QString PathOf(const QString& name) const { return folder.filePath(name); }

  // The commands of the main window, on this session in the heading language of the settings.
  using WriteCommand = FileOutcome (*)(const SessionContent&, int, const EvaluationState&, OutputFiles&,
                                       Prompter&, Platform&, StatusLine&, const Constants&, RunEvents&, int&);
  FileOutcome Run(WriteCommand command) {
    return command(s, parts->settings.nLanguage, e, outputs(), parts->prompter, platform, parts->status,
                   parts->constants, parts->events, parts->fileWork);
  }
  void Print() {
    PrintConciseReport(s, parts->settings.nLanguage, e, platform, parts->status, parts->events);
  }
  OutputFiles& outputs() { return parts->states.outputs; }

  QTemporaryDir folder;
  ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts;
  std::unique_ptr<SessionContent> content = std::make_unique<SessionContent>();
  SessionContent& s = *content;  // the session the outputs are made of
  EvaluationState e;             // the ranked ideas the writers read
};

}  // namespace quillane::test
