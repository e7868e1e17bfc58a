#include "ideas/IdeaSelection.h"

#include "core/Program.h"
#include "criteria/CriteriaList.h"
#include "ideas/IdeaList.h"
#include "platform/Platform.h"

namespace quillane {

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
  EncouragementFor(s, s.nIdeas);
  if (!s.vMessage.isEmpty()) program.MessageBox(s.vMessage, MsgFlags::kOkOnly);
  s.bChanged = true;
}

void IdeasDeleted(Program& program) {
  const bool any = program.session.nIdeas != 0;
  program.commands.EnableButton(Cmd::kMindStepping, any);
  program.commands.EnableButton(Cmd::kClustering, any);
  program.session.bChanged = true;
}

}  // namespace quillane
