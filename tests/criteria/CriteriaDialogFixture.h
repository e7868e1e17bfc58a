#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <algorithm>
#include <functional>

#include "app/DialogFixture.h"
#include "support/Lists.h"
#include "support/Parts.h"

namespace quillane::test {

// Gives the session's starting point the criteria `names` and, when given,
// their weights, telling no follower.
inline void PutCriteria(SessionDocument& document, const QStringList& names,
                        const std::vector<Single>& weights = {}) {
  Seed(document, [&](SessionContent& c) {
    Fill(c.sCriteria, c.nCriteria, names);
    std::copy(weights.begin(), weights.end(), c.sngWeight.begin() + 1);
  });
}

// The main window with a session under way, a goal and the Criteria menu
// open, from which the criteria dialog is opened as a user opens it.
class CriteriaDialogTest : public MenuOpenTest<Menu::kCriteria> {
 protected:
  void SetUp() override {
    MenuOpenTest::SetUp();
    Seed(parts.document, [](SessionContent& c) { c.sGoal = QStringLiteral("Sell more books"); });
  }

  const SessionContent& Content() const { return parts.document.content(); }
  void SetCriteria(const QStringList& names, const std::vector<Single>& weights = {}) {
    PutCriteria(parts.document, names, weights);
  }

  // Presses command `command` and lets `script` work in the dialog it opens.
  void Open(Command command, const std::function<void(QDialog&)>& script) {
    parts.commands.EnableButton(command, true);
    platform.OnNextDialog([&](QDialog& dialog) { script(dialog); });
    PressCommand(command);
  }

  QStringList StoredCriteria() const { return Texts(Content().sCriteria, Content().nCriteria); }
};

}  // namespace quillane::test
