#include "ideas/IdeaList.h"

#include <QDir>

#include "core/Constants.h"
#include "core/SessionDocument.h"
#include "files/FileChoice.h"
#include "files/TextEncoding.h"
#include "platform/Platform.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

enum class Shape { A, B, C, D };

struct Milestone {
  int count;
  Shape shape;
  int exclamation;  // text number, 0 for none
  int milestone;    // text number, 0 for none
};

constexpr Milestone kMilestones[] = {
    {10, Shape::A, 400, 420},  {20, Shape::A, 401, 421},  {30, Shape::A, 402, 422},
    {40, Shape::A, 403, 423},  {50, Shape::A, 404, 424},  {60, Shape::A, 405, 425},
    {70, Shape::B, 406, 426},  {80, Shape::A, 407, 427},  {90, Shape::A, 408, 428},
    {100, Shape::A, 409, 429}, {110, Shape::A, 410, 430}, {120, Shape::C, 411, 0},
    {130, Shape::A, 412, 431}, {140, Shape::A, 413, 432}, {150, Shape::A, 414, 433},
    {160, Shape::D, 0, 434},   {170, Shape::A, 415, 435}, {180, Shape::A, 416, 436},
    {190, Shape::C, 417, 0},   {195, Shape::A, 418, 437}, {200, Shape::C, 419, 0},
};

constexpr double kMeterInnerHeight = 3135.0;
constexpr double kMeterTopMargin = 120.0;

}  // namespace

QString EncouragementFor(const QString& name, int count) {
  for (const Milestone& m : kMilestones) {
    if (m.count != count) continue;
    switch (m.shape) {
      case Shape::A:
        return Text(m.exclamation) + QLatin1Char(' ') + name + QStringLiteral(", ") + Text(m.milestone);
      case Shape::B:
        return Text(m.exclamation) + QLatin1Char(' ') + name + QStringLiteral(": ") + Text(m.milestone);
      case Shape::C: return Text(m.exclamation) + QLatin1Char(' ') + name + QLatin1Char('!');
      case Shape::D: return name + QStringLiteral(", ") + Text(m.milestone);
    }
  }
  return QString();
}

bool LongEnoughForIdea(const QString& text) {
  return CharacterCount(text) >= kMinIdeaLength;
}

void AddIdea(SessionDocument& document, const QString& text) {
  AddIdeas(document, {text});
}

int AddIdeas(SessionDocument& document, const QStringList& texts) {
  QStringList ideas;
  for (const QString& text : texts) {
    if (LongEnoughForIdea(text)) ideas << text;
  }
  return document.AddIdeas(ideas);
}

int MilestoneReached(int before, int now) {
  int reached = 0;
  for (const Milestone& m : kMilestones) {
    if (m.count > before && m.count <= now) reached = m.count;
  }
  return reached;
}

QString EncourageAt(int ideaCount, Encouragement kind, Platform& platform, const Constants& constants) {
  const QString encouragement = EncouragementFor(constants.sUserFirstName, ideaCount);
  if (encouragement.isEmpty() || kind == Encouragement::ForEditedIdea) return encouragement;
  const QString sound = QDir(constants.sAppPath).filePath(Text(119));
  if (FileExists(sound)) platform.PlaySound(sound);
  return encouragement;
}

QString FirstNameOf(const QString& fullName, const QString& loginName) {
  const QString first = fullName.simplified().section(QLatin1Char(' '), 0, 0);
  return first.isEmpty() ? loginName : first;
}

MeterBar IdeaMeterBar(int ideaCount) {
  const double height = kMeterInnerHeight / kMaxIdeas * ideaCount;
  return {kMeterInnerHeight - height + kMeterTopMargin, height};
}

}  // namespace quillane
