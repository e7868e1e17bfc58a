// The real platform's message box, as a user meets it when a file others
// sent is refused.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "app/MainParts.h"
#include "core/Constants.h"
#include "platform/qt/QtPlatform.h"
#include "session/Workfile.h"
#include "support/Files.h"

namespace quillane::test {
namespace {

TEST(MessageBoxTest, AFileNamedAsALinkIsNamedInPlainTextWhenRefused) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  // The slashes of the link make a folder of the name's first part.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("<a href=\"https:")));
  const QString path =
      folder.filePath(QStringLiteral("<a href=\"https://example.com\">Click here to repair.qln"));
  WriteFileBytes(path, "not a workfile\r\n");
  QtPlatform platform;
  MainParts parts(platform, LoadConstants(QStringLiteral(QUILLANE_SOURCE_DIR "/resources/shipped")));

  // Reads the box while it is open, then closes it as the user's OK does.
  bool seen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    seen = true;
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_NE(label, nullptr);
    if (label) {
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
      // The name as it is, on a line of its own above the message.
      EXPECT_TRUE(label->text().startsWith(path + QLatin1Char('\n'))) << label->text().toStdString();
    }
    box->button(QMessageBox::Ok)->click();
  });
  poll.start(10);
  EXPECT_EQ(LoadWorkfile(parts.document, parts.states.evaluation, parts.prompter, parts.platform,
                         parts.status, parts.constants, parts.fileWork, path,
                         [](Protection) { return std::optional<QString>(); }),
            FileOutcome::Failed);
  EXPECT_TRUE(seen) << "no message box was shown";
}

}  // namespace
}  // namespace quillane::test
