#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include "app/DialogFixture.h"

namespace quillane::test {

// The main window with a session under way, a goal and the Criteria menu
// open, from which the criteria dialog is opened as a user opens it.
class CriteriaDialogTest : public MenuOpenTest<Menu::kCriteria> {
 protected:
  void SetUp() override {
    MenuOpenTest::SetUp();
    program.session.sGoal = QStringLiteral("Sell more books");
  }

  void SetCriteria(const QStringList& names) {
    Fill(program.session.sCriteria, program.session.nCriteria, names);
  }

  // Presses command `command` and lets `script` work in the dialog it opens.
  void Open(Command command, const std::function<void(QDialog&)>& script) {
    program.commands.EnableButton(command, true);
    platform.OnNextDialog([&](QDialog& dialog) { script(dialog); });
    PressCommand(command);
  }

  static QPushButton* Button(QDialog& dialog, const char* name) {
    return Find<QPushButton>(&dialog, QLatin1String(name));
  }

  QStringList StoredCriteria() const { return Texts(program.session.sCriteria, program.session.nCriteria); }
};

}  // namespace quillane::test
