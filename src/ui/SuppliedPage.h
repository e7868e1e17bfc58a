#pragma once

#include <functional>
#include <memory>

class QGroupBox;
class QWidget;

namespace quillane {

struct SessionContent;

// A page that another feature supplies to a dialog, so that the dialog
// does not include that feature's widgets: the ideas dialog shows the
// evaluation and its results this way.
class SuppliedPage {
 public:
  virtual ~SuppliedPage() = default;
  // Fills the page from the session each time the dialog opens on it.
  virtual void Prepare(const SessionContent& content) = 0;
  virtual void SetTexts() = 0;
  // The control that takes the focus, or nullptr.
  virtual QWidget* FirstControl() const = 0;

  // Set by the dialog: runs when the page has come to its end (the last
  // pair rated), which confirms the dialog.
  std::function<void()> finished = [] {};
};

// Builds a page into its frame.
using PageMaker = std::function<std::unique_ptr<SuppliedPage>(QGroupBox* frame)>;

}  // namespace quillane
