#pragma once

#include <QObject>
#include <array>

namespace quillane {

// The twenty steps of the progress report: which ones were done in this run.
class Progress : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSteps = 20;
  static constexpr int kClearAll = 99;

  bool done(int step) const { return done_.at(static_cast<std::size_t>(step)); }

  // Lights `step` (0 to 19); 99 clears all twenty.
  void MarkProgressStep(int step);

 signals:
  void changed(int step);

 private:
  std::array<bool, kSteps> done_{};
};

}  // namespace quillane
