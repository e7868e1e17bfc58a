#pragma once

#include <QStringList>
#include <optional>

#include "core/Session.h"
#include "ideas/IdeaSelection.h"
#include "ui/DeletionUndo.h"
#include "ui/FormDialog.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillane {

class Prompter;
class RunEvents;
class SessionDocument;

// The idea list, to pick ideas for MindStepping, Clustering or the
// evaluation, or to view, add, edit and delete them.
class frmView : public FormDialog {
  Q_OBJECT

 public:
  frmView(SessionDocument& document, Prompter& prompter, RunEvents& events, const HelpBook& help,
          QWidget* parent, IdeaPick pick);

  IdeaPick pick() const { return pick_; }
  // The ideas picked when OK closed the dialog.
  const QStringList& picked() const { return picked_; }

  // Sets the captions of the present pick mode.
  void SetViewTexts();
  // Fills the list with entries 1..count and shows the buttons of the mode.
  void Fill(const TextList<kMaxIdeas>& list, int count);

  void cmdOk_Click();
  void cmdCancel_Click();
  void cmdAdd_Click();
  void cmdEdit_Click();
  void DeleteSelectedIdeas();
  // Ctrl+Z: brings back the ideas the last deletion took, where they were.
  void UndoDelete();

  // The idea list's topic, or in a pick the topic of the technique it picks for.
  int HelpTopic() const override;

 protected:
  void CancelRequested() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Picking() const { return pick_ != IdeaPick::None; }
  void ShowCurrentState();
  QStringList Selected() const;
  void Rebuild();
  // The list as shown becomes the session's ideas.
  void StoreShownIdeas();

  SessionDocument& document_;
  Prompter& prompter_;
  RunEvents& events_;
  IdeaPick pick_;
  QStringList picked_;
  QGroupBox* fraView_ = nullptr;
  QLabel* lblView_ = nullptr;
  QListWidget* lstView_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  QPushButton* cmdEdit_ = nullptr;
  QPushButton* cmdDelete_ = nullptr;
  DeletionUndo deleted_;  // what this dialog's deletions took
};

// Shows the selection dialog over `parent` with the whole idea list, to view
// and edit the ideas.
void ShowIdeaList(SessionDocument& document, Prompter& prompter, RunEvents& events, const HelpBook& help,
                  QWidget* parent);

// Shows the selection dialog to pick ideas for `pick`. Returns the picked
// ideas in list order, or nothing when the user cancelled. The dialog
// offers no add, edit or delete while it picks, so the document is only read.
std::optional<QStringList> PickIdeas(SessionDocument& document, Prompter& prompter, RunEvents& events,
                                     const HelpBook& help, QWidget* parent, IdeaPick pick);

}  // namespace quillane
