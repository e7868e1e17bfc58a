// The Rate page of the criteria dialog: one comparison per Next, the weights
// after the last pair, and Cancel part-way.
#include "criteria/CriteriaDialogFixture.h"

namespace quillane::test {
namespace {

class CriteriaRateTest : public CriteriaDialogTest {
 protected:
  // Opens the Rate page and lets `script` compare pairs on it.
  void Rate(const std::function<void(QDialog&)>& script) {
    Open(Command::CriteriaRate, [&](QDialog& dialog) {
      page = &dialog;
      script(dialog);
    });
  }
  QSlider* Slider() const { return Find<QSlider>(page, "sliCriteriaRate"); }
  QString Shown(const char* label) const { return Find<QLabel>(page, label)->text(); }

  // Moves the slider from the keyboard to `value` and presses Next.
  void Compare(int value) {
    QSlider* slider = Slider();
    slider->setFocus();
    const Qt::Key key = value > slider->value() ? Qt::Key_Right : Qt::Key_Left;
    while (slider->value() != value) QTest::keyClick(slider, key);
    Click(page, "cmdCriteriaRate");
  }

  std::vector<Single> Weights() const { return Values(Content().sngWeight, Content().nCriteria); }
  QDialog* page = nullptr;
};

TEST_F(CriteriaRateTest, AFullRunStoresTheWeightsInDescendingOrderAndOffersTheView) {
  SetCriteria({"Cost", "Speed", "Fun"});
  Rate([&](QDialog& dialog) {
    QStringList pairs;
    for (int comparison = 0; comparison < 3; ++comparison) {
      EXPECT_EQ(Slider()->value(), 5) << "the slider is back in the middle for every pair";
      pairs << Shown("lblCriteriaA") + QStringLiteral(" > ") + Shown("lblCriteriaB");
      Compare(10);
    }
    EXPECT_EQ(pairs, (QStringList{"Cost > Speed", "Cost > Fun", "Speed > Fun"}));
    EXPECT_FALSE(dialog.isVisible());
  });
  EXPECT_EQ(StoredCriteria(), (QStringList{"Cost", "Speed", "Fun"}));
  EXPECT_EQ(Weights(), (std::vector<Single>{9.0F, 5.9F, 2.9F}));
  EXPECT_TRUE(parts.progress.done(ProgressStep::CriteriaRated));
  EXPECT_TRUE(CommandButton(Command::CriteriaView)->isEnabled());
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(CriteriaRateTest, CancelAfterOneOfThreeComparisonsNormalisesTheWeightsThatStand) {
  SetCriteria({"Cost", "Speed", "Fun"});
  Rate([&](QDialog& dialog) {
    Compare(0);  // Speed much more important than Cost
    EXPECT_EQ(Shown("lblCriteriaA"), QStringLiteral("Cost"));
    EXPECT_EQ(Shown("lblCriteriaB"), QStringLiteral("Fun"));
    Click(dialog, "cmdCancel");
  });
  // 10/3 each, then Speed gains a whole share: 6.67 against 3.33 and 3.33,
  // which the factor 9 / 6.67 brings to 9.0, 4.5 and 4.5.
  ASSERT_EQ(Content().nCriteria, 3);
  EXPECT_EQ(Content().sCriteria[1], QStringLiteral("Speed"));
  EXPECT_EQ(Weights(), (std::vector<Single>{9.0F, 4.5F, 4.5F}));
  EXPECT_FALSE(parts.progress.done(ProgressStep::CriteriaRated));
  EXPECT_FALSE(CommandButton(Command::CriteriaView)->isEnabled());
  // The weights that stand are the session's now: Exit must offer to save them.
  EXPECT_TRUE(parts.document.isModified());
}

}  // namespace
}  // namespace quillane::test
