#include "ui/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/FormDialog.h"
#include "ui/HelpContexts.h"

namespace quillane {

namespace {

// The form a key was pressed in. A message box or a file dialog has no topic
// of its own: the form it belongs to answers for it.
QWidget* FormOf(QObject* receiver) {
  auto* widget = qobject_cast<QWidget*>(receiver);
  QWidget* window = widget ? widget->window() : nullptr;
  while (window && !IsProgramForm(window)) {
    window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  }
  return window;
}

class HelpKeyFilter : public QObject {
 public:
  HelpKeyFilter(const HelpBook& help, QObject* owner) : QObject(owner), help_(help) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1) return false;
    QWidget* form = FormOf(watched);
    if (!form) return false;
    if (!key->isAutoRepeat()) ShowHelpFor(help_, form);
    return true;  // the key is spent: it must not reach a parent and open the help twice
  }

 private:
  HelpBook help_;
};

}  // namespace

void InstallHelpKey(const HelpBook& help, QObject* owner) {
  QApplication::instance()->installEventFilter(new HelpKeyFilter(help, owner));
}

}  // namespace quillane
