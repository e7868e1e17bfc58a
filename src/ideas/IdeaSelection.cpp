#include "ideas/IdeaSelection.h"

#include "core/Program.h"
#include "criteria/CriteriaList.h"
#include "ideas/IdeaList.h"
#include "platform/Platform.h"

namespace quillane {

int PickRefusal(IdeaPick pick, int picked) {
  switch (pick) {
    case IdeaPick::MindStepping:
    case IdeaPick::Clustering: return picked == 0 ? 505 : 0;
    case IdeaPick::Evaluation: return picked < 2 ? 508 : 0;
    case IdeaPick::None: break;
  }
  return 0;
}

void StorePick(std::span<QString> list, Integer& count, const QStringList& picked) {
  StoreListEntries(list, picked);
  count = static_cast<Integer>(picked.size());
}

void StoreIdeas(Session& s, const QStringList& ideas) {
  StorePick(s.sIdeas, s.nIdeas, ideas);
  s.bChanged = true;
}

void ReplaceIdea(Program& program, int position, const QString& text) {
  Session& s = program.session;
  if (position < 1 || position > s.nIdeas) return;  // nothing current: nothing to replace
  s.sIdeas[static_cast<std::size_t>(position)] = text;
  const QString encouragement = EncouragementFor(s.sUserFirstName, s.nIdeas);
  if (!encouragement.isEmpty()) program.MessageBox(encouragement, MsgButtons::OkOnly);
  s.bChanged = true;
}

void IdeasDeleted(Session& session, Commands& commands) {
  const bool any = session.nIdeas != 0;
  commands.EnableButton(Command::MindStepping, any);
  commands.EnableButton(Command::Clustering, any);
  session.bChanged = true;
}

}  // namespace quillane
