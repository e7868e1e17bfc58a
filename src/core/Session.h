#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace quillane {

// Value types of the session variables. Integer counts are 16-bit, Long is
// 32-bit, weights and results are single precision, every intermediate double.
using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
// Flags are plain booleans; the workfile writes them as -1 and 0.
using Flag = bool;

// Capacities of the lists. Slot 0 of every list stays unused.
inline constexpr int kMaxCriteria = 100;
inline constexpr int kMaxAssets = 100;
inline constexpr int kMaxIdeas = 200;
inline constexpr int kMaxWords = 71;
inline constexpr int kMaxTextLength = 80;

template <int Capacity>
using TextList = std::array<QString, Capacity + 1>;

// Answers of the message box, as the questions compare them.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// What a workfile keeps: the goal, the criteria with their weights, the
// two asset lists, the ideas and the password. New Session empties it by
// assigning an empty value; the automatic backup writes a copy of it.
//
// Names follow the program's design documents, so the code traces to them.
// Prefixes: s text, n count (16-bit), sng single precision, dbl double,
// l long, b flag, v answer or mixed value; widgets: fra frame, cmd button,
// chk toggle button, lbl label, txt text box, lst list, sli slider, pic and
// img pictures, tmr timer.
struct SessionContent {
  QString sGoal;
  Integer nCriteria = 0;
  TextList<kMaxCriteria> sCriteria;
  std::array<Single, kMaxCriteria + 1> sngWeight{};
  Integer nTAssets = 0;
  TextList<kMaxAssets> sTAssets;
  Integer nIAssets = 0;
  TextList<kMaxAssets> sIAssets;
  Integer nIdeas = 0;
  TextList<kMaxIdeas> sIdeas;
  Flag bPassword = false;
  QString sPassword;

  bool operator==(const SessionContent&) const = default;
};

// The whole state of one brainstorming session: its content, the working
// state of the techniques, its files, the settings and the constants. The
// application owns exactly one. Nothing here carries a result from one
// procedure to another: dialogs and file procedures return what happened.
struct Session : SessionContent {
  // B. Working state, reset by New Session.
  double vRating = 0;  // the share one comparison hands out; 0 until the first pair
  Integer nRateA = 0;
  Integer nRateB = 0;
  Integer nSuggestA = 0;
  Integer nSuggestB = 0;
  Integer nSuggestPrevA = 0;
  Integer nSuggestPrevB = 0;
  Integer nPairA = 0;
  Integer nPairB = 0;
  Integer nPairPrevA = 0;
  Integer nPairPrevB = 0;
  Integer nActions = 0;
  Integer nObjects = 0;
  TextList<kMaxWords> sActions;
  TextList<kMaxWords> sObjects;
  Integer nMindStep = 0;
  TextList<kMaxIdeas> sMindStep;
  Integer nMindStepPos = 0;
  Integer nCluster = 0;
  TextList<kMaxIdeas> sCluster;
  Integer nEvalIdeas = 0;
  TextList<kMaxIdeas> sEvalIdeas;
  Integer nEvalIdea = 0;
  Integer nEvalCrit = 0;
  std::array<std::array<Single, kMaxCriteria + 1>, kMaxIdeas + 1> sngScore{};
  std::array<std::array<double, kMaxCriteria + 1>, kMaxIdeas + 1> dblScoreW{};
  std::array<double, kMaxIdeas + 1> dblTotal{};
  std::array<Single, kMaxIdeas + 1> sngResultA{};
  std::array<Single, kMaxIdeas + 1> sngResultB{};

  // I Ching working tables: program state, untouched by New Session.
  std::array<Integer, 66> nIChingNum{};
  TextList<65> sIChingText;
  std::array<Integer, 7> nIChingA{};
  std::array<Integer, 7> nIChingB{};
  std::array<Integer, 6> nIChingScroll{};
  Integer nIChingWork = 0;
  Integer nIChingLine = 0;
  Integer nIChingFrame = 0;
  Flag bIChingFlag = false;

  // Working texts of the report writers: program state as well.
  std::array<QString, 5> sLangText;
  std::array<Integer, 5> nLangValue{};
  std::array<QString, 5> sLangDate;
  QString sDateWork;
  QString sMonthName;

  // C. Files and change tracking.
  QString sWorkfile;
  QString sReportFile;
  QString sPlanFile;
  Flag bChanged = false;

  // D. Settings, read at start-up and written on the way out.
  Integer nAutoBackup = 0;
  Integer nAutoBackupTime = 0;
  QString sTextEditor;
  Flag bHelpAtStartup = false;
  Integer nLanguage = 0;
  // When the backup interval began, on the monotonic clock in milliseconds,
  // so that midnight changes nothing.
  qint64 lBackupTime = 0;

  // E. Constants, set once at start-up.
  QString sAppPath;
  QString sProduct;
  QString sVersion;
  QString sTitle;
  QString sUntitled;
  QString sHelpName;
  QString sDataName;
  QString sStartMarker;
  QString sEndMarker;
  QString sMsgSaving;
  QString sMsgLoading;
  QString sMsgAutoBackup;
  QString sUserFirstName;
};

}  // namespace quillane
