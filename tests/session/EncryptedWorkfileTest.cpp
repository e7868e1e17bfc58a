// An encrypted workfile: what it holds and hides, a wrong password, every
// changed or cut file, its backup, and the letter-shift format beside it.
#include <QFile>

#include "crypto/SecretBytes.h"
#include "evaluation/Evaluation.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/EncryptedWorkfile.h"
#include "session/LastRunBackup.h"
#include "session/WorkfileFixture.h"
#include "session/WorkfileReader.h"

namespace quillane::test {
namespace {

const QString kPassphrase =
    QString::fromUtf8("Quellen über Ξένους: ").repeated(4) + QStringLiteral("the last words are Mixed CASE");

class EncryptedWorkfileTest : public WorkfileTest {
 protected:
  // The largest session with text of several alphabets, rated, protected by
  // a long passphrase.
  void ProtectAFullSession() {
    Change([](SessionContent& c) {
      FillSession(c, kMaxCriteria, kMaxAssets, kMaxIdeas);
      c.sGoal = QString::fromUtf8("Zażółć gęślą jaźń — Ελληνικά 😀");
    });
    Evaluate({7, 14, 21});
    PutPassphrase(document, kPassphrase);
  }

  // Opens `path` expecting the one message that does not tell a wrong
  // password from a changed file, and nothing changed.
  void ExpectNotOpenedWithPassword(const QString& path, const QString& typed) {
    ExpectNotOpened(path, typed, Text(3134));
  }
};

// Everything comes back, with the passphrase as typed; the file shows
// nothing of the session, and a reader of the letter-shift format finds no
// password flag, so it refuses the file without reading further.
TEST_F(EncryptedWorkfileTest, AFullSessionComesBackOnlyWithThePassphraseAsTyped) {
  ProtectAFullSession();
  const OpenState saved = [this] {
    const QString path = PathOf(QStringLiteral("full.qln"));
    EXPECT_EQ(SaveAs(path), FileOutcome::Done);
    return ContentOf(document);
  }();
  const auto evaluated = KeptEvaluation();
  const QByteArray bytes = ReadFileBytes(saved.sWorkfile);
  for (const QString& text : {s.sGoal, s.sIdeas[1], s.sCriteria[1], kPassphrase})
    EXPECT_FALSE(bytes.contains(text.toUtf8()) || bytes.contains(EncodeCodePage(text))) << text.toStdString();
  const QList<QByteArray> lines = SplitLines(bytes);
  ASSERT_GT(lines.size(), 8);
  EXPECT_EQ(lines[0], kStart);
  EXPECT_EQ(ReadPasswordFlag(lines[1]), std::nullopt);

  Change([](SessionContent& c) { FillSession(c, 2, 1, 3); });
  ExpectNotOpenedWithPassword(saved.sWorkfile, kPassphrase.toUpper());
  ExpectNotOpenedWithPassword(saved.sWorkfile, kPassphrase.chopped(1));
  EXPECT_EQ(Open(saved.sWorkfile, std::nullopt), FileOutcome::Cancelled);

  ASSERT_EQ(Open(saved.sWorkfile, kPassphrase), FileOutcome::Done);
  EXPECT_TRUE(ContentOf(document) == saved);
  EXPECT_TRUE(evaluation() == *evaluated);
  EXPECT_EQ(s.protection, Protection::Encrypted);
  ASSERT_TRUE(document.sealingKey());
  EXPECT_EQ(document.sealingKey()->salt().toHex(), lines[2]) << "the key that opened the file";
}

// No single changed byte anywhere in the file, and no file cut anywhere,
// is ever read: changed text is refused by its form or by its tag.
TEST_F(EncryptedWorkfileTest, EveryChangedByteAndEveryCutIsRefused) {
  Change([](SessionContent& c) { FillSession(c, 3, 2, 4); });
  PutPassphrase(document, kPassphrase);
  const QString path = PathOf(QStringLiteral("sound.qln"));
  ASSERT_EQ(SaveAs(path), FileOutcome::Done);
  const QByteArray sound = ReadFileBytes(path);
  const auto file = ReadEncryptedWorkfile(sound);
  ASSERT_TRUE(file);
  ASSERT_TRUE(OpenEncryptedWorkfile(*file, *document.sealingKey()));

  // The key the program would make from the changed file's salt and limits.
  const auto opens = [&](const QByteArray& bytes) {
    const auto changed = ReadEncryptedWorkfile(bytes);
    if (!changed) return false;
    if (changed->salt == file->salt && changed->limits == file->limits)
      return OpenEncryptedWorkfile(*changed, *document.sealingKey()).has_value();
    const auto key = SealingKey::Derive(kPassphrase, changed->salt, changed->limits);
    return key && OpenEncryptedWorkfile(*changed, *key).has_value();
  };
  for (qsizetype at = 0; at < sound.size(); ++at) {
    for (const char change : {'\x01', '\x20', '\x80'}) {
      QByteArray bytes = sound;
      bytes[at] = static_cast<char>(bytes[at] ^ change);
      ASSERT_FALSE(opens(bytes)) << "byte " << at << " changed by " << int(change);
    }
  }
  for (qsizetype length = 0; length < sound.size(); ++length)
    ASSERT_FALSE(ReadEncryptedWorkfile(sound.left(length))) << "cut to " << length;
  EXPECT_FALSE(ReadEncryptedWorkfile(sound + "\r\n"));

  // Through Open: a cut file is not valid, before any password is asked;
  // a changed ciphertext is the one message; nothing is read.
  const QString damaged = PathOf(QStringLiteral("damaged.qln"));
  WriteFileBytes(damaged, sound.left(sound.size() / 2));
  ExpectRefusedFile(damaged);
  EXPECT_EQ(passwordDialogs, 0);
  QByteArray changedCipher = sound;
  qsizetype body = 0;
  for (int line = 0; line < 7; ++line) body = sound.indexOf("\r\n", body) + 2;  // after the header
  changedCipher[body] = changedCipher[body] == 'A' ? 'B' : 'A';
  WriteFileBytes(damaged, changedCipher);
  ExpectNotOpenedWithPassword(damaged, kPassphrase);
}

// A file asking for a key derivation beyond the limits is refused before any
// password is asked, so a file sent by someone else cannot make the program
// work for minutes.
TEST_F(EncryptedWorkfileTest, AFileAskingForTooCostlyAKeyIsRefused) {
  Change([](SessionContent& c) { FillSession(c, 1, 1, 1); });
  PutPassphrase(document, kPassphrase);
  const QString path = PathOf(QStringLiteral("costly.qln"));
  ASSERT_EQ(SaveAs(path), FileOutcome::Done);
  QList<QByteArray> lines = ReadFileBytes(path).split('\n');
  lines[4] = QByteArray::number(kMostKdfLimits.memoryBytes * 2) + '\r';
  WriteFileBytes(path, lines.join('\n'));
  ExpectRefusedFile(path);
  EXPECT_EQ(passwordDialogs, 0);
}

// Each workfile gets a salt of its own; saving again under the same name
// keeps the key and draws a new nonce.
TEST_F(EncryptedWorkfileTest, EachFileHasItsOwnSaltAndEachSaveItsOwnNonce) {
  Change([](SessionContent& c) { FillSession(c, 1, 1, 2); });
  PutPassphrase(document, kPassphrase);
  const QString first = PathOf(QStringLiteral("first.qln"));
  const QString second = PathOf(QStringLiteral("second.qln"));
  ASSERT_EQ(SaveAs(first), FileOutcome::Done);
  const auto one = ReadEncryptedWorkfile(ReadFileBytes(first));
  ASSERT_EQ(Save(SaveMode::kSave), FileOutcome::Done);
  const auto again = ReadEncryptedWorkfile(ReadFileBytes(first));
  ASSERT_EQ(SaveAs(second), FileOutcome::Done);
  const auto other = ReadEncryptedWorkfile(ReadFileBytes(second));
  ASSERT_TRUE(one && again && other);
  EXPECT_EQ(again->salt, one->salt);
  EXPECT_NE(again->sealed.nonce, one->sealed.nonce);
  EXPECT_NE(other->salt, one->salt);
  EXPECT_EQ(other->limits, parts->constants.kdfLimits);
  EXPECT_EQ(document.sealingKey()->salt(), other->salt);
}

// A letter-shift workfile stays one when it is opened and saved again.
TEST_F(EncryptedWorkfileTest, ALetterShiftWorkfileKeepsItsFormat) {
  Change([](SessionContent& c) { FillSession(c, 1, 1, 2); });
  PutPassword(document, QStringLiteral("OLD"));
  const QString path = PathOf(QStringLiteral("old.qln"));
  ASSERT_EQ(SaveAs(path), FileOutcome::Done);
  Change([](SessionContent& c) { FillSession(c, 2, 2, 2); });
  ASSERT_EQ(Open(path, QStringLiteral("old")), FileOutcome::Done);
  EXPECT_EQ(s.protection, Protection::LetterShift);
  ASSERT_EQ(Save(SaveMode::kSave), FileOutcome::Done);
  const QList<QByteArray> lines = SplitLines(ReadFileBytes(path));
  EXPECT_EQ(ReadPasswordFlag(lines[1]), true);
  EXPECT_EQ(document.sealingKey(), nullptr);
}

// The backup of an encrypted session is sealed with the session's key, is
// the user's alone, and comes back only with the password, protected.
TEST_F(EncryptedWorkfileTest, TheBackupIsEncryptedAndComesBackProtected) {
  ProtectAFullSession();
  const auto evaluated = KeptEvaluation();
  const OpenState before = ContentOf(document);
  const QString backup = BackupPath(parts->dataFolder);
  ASSERT_TRUE(WriteBackupWorkfile(s, evaluation(), backup, platform, document.sealingKey().get()));
  EXPECT_FALSE(WriteBackupWorkfile(s, evaluation(), PathOf(QStringLiteral("nokey.qln")), platform))
      << "never a readable backup of an encrypted session";
  const QByteArray bytes = ReadFileBytes(backup);
  EXPECT_FALSE(bytes.contains(s.sIdeas[1].toUtf8()));
  EXPECT_EQ(QFile::permissions(backup) & 0x0077, 0) << "the user's alone";
  EXPECT_EQ(ReadEncryptedWorkfile(bytes)->salt, document.sealingKey()->salt());
  EXPECT_EQ(InspectRunBackup(backup, QDateTime::currentDateTime().addSecs(-60)), RunBackup::Protected);

  document.Reset();
  ExpectNotOpenedWithPassword(backup, QStringLiteral("guess"));
  ASSERT_EQ(Open(backup, kPassphrase), FileOutcome::Done);
  EXPECT_TRUE(ContentOf(document).content == before.content);
  EXPECT_TRUE(evaluation() == *evaluated);
  EXPECT_TRUE(document.sealingKey());
}

// A session that ends or changes its password lets its secrets go: the key
// is released (and wiped with it) and the password's characters are zeros.
TEST_F(EncryptedWorkfileTest, TheKeyAndThePasswordAreWipedWhenTheSessionEnds) {
  PutPassphrase(document, kPassphrase);
  std::weak_ptr<const SealingKey> key = document.sealingKey();
  const QString shared = s.sPassword;  // shares the document's characters
  PutPassword(document, QString());
  EXPECT_TRUE(key.expired());
  EXPECT_EQ(shared, QString(kPassphrase.size(), QChar(0)));

  PutPassphrase(document, kPassphrase);
  key = document.sealingKey();
  document.Reset();
  EXPECT_TRUE(key.expired());
  EXPECT_TRUE(s.sPassword.isEmpty());
}

}  // namespace
}  // namespace quillane::test
