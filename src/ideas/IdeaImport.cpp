#include "ideas/IdeaImport.h"

#include <QDir>

#include "core/Prompter.h"
#include "core/SessionDocument.h"
#include "files/TextEncoding.h"
#include "ideas/IdeaFile.h"
#include "ideas/IdeaList.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

int MessageOf(IdeaFileRead result) {
  switch (result) {
    case IdeaFileRead::Missing: return 3124;
    case IdeaFileRead::Unreadable: return 3125;
    case IdeaFileRead::TooLarge: return 3187;
    case IdeaFileRead::Doctype: return 3188;
    case IdeaFileRead::Damaged:
    case IdeaFileRead::Done: break;
  }
  return 3186;
}

}  // namespace

IdeaImportPlan PlanIdeaImport(const QStringList& items, int ideaCount) {
  IdeaImportPlan plan;
  const int room = std::max(0, kMaxIdeas - ideaCount);
  for (const QString& item : items) {
    if (!LongEnoughForIdea(item)) {
      ++plan.tooShort;
    } else if (CharacterCount(item) > kMaxTextLength) {
      ++plan.tooLong;
    } else if (plan.toAdd.size() >= room) {
      ++plan.noRoom;
    } else {
      plan.toAdd << item;
    }
  }
  return plan;
}

namespace {

// What is left out and why, a line each.
QStringList LeftOutLines(const IdeaImportPlan& plan) {
  if (plan.leftOut() == 0) return {};
  QStringList lines{plan.leftOut() == 1 ? Text(3190) : Text(3180).arg(plan.leftOut())};
  const std::pair<int, int> reasons[] = {{plan.tooShort, 3181}, {plan.tooLong, 3182}, {plan.noRoom, 3183}};
  for (const auto& [count, text] : reasons) {
    if (count > 0) lines << QStringLiteral("- ") + Text(text).arg(count);
  }
  return lines;
}

}  // namespace

QString IdeaImportQuestion(const IdeaImportPlan& plan) {
  QStringList lines{plan.toAdd.size() == 1 ? Text(3189) : Text(3179).arg(plan.toAdd.size())};
  if (plan.leftOut() > 0) lines << QString() << LeftOutLines(plan);
  lines << QString() << Text(3184);
  return lines.join(QLatin1Char('\r'));
}

FileOutcome ImportIdeas(SessionDocument& document, Prompter& prompter, const QString& startFolder) {
  const QString filter = Text(3178) + QStringLiteral(" (*.txt *.md *.markdown *.csv *.opml *.mm)");
  const QString start =
      startFolder.isEmpty() ? QString() : QDir(startFolder).absolutePath() + QLatin1Char('/');
  const auto chosen = prompter.ChooseFileName(FileDialogMode::Open, filter, Text(3102), start);
  if (!chosen) return FileOutcome::Cancelled;

  const IdeaItems read = ReadIdeaFile(*chosen);
  if (read.result != IdeaFileRead::Done) {
    prompter.Tell(*chosen + QLatin1Char('\r') + Text(MessageOf(read.result)),
                  MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  const IdeaImportPlan plan = PlanIdeaImport(read.items, document.content().nIdeas);
  if (plan.toAdd.isEmpty()) {
    const QStringList told = QStringList{*chosen, Text(3185)} + LeftOutLines(plan);
    prompter.Tell(told.join(QLatin1Char('\r')), MsgButtons::OkOnly + MsgIcon::Exclamation);
    return FileOutcome::Failed;
  }
  if (prompter.Ask(IdeaImportQuestion(plan), MsgButtons::YesNo + MsgIcon::Question) != Answer::Yes) {
    return FileOutcome::Cancelled;
  }
  // The plan has left out what a typed idea could not be.
  document.AddIdeas(plan.toAdd);
  return FileOutcome::Done;
}

}  // namespace quillane
