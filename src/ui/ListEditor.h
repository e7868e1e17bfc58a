#pragma once

#include <QStringList>
#include <QWidget>

#include "ui/DeletionUndo.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillane {

class Prompter;

// Object names of the editor's controls, as the page that uses it names them.
struct ListEditorNames {
  QString textBox;
  QString list;
  QString add;
  QString edit;
  QString del;
};

// A list the user edits through a text box: Add appends the text (or stores
// it in place of the entry being edited), Edit takes the current entry into
// the text box, Delete (the button or the Delete key in the list) removes
// every selected entry after asking, and Ctrl+Z outside the text box brings
// back what the deletions took since the list was filled. A pasted text of
// several lines adds each line as an entry. The list
// allows Shift and Ctrl selection of several entries. It is the working copy
// of a session list: the page stores Entries() when the dialog is confirmed.
class ListEditor : public QWidget {
  Q_OBJECT

 public:
  ListEditor(Prompter& prompter, const ListEditorNames& names, int capacity, QWidget* parent);

  // The captions of Add, Edit and Delete.
  void SetButtonTexts();

  // Shows `entries` in order; Add, Edit and Delete start disabled and no
  // edit is in progress.
  void Fill(const QStringList& entries);
  QStringList Entries() const;

  QLineEdit* textBox() const { return text_; }
  QListWidget* list() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Text_Change();
  void Add_Click();
  void Edit_Click();
  void List_Click();
  void List_DblClick();
  void Delete_Click();
  void UndoDelete();
  // A pasted text of several lines: each line an entry, up to the capacity.
  void AddLines(const QStringList& lines);
  void EnableEntryButtons();
  void ClearCurrentEntry();

  Prompter& prompter_;
  bool editing_ = false;  // Edit put the current entry into the text box
  const int capacity_;
  QLineEdit* text_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* delete_ = nullptr;
  DeletionUndo deleted_;
};

}  // namespace quillane
