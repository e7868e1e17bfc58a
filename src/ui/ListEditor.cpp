#include "ui/ListEditor.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <functional>

#include "core/Prompter.h"
#include "core/Session.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/ClickList.h"
#include "ui/TextEntry.h"

namespace quillane {

namespace {

constexpr int kDeleteQuestion = 504;

}  // namespace

ListEditor::ListEditor(Prompter& prompter, const ListEditorNames& names, int capacity, QWidget* parent)
    : QWidget(parent), prompter_(prompter), capacity_(capacity) {
  text_ = new QLineEdit(this);
  text_->setObjectName(names.textBox);
  LimitEntry(text_, kMaxTextLength);
  TakePastedLines(text_, [this](const QStringList& lines) { AddLines(lines); });
  text_->installEventFilter(this);

  auto* list = new ClickList(this);
  list->onClick = [this] { List_Click(); };
  list_ = list;
  list_->setObjectName(names.list);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  add_ = new QPushButton(this);
  add_->setObjectName(names.add);
  edit_ = new QPushButton(this);
  edit_->setObjectName(names.edit);
  delete_ = new QPushButton(this);
  delete_->setObjectName(names.del);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_, 0, 0);
  layout->addWidget(add_, 0, 1);
  layout->addWidget(list_, 1, 0, 3, 1);
  layout->addWidget(edit_, 1, 1);
  layout->addWidget(delete_, 2, 1);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(0, 1);

  connect(text_, &QLineEdit::textChanged, this, &ListEditor::Text_Change);
  connect(add_, &QPushButton::clicked, this, &ListEditor::Add_Click);
  connect(edit_, &QPushButton::clicked, this, &ListEditor::Edit_Click);
  connect(delete_, &QPushButton::clicked, this, &ListEditor::Delete_Click);
  connect(list_, &QListWidget::itemDoubleClicked, this, &ListEditor::List_DblClick);
  list_->installEventFilter(this);
  // In the text box Ctrl+Z undoes typing, as in every text box.
  auto* undo = new QShortcut(QKeySequence::Undo, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  connect(undo, &QShortcut::activated, this, &ListEditor::UndoDelete);

  add_->setEnabled(false);
  edit_->setEnabled(false);
  delete_->setEnabled(false);
}

void ListEditor::SetButtonTexts() {
  add_->setText(Text(123));
  edit_->setText(Text(124));
  delete_->setText(Text(125));
}

void ListEditor::Fill(const QStringList& entries) {
  list_->clear();
  list_->addItems(entries);
  deleted_.Forget();
  ClearCurrentEntry();
  // An edit left open when the dialog last closed does not carry over.
  editing_ = false;
  text_->clear();
  add_->setEnabled(false);
  edit_->setEnabled(false);
  delete_->setEnabled(false);
}

QStringList ListEditor::Entries() const {
  QStringList entries;
  for (int i = 0; i < list_->count(); ++i) entries << list_->item(i)->text();
  return entries;
}

bool ListEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (add_->isEnabled()) Add_Click();
      return true;
    }
  }
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    if (delete_->isEnabled()) Delete_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ListEditor::AddLines(const QStringList& lines) {
  editing_ = false;
  int added = 0;
  for (const QString& line : lines) {
    if (list_->count() >= capacity_) break;
    list_->addItem(line);
    ++added;
  }
  text_->clear();
  EnableEntryButtons();
  if (added < lines.size()) prompter_.Tell(PastedLinesRefusal(added, static_cast<int>(lines.size())));
}

void ListEditor::UndoDelete() {
  if (!deleted_.RestoreLast(list_, capacity_)) return;
  ClearCurrentEntry();
  Text_Change();
  edit_->setEnabled(list_->count() > 0);
  delete_->setEnabled(list_->count() > 0);
}

void ListEditor::Text_Change() {
  if (list_->count() >= capacity_ && !editing_) {
    add_->setEnabled(false);
  } else {
    add_->setEnabled(!text_->text().isEmpty());
  }
}

void ListEditor::ClearCurrentEntry() {
  list_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void ListEditor::EnableEntryButtons() {
  const bool current = list_->currentRow() != -1;
  edit_->setEnabled(current);
  delete_->setEnabled(current);
}

void ListEditor::Add_Click() {
  const QString entry = text_->text();
  if (!editing_) {
    list_->addItem(entry);
  } else {
    editing_ = false;
    if (QListWidgetItem* current = list_->currentItem()) {
      current->setText(entry);
    } else if (list_->count() < capacity_) {
      // Edit took no entry (none was current): keep the text as a new one.
      list_->addItem(entry);
    }
  }
  text_->clear();
  EnableEntryButtons();
  text_->setFocus(Qt::OtherFocusReason);
}

void ListEditor::Edit_Click() {
  const QListWidgetItem* current = list_->currentItem();
  editing_ = true;
  text_->setText(current ? current->text() : QString());
  text_->setFocus(Qt::OtherFocusReason);
}

void ListEditor::List_Click() {
  EnableEntryButtons();
  if (editing_) {
    editing_ = false;
    text_->clear();
  }
}

void ListEditor::List_DblClick() {
  if (edit_->isEnabled()) Edit_Click();
}

void ListEditor::Delete_Click() {
  const Answer answer =
      prompter_.Ask(Text(kDeleteQuestion), MsgButtons::YesNo + MsgIcon::Question + MsgDefault::Second);
  if (answer == Answer::No) return;
  deleted_.TakeSelected(list_);
  // As after any removal, no entry is current, though Edit and Delete stay
  // usable while entries remain.
  ClearCurrentEntry();
  if (list_->count() == 0) {
    edit_->setEnabled(false);
    delete_->setEnabled(false);
  }
}

}  // namespace quillane
