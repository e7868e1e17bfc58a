#pragma once

#include <QObject>
#include <array>

class QBoxLayout;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quillane {

class IChingLineBox;
class Platform;
struct IChingState;
struct SessionContent;

// The I Ching page: six presses cast a hexagram from the bottom line up;
// its changing lines scroll while the dialog is open, and the hexagram they
// change into stands beside it.
class IChingPage : public QObject {
 public:
  IChingPage(IChingState& iching, Platform& platform, QGroupBox* frame, QBoxLayout* entryRow);

  // A new consultation on `content`'s goal with empty line boxes.
  void Prepare(const SessionContent& content);
  void SetTexts();
  // Casts the next line; true when it was the sixth.
  bool cmdIdeasIChing_Click();
  // Stops every line's animation.
  void StopAnimation();

  QLabel* lblInstruction = nullptr;  // `lblIdeasIChing(0)`
  QLabel* lblIdeasIChingGoal = nullptr;
  QPushButton* cmdIdeasIChing = nullptr;
  QFrame* fraIChingHex1 = nullptr;
  QFrame* fraIChingHex2 = nullptr;
  std::array<IChingLineBox*, 6> picIChingHex1{};  // index 0 at the bottom
  std::array<IChingLineBox*, 6> picIChingHex2{};
  std::array<QLabel*, 6> lblIChingRowNo{};
  std::array<QLabel*, 6> lblIChingLineNo{};
  std::array<QTimer*, 6> tmrIChing{};
  QLabel* picIChingArrow = nullptr;
  std::array<QLabel*, 2> lblIdeasIChingNumber{};
  std::array<QLabel*, 2> picIChingLineOrg{};  // hidden: the plain line and the strip
  QLabel* lblEntry = nullptr;                 // `lblIdeasIChing(1)`

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFrame* BuildHexagram(QGroupBox* frame, const char* name, std::array<IChingLineBox*, 6>& boxes,
                        const char* boxName, const char* patchName, bool numbered);
  void tmrIChing_Timer(int index);
  void ShowChangedHexagram();

  IChingState& iching_;  // the tables and the cast, kept beyond the dialog
  Platform& platform_;
};

}  // namespace quillane
