#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include "app/MainWindowFixture.h"
#include "ui/HelpContexts.h"

namespace quillane::test {

// The main window, from which the tests open the selection dialog and the
// pages of the ideas dialog as a user does.
class IdeasPagesTest : public MainWindowTest {
 protected:
  static QString LabelText(QWidget& form, const QString& name) { return Find<QLabel>(&form, name)->text(); }
  static bool Enabled(QWidget& form, const QString& name) {
    return Find<QPushButton>(&form, name)->isEnabled();
  }
  static QListWidget* ViewList(QWidget& view) { return Find<QListWidget>(&view, QStringLiteral("lstView")); }

  // The session holds "idea 1" to "idea `count`".
  void SeedIdeas(int count) {
    Seed(parts.document,
         [&](SessionContent& s) { Fill(s.sIdeas, s.nIdeas, Numbered(QStringLiteral("idea %1"), count)); });
  }
  QStringList Ideas() { return Texts(parts.document.content().sIdeas, parts.document.content().nIdeas); }

  // The selection dialog that opens next gets these rows clicked and is confirmed.
  void PickNext(std::vector<int> rows) {
    platform.OnNextDialog([rows](QDialog& view) {
      for (int row : rows) ClickRow(ViewList(view), row);
      Click(&view, "cmdOk");
    });
  }
  // Presses Delete in the selection dialog, answering Yes to both its questions.
  void DeleteConfirmed(QDialog& view) {
    platform.AnswerNext(Answer::Yes);
    platform.AnswerNext(Answer::Yes);
    Click(&view, "cmdDelete");
  }
};

// The ideas menu open on a new session.
class IdeasMenuTest : public IdeasPagesTest {
 protected:
  void SetUp() override {
    IdeasPagesTest::SetUp();
    StartNewSession();
    PressMenu(Menu::kIdeas);
  }
};

}  // namespace quillane::test
