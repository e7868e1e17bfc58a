#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "core/Program.h"
#include "core/Session.h"
#include "session/Constants.h"
#include "session/Workfile.h"
#include "support/ScriptedPlatform.h"

namespace quillane::test {

// Everything an open may change, and slots beyond the counts too, so a
// comparison also notices a stray write.
struct OpenState {
  QString sGoal;
  Integer nCriteria, nTAssets, nIAssets, nIdeas;
  TextList<kMaxCriteria> sCriteria;
  std::array<Single, kMaxCriteria + 1> sngWeight;
  TextList<kMaxAssets> sTAssets, sIAssets;
  TextList<kMaxIdeas> sIdeas;
  Flag bPassword;
  QString sPassword;
  QString sWorkfile;
  Flag bChanged;
  bool operator==(const OpenState&) const = default;
};

inline OpenState ContentOf(const Session& s) {
  return {s.sGoal,    s.nCriteria, s.nTAssets, s.nIAssets,  s.nIdeas,    s.sCriteria, s.sngWeight,
          s.sTAssets, s.sIAssets,  s.sIdeas,   s.bPassword, s.sPassword, s.sWorkfile, s.bChanged};
}

// A program with an empty session whose files live in a temporary folder.
class WorkfileTest : public ::testing::Test {
 protected:
  WorkfileTest() : program(platform), s(program.session) {
    LoadConstants(s, folder.path());
    program.dataFolder = folder.filePath(QStringLiteral("data"));
  }

  QString PathOf(const QString& name) const { return folder.filePath(name); }

  static QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }
  static void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

  // Saves under `path` through the Save As dialog.
  FileOutcome SaveAs(const QString& path) {
    platform.ChooseFile(path);
    return SaveWorkfile(program, SaveMode::kSaveAs);
  }

  // Opens `path`; the password dialog, if it is shown, gets `typed` or is
  // cancelled when `typed` is empty.
  FileOutcome Open(const QString& path, std::optional<QString> typed = std::nullopt) {
    platform.ChooseFile(path);
    return OpenWorkfile(program, [this, typed] {
      ++passwordDialogs;
      EXPECT_EQ(program.fileWork, 1) << "the open counts as file work while it asks";
      return typed;
    });
  }

  QTemporaryDir folder;
  ScriptedPlatform platform;
  Program program;
  Session& s;
  int passwordDialogs = 0;
};

}  // namespace quillane::test
