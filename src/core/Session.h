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

// One brainstorming session: its content, its files, the settings and the
// constants. The application owns exactly one. The run state of each
// technique lives with its feature, and its owner resets it. Nothing here
// carries a result from one procedure to another: dialogs and file
// procedures return what happened.
struct Session : SessionContent {
  // Files and change tracking.
  QString sWorkfile;
  QString sReportFile;
  QString sPlanFile;
  Flag bChanged = false;

  // Settings, read at start-up and written on the way out.
  Integer nAutoBackup = 0;
  Integer nAutoBackupTime = 0;
  QString sTextEditor;
  Flag bHelpAtStartup = false;
  Integer nLanguage = 0;
  // When the backup interval began, on the monotonic clock in milliseconds,
  // so that midnight changes nothing.
  qint64 lBackupTime = 0;

  // Constants, set once at start-up.
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
