#include "core/SessionDocument.h"

#include "crypto/SecretBytes.h"

namespace quillane {

namespace {

// The document keeps its password in characters of its own, locked in
// memory where the system allows, so wiping them reaches the document's
// copies and never a text it was given.
QString OwnCopy(const QString& text) {
  if (text.isEmpty()) return QString();
  QString own(text.constData(), text.size());
  LockText(own);
  return own;
}

}  // namespace

void StoreListEntries(std::span<QString> stored, const QStringList& entries) {
  Q_ASSERT(static_cast<std::size_t>(entries.size()) < stored.size());
  for (std::size_t i = 1; i < stored.size(); ++i) {
    if (stored[i].isEmpty()) break;
    stored[i].clear();
  }
  for (qsizetype i = 0; i < entries.size(); ++i) stored[static_cast<std::size_t>(i + 1)] = entries[i];
}

SessionDocument::SessionDocument() : content_(std::make_unique<SessionContent>()) {}

SessionDocument::~SessionDocument() {
  ForgetSecrets();
}

void SessionDocument::ForgetSecrets(const QString& successor) {
  // A copy of the content shares the password's characters: wiping them
  // would wipe the password that comes next.
  if (content_->sPassword.constData() != successor.constData()) WipeText(content_->sPassword);
  content_->sPassword.clear();
  key_.reset();
}

void SessionDocument::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified);
}

void SessionDocument::SetWorkfile(const QString& workfile) {
  if (workfile_ == workfile) return;
  workfile_ = workfile;
  emit workfileChanged(workfile);
}

void SessionDocument::MarkModified() {
  SetModified(true);
}

void SessionDocument::SetGoal(const QString& goal) {
  content_->sGoal = goal;
  SetModified(true);
  emit goalChanged();
}

void SessionDocument::SetCriteria(const QStringList& names) {
  StoreListEntries(content_->sCriteria, names);
  content_->nCriteria = static_cast<Integer>(names.size());
  SetModified(true);
  emit criteriaChanged();
}

void SessionDocument::SetRatedCriteria(const TextList<kMaxCriteria>& names, const WeightList& weights) {
  content_->sCriteria = names;
  content_->sngWeight = weights;
  SetModified(true);
  emit weightsChanged();
}

void SessionDocument::SetAssets(AssetKind kind, const QStringList& names) {
  const bool tangible = kind == AssetKind::Tangible;
  StoreListEntries(tangible ? content_->sTAssets : content_->sIAssets, names);
  (tangible ? content_->nTAssets : content_->nIAssets) = static_cast<Integer>(names.size());
  SetModified(true);
  emit assetsChanged(kind);
}

bool SessionDocument::AddIdea(const QString& text) {
  return AddIdeas({text}) == 1;
}

int SessionDocument::AddIdeas(const QStringList& texts) {
  SessionContent& s = *content_;
  const int before = s.nIdeas;
  for (const QString& text : texts) {
    if (s.nIdeas >= kMaxIdeas) break;
    ++s.nIdeas;
    s.sIdeas[static_cast<std::size_t>(s.nIdeas)] = text;
  }
  const int added = s.nIdeas - before;
  if (added == 0) return 0;
  ideasBeforeAdding_ = before;
  SetModified(true);
  emit ideasChanged(IdeasChange::Added);
  return added;
}

void SessionDocument::ReplaceIdea(int position, const QString& text) {
  SessionContent& s = *content_;
  if (position < 1 || position > s.nIdeas) return;
  s.sIdeas[static_cast<std::size_t>(position)] = text;
  SetModified(true);
  emit ideasChanged(IdeasChange::Replaced);
}

void SessionDocument::SetRemainingIdeas(const QStringList& ideas) {
  StoreListEntries(content_->sIdeas, ideas);
  content_->nIdeas = static_cast<Integer>(ideas.size());
  SetModified(true);
  emit ideasChanged(IdeasChange::Deleted);
}

void SessionDocument::SetPassword(QString password, Protection protection,
                                  std::shared_ptr<const SealingKey> key) {
  SessionContent& s = *content_;
  const bool protect = !password.isEmpty();
  const bool changed =
      password != s.sPassword || s.bPassword != protect || (protect && s.protection != protection);
  if (changed || key) {
    ForgetSecrets(password);
    s.sPassword = OwnCopy(password);
    key_ = protect && protection == Protection::Encrypted ? std::move(key) : nullptr;
  }
  s.bPassword = protect;
  s.protection = protect ? protection : Protection::LetterShift;
  if (changed) SetModified(true);
  emit passwordSet();
}

void SessionDocument::RenewSealingKey(std::shared_ptr<const SealingKey> key) {
  key_ = std::move(key);
}

void SessionDocument::Reset() {
  // Slot 0 of every list is never used, so it is emptied with the rest.
  ForgetSecrets();
  *content_ = SessionContent{};
  SetModified(false);
  SetWorkfile(QString());
  emit ideasChanged(IdeasChange::Loaded);
  emit sessionReset();
}

void SessionDocument::TakeLoaded(const SessionContent& content, const QString& workfile,
                                 std::shared_ptr<const SealingKey> key) {
  if (&content != content_.get()) {
    ForgetSecrets(content.sPassword);
    *content_ = content;
    content_->sPassword = OwnCopy(content.sPassword);
  }
  key_ = IsEncrypted(content) ? std::move(key) : nullptr;
  SetModified(false);
  SetWorkfile(workfile);
  emit ideasChanged(IdeasChange::Loaded);
  emit sessionLoaded();
}

void SessionDocument::MarkSaved(const QString& workfile) {
  SetWorkfile(workfile);
  SetModified(false);
  emit sessionSaved();
}

void SessionDocument::MarkUntitledChanges() {
  SetWorkfile(QString());
  SetModified(true);
}

}  // namespace quillane
