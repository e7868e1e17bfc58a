// The program's own colours stay readable on a dark palette, and are the
// program's fixed colours on a light one.
#include <QLabel>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "app/MainWindowFixture.h"

namespace quillane::test {
namespace {

double Luminance(const QColor& colour) {
  auto channel = [](double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

// How far apart two colours stand, from 1 (alike) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast most of a picture's opaque pixels have with `ground`.
double InkContrast(const QPixmap& picture, const QColor& ground) {
  const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  std::vector<double> contrasts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.alpha() == 255) contrasts.push_back(Contrast(pixel, ground));
    }
  }
  if (contrasts.empty()) return 0;
  std::nth_element(contrasts.begin(), contrasts.begin() + contrasts.size() / 2, contrasts.end());
  return contrasts[contrasts.size() / 2];
}

QPalette DarkPalette() {
  // Light text on dark grounds, as a dark desktop theme has them.
  QPalette dark;
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, QColor(0xe0, 0xe0, 0xe0));
  dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  return dark;
}

// The main window on a light or (true) a dark palette.
class PaletteTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) QApplication::setPalette(DarkPalette());
    MainWindowTest::SetUp();
    StartNewSession();
    SessionContent s;
    s.sGoal = QStringLiteral("A quieter street");
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed"});
    s.sngWeight = {0, 9.0f, 4.5f};
    Fill(s.sIdeas, s.nIdeas, {"Bells", "Maps"});
    PutContent(parts.document, s);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    QApplication::setPalette(original_);
  }
  bool dark() const { return GetParam(); }

 private:
  QPalette original_ = QApplication::palette();
};

TEST_P(PaletteTest, TheLogoTheBarsTheMeterAndTheIChingPicturesStandOutFromTheirGround) {
  const QColor windowColour = window->palette().color(QPalette::Window);
  EXPECT_GE(
      InkContrast(Find<QLabel>(window.get(), QStringLiteral("imgQuillaneLogo"))->pixmap(), windowColour),
      4.5);

  platform.OnNextDialog([&](QDialog& view) {
    const auto* grid = Find<QTableWidget>(&view, QStringLiteral("grdCriteria"));
    const QColor bar = grid->item(0, 2)->background().color();
    EXPECT_GE(Contrast(bar, grid->palette().color(QPalette::Base)), 4.5);
    if (!dark()) {
      EXPECT_EQ(bar, QColor(0, 0, 128));
    }
    view.close();
  });
  window->cmdButton_Click(Command::CriteriaView);

  platform.OnNextDialog([&](QDialog& ideas) {
    const QColor ground =
        Find<QWidget>(&ideas, QStringLiteral("panIdeasMeter"))->palette().color(QPalette::Window);
    const QColor meter =
        Find<QWidget>(&ideas, QStringLiteral("picIdeasMeter"))->palette().color(QPalette::Window);
    EXPECT_GE(Contrast(meter, ground), 3.0);
    if (!dark()) {
      EXPECT_EQ(meter, QColor(0, 0, 255));
    }

    const QColor page = ideas.palette().color(QPalette::Window);
    EXPECT_GE(InkContrast(Find<QLabel>(&ideas, QStringLiteral("picIChingArrow"))->pixmap(), page), 4.5);
    // The plain line: its band (rows 4 to 7) against the ground above it.
    const QImage line = Find<QLabel>(&ideas, QStringLiteral("picIChingLineOrg(0)"))->pixmap().toImage();
    const qreal ratio = line.devicePixelRatio();
    const QColor band = line.pixelColor(qRound(30 * ratio), qRound(5 * ratio));
    const QColor lineGround = line.pixelColor(qRound(30 * ratio), qRound(1 * ratio));
    if (dark()) {
      EXPECT_GE(Contrast(band, lineGround), 4.5);
    } else {
      EXPECT_EQ(band, QColor(0, 255, 255));
      EXPECT_EQ(lineGround, QColor(192, 192, 192));
    }
    ideas.close();
  });
  window->cmdButton_Click(Command::IChing);
}

// The desktop turns dark while the program runs, and light again: the logo,
// the meter of an open ideas dialog and the bars of an open view follow at once.
class PaletteTurnTest : public MainWindowTest {
 protected:
  void TearDown() override {
    MainWindowTest::TearDown();
    QApplication::setPalette(original_);
  }
  // Turns the desktop dark, then light again; after each turn `check`
  // looks at what is shown, told whether the palette is dark.
  template <typename Check>
  void TurnDarkAndBack(Check check) {
    for (const QPalette& turned : {DarkPalette(), original_}) {
      QApplication::setPalette(turned);
      QApplication::processEvents();  // the desktop's change reaches the widgets as an event
      const bool dark = turned.color(QPalette::Window).lightness() < 128;
      SCOPED_TRACE(dark ? "dark" : "light");
      check(turned, dark);
    }
  }

  QPalette original_ = QApplication::palette();
};

TEST_F(PaletteTurnTest, TheLogoTheIdeaMeterAndTheWeightBarsFollowTheDesktop) {
  StartNewSession();
  Seed(parts.document, [](SessionContent& s) { Fill(s.sIdeas, s.nIdeas, {"Bells", "Maps"}); });
  const auto* logo = Find<QLabel>(window.get(), QStringLiteral("imgQuillaneLogo"));
  platform.OnNextDialog([&](QDialog& ideas) {
    const auto* ground = Find<QWidget>(&ideas, QStringLiteral("panIdeasMeter"));
    const auto* meter = Find<QWidget>(&ideas, QStringLiteral("picIdeasMeter"));
    TurnDarkAndBack([&](const QPalette& turned, bool dark) {
      EXPECT_GE(InkContrast(logo->pixmap(), window->palette().color(QPalette::Window)), 4.5);
      EXPECT_EQ(ground->palette().color(QPalette::Window), turned.color(QPalette::Base));
      EXPECT_EQ(meter->palette().color(QPalette::Window) == QColor(0, 0, 255), !dark);
      EXPECT_GE(Contrast(meter->palette().color(QPalette::Window), ground->palette().color(QPalette::Window)),
                3.0);
    });
    ideas.close();
  });
  window->cmdButton_Click(Command::AutoSuggest);

  Seed(parts.document, [](SessionContent& s) {
    Fill(s.sCriteria, s.nCriteria, {"Cost", "Speed"});
    s.sngWeight = {0, 9.0f, 4.5f};
  });
  platform.OnNextDialog([&](QDialog& view) {
    const auto* grid = Find<QTableWidget>(&view, QStringLiteral("grdCriteria"));
    TurnDarkAndBack([&](const QPalette&, bool) {
      EXPECT_GE(Contrast(grid->item(0, 2)->background().color(), grid->palette().color(QPalette::Base)), 4.5);
    });
    view.close();
  });
  window->cmdButton_Click(Command::CriteriaView);
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "Dark" : "Light");
                         });

}  // namespace
}  // namespace quillane::test
