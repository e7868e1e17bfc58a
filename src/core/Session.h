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

// The whole state of one brainstorming session and the values the windows
// share. The application owns exactly one; every procedure receives it.
struct Session {
  // A. Session content, kept in the workfile.
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
  Flag bMindStepPick = false;
  Integer nCluster = 0;
  TextList<kMaxIdeas> sCluster;
  Flag bClusterPick = false;
  Integer nEvalIdeas = 0;
  TextList<kMaxIdeas> sEvalIdeas;
  Integer nEvalIdea = 0;
  Integer nEvalCrit = 0;
  Flag bEvalPick = false;
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
  QString sFileName;
  QString sFilterName;
  QString sFilterExt;
  QString sReportFile;
  QString sPlanFile;
  Flag bChanged = false;

  // D. Settings, read at start-up and written on the way out.
  Integer nAutoBackup = 0;
  Integer nAutoBackupTime = 0;
  QString sTextEditor;
  Flag bHelpAtStartup = false;
  Integer nLanguage = 0;
  Long lBackupTime = 0;

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

  // F. Transient values shared between windows.
  Flag bCancel = false;
  Flag bEditMode = false;
  Flag bMenuBusy = false;
  Flag bViewShown = false;
  QString sPasswordEntry;
  int vAnswer = 0;
  int vMsgButtons = 0;
  QString vMessage;
};

}  // namespace quillane
