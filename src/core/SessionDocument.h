#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <span>

#include "core/Session.h"
#include "crypto/SealingKey.h"

namespace quillane {

// The session as a document: it owns the saved content, the workfile's name
// and whether there are unsaved changes, and says what changed. Its writers
// are the only way to change them; whoever follows the session (the command
// states, the progress report, the status bar, the idea meter) connects to
// its signals instead of being called by each procedure.
class SessionDocument : public QObject {
  Q_OBJECT

 public:
  enum class IdeasChange { Added, Replaced, Deleted, Loaded };
  Q_ENUM(IdeasChange)

  SessionDocument();
  ~SessionDocument() override;

  const SessionContent& content() const { return *content_; }
  // The workfile's path; "" while the session is untitled.
  const QString& workfile() const { return workfile_; }
  // True while there are changes no workfile holds (`bChanged`).
  bool isModified() const { return modified_; }

  // Content. Each writer marks the session changed.
  void SetGoal(const QString& goal);
  void SetCriteria(const QStringList& names);
  // A rating's result: the weights, and the criteria in the order the
  // weights sort them into. Tells weightsChanged only: the list is the same.
  void SetRatedCriteria(const TextList<kMaxCriteria>& names, const WeightList& weights);
  void SetAssets(AssetKind kind, const QStringList& names);
  // Appends an idea; false, and nothing changes, when the list is full.
  bool AddIdea(const QString& text);
  // Appends as many of `texts` as the list has room for, in order, and
  // tells ideasChanged once for them all; returns how many were taken.
  int AddIdeas(const QStringList& texts);
  // The idea count before the last addition: one idea, or a whole batch.
  int ideasBeforeAdding() const { return ideasBeforeAdding_; }
  // Replaces idea `position` (1..nIdeas); any other position changes nothing.
  void ReplaceIdea(int position, const QString& text);
  // The ideas left after a deletion, in order.
  void SetRemainingIdeas(const QStringList& ideas);
  // Sets, changes or ("") removes the password and its protection; an
  // encrypted session takes the key its password gives. Only a real change
  // marks the session changed; passwordSet is emitted either way. The
  // password and key given up are wiped.
  void SetPassword(QString password, Protection protection = Protection::LetterShift,
                   std::shared_ptr<const SealingKey> key = nullptr);
  // The key of an encrypted session; null otherwise. Saves and backups seal
  // with it; it is never written.
  const std::shared_ptr<const SealingKey>& sealingKey() const { return key_; }
  // The same password with a key of a fresh salt (a workfile of its own).
  void RenewSealingKey(std::shared_ptr<const SealingKey> key);
  // A change the content does not show (the heading language, a word file
  // read, a confirmed page).
  void MarkModified();

  // The whole session.
  void Reset();
  // A workfile was read: its content, its path, no unsaved changes, and for
  // an encrypted one the key that opened it.
  void TakeLoaded(const SessionContent& content, const QString& workfile,
                  std::shared_ptr<const SealingKey> key = nullptr);
  // The content was written to `workfile`, which is now the session's.
  void MarkSaved(const QString& workfile);
  // The session no longer belongs to its workfile (a recovered backup):
  // untitled and changed, so Save asks for a name and Exit offers to save.
  void MarkUntitledChanges();

 signals:
  void modifiedChanged(bool modified);
  void workfileChanged(const QString& workfile);
  void goalChanged();
  void criteriaChanged();
  void weightsChanged();
  void assetsChanged(quillane::AssetKind kind);
  void ideasChanged(quillane::SessionDocument::IdeasChange change);
  void passwordSet();
  void sessionReset();
  void sessionLoaded();
  void sessionSaved();

 private:
  void SetModified(bool modified);
  void SetWorkfile(const QString& workfile);
  // Wipes the password, unless its characters are those of `successor`,
  // and lets the key go (wiped with its last holder).
  void ForgetSecrets(const QString& successor = QString());

  std::unique_ptr<SessionContent> content_;  // its lists of texts: kept off the stack
  std::shared_ptr<const SealingKey> key_;
  QString workfile_;
  bool modified_ = false;
  int ideasBeforeAdding_ = 0;
};

// Replaces the names stored in slots 1.. of `stored` by `entries`: the old
// names are emptied up to the first slot that is already empty, then the
// entries are copied in their order. Slot 0 is left alone.
void StoreListEntries(std::span<QString> stored, const QStringList& entries);

}  // namespace quillane
