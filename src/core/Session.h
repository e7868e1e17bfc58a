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
using WeightList = std::array<Single, kMaxCriteria + 1>;

// The two lists of assets.
enum class AssetKind { Tangible, Intangible };

// How a password protects the workfile.
enum class Protection {
  // The original format: the text is letter-shifted and the password, in
  // capitals, is kept in the file. It keeps out the casual reader only.
  LetterShift,
  // The text is encrypted under a key the password gives; the file keeps
  // no password. Letter case counts.
  Encrypted,
};

// The longest password of each protection.
inline constexpr int kMaxLetterShiftPassword = 15;
inline constexpr int kMaxPassphrase = 256;

// What a workfile keeps: the goal, the criteria with their weights, the
// two asset lists, the ideas and the password. The session document owns
// it and changes it only through its writers; the automatic backup writes
// a copy of it.
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
  WeightList sngWeight{};
  Integer nTAssets = 0;
  TextList<kMaxAssets> sTAssets;
  Integer nIAssets = 0;
  TextList<kMaxAssets> sIAssets;
  Integer nIdeas = 0;
  TextList<kMaxIdeas> sIdeas;
  Flag bPassword = false;
  QString sPassword;
  Protection protection = Protection::LetterShift;  // when bPassword

  bool operator==(const SessionContent&) const = default;
};

// True when the session's workfile is encrypted: protected, and not in the
// letter-shift format.
inline bool IsEncrypted(const SessionContent& s) {
  return s.bPassword && s.protection == Protection::Encrypted;
}

}  // namespace quillane
