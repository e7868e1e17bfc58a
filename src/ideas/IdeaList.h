#pragma once

#include <QString>

#include "core/Session.h"

namespace quillane {

class Platform;
class SessionDocument;
struct Constants;

inline constexpr int kMinIdeaLength = 3;

// True when `text` is long enough to be an idea.
bool LongEnoughForIdea(const QString& text);

// Appends an idea when the list has room and the text has at least three
// characters. The caller learns nothing of whether the idea was taken; the
// document tells its followers (the meter, the encouragement, the commands).
void AddIdea(SessionDocument& document, const QString& text);
// Appends the texts long enough to be ideas, as many as the list has room
// for, as one addition (one encouragement at most); returns how many.
int AddIdeas(SessionDocument& document, const QStringList& texts);

// The highest milestone count above `before` and up to `now`; 0 for none.
// A batch of ideas that passes several milestones is cheered for the last.
int MilestoneReached(int before, int now);

enum class Encouragement {
  ForNewIdea,     // with the milestone sound
  ForEditedIdea,  // an edited idea repeats the count's message, silently
};

// At a milestone idea count, the encouragement addressed to the user; ""
// at any other count. A new idea's also plays the milestone sound.
QString EncourageAt(int ideaCount, Encouragement kind, Platform& platform, const Constants& constants);

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
