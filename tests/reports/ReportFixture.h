#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/Program.h"
#include "evaluation/EvaluationState.h"
#include "reports/LineWriter.h"
#include "session/Constants.h"
#include "support/Files.h"
#include "support/Lists.h"
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
  ReportTest() : program(platform), s(program.session) {
    LoadConstants(s, folder.path());
    platform.printFolder = folder.path();
    platform.today = QDate(2026, 12, 3);
    s.nLanguage = 1;
    s.sTextEditor = QStringLiteral(QUILLANE_SOURCE_DIR "/app/main.cpp");  // any file that exists
    s.sGoal = QStringLiteral("Faster delivery");
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed"});
    s.sngWeight[1] = 9.0f;
    s.sngWeight[2] = 4.5f;
    Fill(s.sIAssets, s.nIAssets, {"Goodwill"});
    Fill(s.sIdeas, s.nIdeas, {"Drones", "Night shifts", "Bikes"});
    Fill(e.sEvalIdeas, e.nEvalIdeas, {"Bikes", "Drones"});
    e.sngResultB[1] = 9.0f;
    e.sngResultB[2] = 0.5f;
    e.sEvalIdeas[3] = QStringLiteral("Stale");  // beyond the count: never read
  }

  QString PathOf(const QString& name) const { return folder.filePath(name); }
  static QByteArray ReadBytes(const QString& path) { return ReadFileBytes(path); }

  QTemporaryDir folder;
  ScriptedPlatform platform;
  Program program;
  Session& s;
  EvaluationState e;  // the ranked ideas the writers read
};

}  // namespace quillane::test
