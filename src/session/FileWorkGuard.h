#pragma once

namespace quillane {

// Counts a file procedure as running for as long as it lives, so the
// automatic backup never starts in the middle of one (its repaint check
// waits while the count is not zero), however the procedure ends.
class FileWorkGuard {
 public:
  explicit FileWorkGuard(int& count) : count_(count) { ++count_; }
  ~FileWorkGuard() { --count_; }
  FileWorkGuard(const FileWorkGuard&) = delete;
  FileWorkGuard& operator=(const FileWorkGuard&) = delete;

 private:
  int& count_;
};

}  // namespace quillane
