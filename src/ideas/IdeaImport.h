#pragma once

#include <QString>
#include <QStringList>

#include "session/Workfile.h"

namespace quillane {

class Prompter;
class SessionDocument;

// What an import of `items` into a list that holds `ideaCount` ideas adds,
// and what it leaves out and why, by the rules of adding an idea.
struct IdeaImportPlan {
  QStringList toAdd;
  int tooShort = 0;
  int tooLong = 0;
  int noRoom = 0;

  int leftOut() const { return tooShort + tooLong + noRoom; }
};
IdeaImportPlan PlanIdeaImport(const QStringList& items, int ideaCount);

// The question before an import: how many ideas it adds, how many it
// leaves out and why.
QString IdeaImportQuestion(const IdeaImportPlan& plan);

// Import Ideas: the user picks a text, Markdown, CSV, OPML or mind-map file
// (the dialog starts in `startFolder`); its items are counted, and only
// after a Yes to the question with the counts are they added, one by one
// as typed ideas are. A damaged, huge or empty file is told and changes
// nothing.
FileOutcome ImportIdeas(SessionDocument& document, Prompter& prompter, const QString& startFolder);

}  // namespace quillane
