#pragma once

#include "core/Session.h"
#include "ui/FormDialog.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillane {

// The idea list, to pick ideas for MindStepping, Clustering or the
// evaluation, or to view, add, edit and delete them. The pick is given by
// the session's flags bMindStepPick, bClusterPick and bEvalPick.
class frmView : public FormDialog {
  Q_OBJECT

 public:
  frmView(Program& program, QWidget* parent);

  // Sets the captions of the present pick mode.
  void SetViewTexts();
  // Fills the list with entries 1..count and shows the buttons of the mode.
  void Fill(const TextList<kMaxIdeas>& list, int count);

  void cmdOk_Click();
  void cmdCancel_Click();
  void cmdAdd_Click();
  void cmdEdit_Click();
  void DeleteSelectedIdeas();

  // The idea list's topic, or in a pick the topic of the technique it picks for.
  int HelpTopic() const override;

 protected:
  void CancelRequested() override;

 private:
  bool Picking() const;
  void ShowCurrentState();
  QStringList Selected() const;
  void Rebuild();

  QGroupBox* fraView_ = nullptr;
  QLabel* lblView_ = nullptr;
  QListWidget* lstView_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  QPushButton* cmdEdit_ = nullptr;
  QPushButton* cmdDelete_ = nullptr;
};

// Sets the selection dialog's texts for the present mode, its help topic,
// and shows it over `parent` with the whole idea list. Afterwards bCancel
// tells whether the user cancelled.
void ShowIdeaList(Program& program, QWidget* parent);

}  // namespace quillane
