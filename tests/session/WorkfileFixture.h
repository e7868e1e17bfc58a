#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <initializer_list>
#include <optional>

#include "core/Session.h"
#include "core/SessionDocument.h"
#include "evaluation/Evaluation.h"
#include "files/CodePage.h"
#include "resources/Texts.h"
#include "session/QuietEdits.h"
#include "session/Workfile.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/ScriptedPlatform.h"

namespace quillane::test {

// Everything an open may change, and slots beyond the counts too, so a
// comparison also notices a stray write.
struct OpenState {
  SessionContent content;
  QString sWorkfile;
  Flag bChanged;
  bool operator==(const OpenState&) const = default;
};

inline OpenState ContentOf(const SessionDocument& document) {
  OpenState state{document.content(), document.workfile(), document.isModified()};
  // A copy of its own: the document wipes a password it gives up in every
  // copy that shares its characters.
  const QString& password = document.content().sPassword;
  state.content.sPassword = QString(password.constData(), password.size());
  return state;
}

// A workfile of these lines, each ended as the program ends it.
inline QByteArray Lines(std::initializer_list<QByteArray> lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}
inline const QByteArray kStart = "{***Quillane start***}";
inline const QByteArray kEnd = "{***Quillane end***}";

// Every character a text box takes: codes 32 to 255 of the code page.
inline QString PrintableCodePage() {
  QByteArray bytes;
  for (int code = 32; code < 256; ++code) bytes.append(static_cast<char>(code));
  return DecodeCodePage(bytes);
}

// A session of `criteria` criteria, `assets` assets of each kind and `ideas`
// ideas, with quotes, commas and letters beyond ASCII. The first ideas hold
// every printable character in pieces of 80, each piece nine times, so each
// piece is scrambled with every key when the keys go round.
inline void FillSession(SessionContent& s, int criteria, int assets, int ideas) {
  s.sGoal = QString::fromUtf8("Double our \"reach\", in \xE2\x82\xAC and \xC2\xA3");
  s.nCriteria = static_cast<Integer>(criteria);
  for (int i = 1; i <= criteria; ++i) {
    s.sCriteria[i] = QStringLiteral("Criterion %1, \"quoted\"").arg(i);
    s.sngWeight[i] = 9.0f * static_cast<float>(criteria + 1 - i) / static_cast<float>(criteria);
  }
  s.nTAssets = s.nIAssets = static_cast<Integer>(assets);
  for (int i = 1; i <= assets; ++i) {
    s.sTAssets[i] = QString::fromUtf8("Tangible %1 \xC3\xA6\xC3\xB8\xC3\xA5 \xC3\xBF").arg(i);
    s.sIAssets[i] = QStringLiteral("Intangible %1, ,, \"\"").arg(i);
  }
  const QString all = PrintableCodePage();
  s.nIdeas = static_cast<Integer>(ideas);
  for (int i = 1; i <= ideas; ++i) {
    const int piece = (i - 1) / 9;
    s.sIdeas[i] = piece * 80 < all.size() ? all.mid(piece * 80, 80) : QStringLiteral("Idea %1, ~}|").arg(i);
  }
}

// A program with an empty session whose files live in a temporary folder.
class WorkfileTest : public ::testing::Test {
 protected:
  WorkfileTest()
      : parts(MakeParts(platform, folder.path())), document(parts->document), s(document.content()) {
    parts->dataFolder = folder.filePath(QStringLiteral("data"));
    QObject::connect(&parts->status, &StatusLine::panelTextChanged,
                     [this](const QString& text) { panelTexts << text; });
  }

  // Changes the session's content as a starting point (QuietEdits.h).
  void Change(const std::function<void(SessionContent&)>& change) { ChangeContent(document, change); }

  QString PathOf(const QString& name) const { return folder.filePath(name); }

  // Saves under `path` through the Save As dialog.
  FileOutcome SaveAs(const QString& path) {
    platform.ChooseFile(path);
    return Save(SaveMode::kSaveAs);
  }
  FileOutcome Save(SaveMode mode) {
    return SaveWorkfile(document, parts->states.evaluation, parts->prompter, platform, parts->status,
                        parts->constants, parts->fileWork, mode);
  }

  // Opens `path` (none: the file dialog is cancelled); the password dialog,
  // if it is shown, gets `typed` or is cancelled when `typed` is empty.
  FileOutcome Open(const std::optional<QString>& path, std::optional<QString> typed = std::nullopt) {
    platform.ChooseFile(path);
    return OpenWorkfile(document, parts->states.evaluation, parts->prompter, platform, parts->status,
                        parts->constants, parts->fileWork, [this, typed](Protection) {
                          ++passwordDialogs;
                          EXPECT_EQ(parts->fileWork, 0) << "the backup goes on while the prompt waits";
                          return typed;
                        });
  }

  // The message that refuses `path` as no workfile.
  QString NotAWorkfile(const QString& path) const {
    return QDir::toNativeSeparators(path) + QLatin1Char('\r') + Text(514) + parts->constants.sProduct +
           Text(515);
  }

  // Opens `path` with `typed` as the password if one is asked, expecting the
  // one message `text` of style `flags` and the session, its workfile and
  // its evaluation unchanged.
  void ExpectNotOpened(const QString& path, const QString& typed, const QString& text, int flags = 48) {
    const OpenState before = ContentOf(document);
    const auto evaluation = KeptEvaluation();
    platform.messages.clear();
    platform.AnswerNext(Answer::Ok);
    EXPECT_EQ(Open(path, typed), FileOutcome::Failed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, text);
    EXPECT_EQ(platform.messages[0].flags, flags);
    EXPECT_TRUE(ContentOf(document) == before) << "the session must stay as it was";
    EXPECT_TRUE(parts->states.evaluation == *evaluation);
  }
  void ExpectRefusedFile(const QString& path) {
    ExpectNotOpened(path, QStringLiteral("AB"), NotAWorkfile(path));
  }

  EvaluationState& evaluation() { return parts->states.evaluation; }
  // A copy of the evaluation, off the stack.
  std::unique_ptr<EvaluationState> KeptEvaluation() {
    return std::make_unique<EvaluationState>(evaluation());
  }

  // Picks these ideas of the session and rates them through the
  // evaluation's own steps, criteria inside ideas.
  void Evaluate(std::initializer_list<int> ideas) {
    EvaluationState& e = evaluation();
    e.nEvalIdeas = 0;
    for (int idea : ideas) e.sEvalIdeas[static_cast<std::size_t>(++e.nEvalIdeas)] = s.sIdeas[idea];
    StartEvaluation(e);
    int rating = 0;
    while (RecordRating(s, e, (rating * 7 + 3) % 11)) ++rating;
  }

  QTemporaryDir folder;
  ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts;
  SessionDocument& document;
  const SessionContent& s;  // the document's content
  int passwordDialogs = 0;
  QStringList panelTexts;  // every text the status bar's panel showed
};

}  // namespace quillane::test
