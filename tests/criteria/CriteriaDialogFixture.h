#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <functional>
#include <memory>

#include "app/DialogFixture.h"
#include "support/Lists.h"
#include "support/Parts.h"

namespace quillane::test {

// The main window with a session under way, a goal and the Criteria menu
// open, from which the criteria dialog is opened as a user opens it.
class CriteriaDialogTest : public MenuOpenTest<Menu::kCriteria> {
 protected:
  void SetUp() override {
    MenuOpenTest::SetUp();
    Start([](SessionContent& c) { c.sGoal = QStringLiteral("Sell more books"); });
  }

  const SessionContent& Content() const { return parts.document.content(); }

  // Changes the session's starting point with `edit`, telling no follower.
  void Start(const std::function<void(SessionContent&)>& edit) {
    auto content = std::make_unique<SessionContent>(Content());
    edit(*content);
    PutContent(parts.document, *content);
  }

  void SetCriteria(const QStringList& names) {
    Start([&](SessionContent& c) { Fill(c.sCriteria, c.nCriteria, names); });
  }

  // Presses command `command` and lets `script` work in the dialog it opens.
  void Open(Command command, const std::function<void(QDialog&)>& script) {
    parts.commands.EnableButton(command, true);
    platform.OnNextDialog([&](QDialog& dialog) { script(dialog); });
    PressCommand(command);
  }

  static QPushButton* Button(QDialog& dialog, const char* name) {
    return Find<QPushButton>(&dialog, QLatin1String(name));
  }

  QStringList StoredCriteria() const { return Texts(Content().sCriteria, Content().nCriteria); }
};

}  // namespace quillane::test
