// The key a password gives and the sealing under it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "crypto/SealingKey.h"
#include "crypto/SecretBytes.h"

namespace quillane::test {
namespace {

SealingKey KeyOf(const QString& password, const QByteArray& salt, KdfLimits limits = kLeastKdfLimits) {
  auto key = SealingKey::Derive(password, salt, limits);
  EXPECT_TRUE(key.has_value());
  return std::move(*key);
}

// Only the same password, salt and limits give the key that opens a text,
// and a text sealed twice is sealed differently.
TEST(SealingKeyTest, OnlyTheSamePasswordSaltAndLimitsOpenWhatWasSealed) {
  const QString passphrase =
      QString::fromUtf8("Zwölf Boxkämpfer jagen Viktor quer über den großen Sylter Deich ")
          .repeated(2);  // 128 characters, most of them letters with case
  ASSERT_EQ(passphrase.size(), 128);
  const QByteArray salt = NewSalt();
  const QByteArray plain = "goal, criteria and ideas";
  const SealingKey key = KeyOf(passphrase, salt);
  const SealedText sealed = key.Seal(plain, "header", NewNonce());
  EXPECT_FALSE(sealed.ciphertext.contains("criteria"));
  EXPECT_EQ(sealed.ciphertext.size(), plain.size() + kTagBytes);
  EXPECT_NE(key.Seal(plain, "header", NewNonce()).ciphertext, sealed.ciphertext) << "a fresh nonce each time";

  EXPECT_EQ(KeyOf(passphrase, salt).Open(sealed, "header"), plain);
  EXPECT_EQ(KeyOf(passphrase.toUpper(), salt).Open(sealed, "header"), std::nullopt) << "letter case counts";
  EXPECT_EQ(KeyOf(passphrase.chopped(1), salt).Open(sealed, "header"), std::nullopt);
  EXPECT_EQ(KeyOf(passphrase, NewSalt()).Open(sealed, "header"), std::nullopt);
  EXPECT_EQ(KeyOf(passphrase, salt, {2, kLeastKdfLimits.memoryBytes}).Open(sealed, "header"), std::nullopt);
  EXPECT_EQ(key.Open(sealed, "Header"), std::nullopt) << "the header is authenticated";
  EXPECT_NE(NewSalt(), salt);
}

// A file may not ask for a derivation beyond the limits, nor one the method
// does not allow.
TEST(SealingKeyTest, LimitsOutsideTheAllowedRangeGiveNoKey) {
  const QByteArray salt = NewSalt();
  for (const KdfLimits limits : {KdfLimits{0, kLeastKdfLimits.memoryBytes}, KdfLimits{1, 1024},
                                 KdfLimits{kMostKdfLimits.operations + 1, kLeastKdfLimits.memoryBytes},
                                 KdfLimits{1, kMostKdfLimits.memoryBytes + 1}}) {
    EXPECT_FALSE(SealingKey::Derive(QStringLiteral("pw"), salt, limits)) << limits.operations;
  }
  EXPECT_FALSE(SealingKey::Derive(QStringLiteral("pw"), salt.chopped(1), kLeastKdfLimits));
}

// A password given up is wiped in every copy that shares its characters;
// the program's own literal texts are left alone.
TEST(SealingKeyTest, WipingATextClearsEveryCopyThatSharesIt) {
  QString password = QString::fromUtf8("Geheimnis");
  password.detach();
  const QString copy = password;
  WipeText(password);
  EXPECT_TRUE(password.isEmpty());
  EXPECT_EQ(copy, QString(9, QChar(0)));

  QString literal = QStringLiteral("literal");
  WipeText(literal);
  EXPECT_TRUE(literal.isEmpty());
  EXPECT_EQ(QStringLiteral("literal"), QLatin1String("literal"));
}

}  // namespace
}  // namespace quillane::test
