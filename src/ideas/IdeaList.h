#pragma once

#include <QString>

#include "core/Session.h"

namespace quillane {

class Program;

inline constexpr int kMinIdeaLength = 3;

// Appends an idea when the list has room and the text has at least three
// characters; at a milestone count it plays the milestone sound and shows
// the encouragement. Opens up the commands that need ideas and marks the
// session changed. The caller learns nothing of whether the idea was taken.
void AddIdea(Program& program, const QString& text);

// The encouragement for an idea count, addressed to `name` ("" for most counts).
QString EncouragementFor(const QString& name, int count);

// The first name the encouragements use: the first word of the account's
// full name, or the login name when the account has no full name.
QString FirstNameOf(const QString& fullName, const QString& loginName);

// The idea meter's bar in twips: it grows upwards from a fixed bottom edge
// and fills the panel's inner height at the list's capacity.
struct MeterBar {
  double top;
  double height;
};
MeterBar IdeaMeterBar(int ideaCount);

}  // namespace quillane
