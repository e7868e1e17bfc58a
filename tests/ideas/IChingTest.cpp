// The I Ching consultation without windows: casting, hexagram numbers and
// the scroll of a changing line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ideas/IChing.h"
#include "support/ScriptedPlatform.h"

namespace quillane::test {
namespace {

// A random number that Int(r × 4) + 6 turns into `value`.
double DrawFor(int value) {
  return (value - 6) * 0.25 + 0.2;
}

struct Cast {
  std::vector<int> lines;  // from the bottom line up
  int index;
  int hexagram;
  const char* name;
  int changedHexagram;  // 0: no line changes
};

void PrintTo(const Cast& cast, std::ostream* out) {
  *out << cast.name;
}

class IChingCast : public ::testing::TestWithParam<Cast> {};

TEST_P(IChingCast, SixPressesGiveTheHexagramAndWhatItChangesInto) {
  const Cast& cast = GetParam();
  ScriptedPlatform platform;
  IChingState s;
  FillIChingTables(s);
  StartConsultation(s);
  for (int value : cast.lines) platform.randoms.push_back(DrawFor(value));
  for (int line = 1; line <= 6; ++line) {
    EXPECT_EQ(s.nIChingLine, line);
    EXPECT_EQ(CastLine(s, platform), cast.lines[line - 1]);
    EXPECT_EQ(s.nIChingWork, cast.lines[line - 1]);
  }
  EXPECT_TRUE(platform.randoms.empty()) << "one draw per line";
  EXPECT_EQ(s.nIChingLine, 6) << "the sixth press casts no further line";
  EXPECT_EQ(LinePatternIndex(s.nIChingB), cast.index);
  EXPECT_EQ(CastHexagram(s), cast.hexagram);
  EXPECT_EQ(HexagramCaption(s, cast.hexagram), QString::number(cast.hexagram) + "\r\n" + cast.name);
  EXPECT_EQ(s.bIChingFlag, cast.changedHexagram != 0);
  if (cast.changedHexagram != 0) {
    EXPECT_EQ(ChangeLines(s), cast.changedHexagram);
    EXPECT_TRUE(std::none_of(s.nIChingA.begin() + 1, s.nIChingA.end(), IsChangingLine));
  }
}

// Each case is named after the hexagram cast.
INSTANTIATE_TEST_SUITE_P(Casts, IChingCast,
                         ::testing::Values(Cast{{7, 7, 7, 7, 7, 7}, 64, 1, "Creative Power", 0},
                                           Cast{{8, 8, 8, 8, 8, 8}, 1, 2, "Receive", 0},
                                           Cast{{9, 8, 8, 8, 8, 8}, 2, 24, "Turning Point", 2},
                                           Cast{{7, 7, 6, 7, 7, 7}, 60, 10, "Sincerity", 1},
                                           Cast{{6, 6, 6, 9, 9, 9}, 57, 12, "Stagnation", 11}),
                         [](const ::testing::TestParamInfo<Cast>& info) {
                           std::string name = info.param.name;
                           std::erase(name, ' ');
                           return name;
                         });

TEST(IChing, EveryHexagramHasOneLinePattern) {
  IChingState s;
  FillIChingTables(s);
  std::vector<int> numbers(s.nIChingNum.begin() + 1, s.nIChingNum.begin() + 65);
  std::sort(numbers.begin(), numbers.end());
  for (int n = 1; n <= 64; ++n) EXPECT_EQ(numbers[static_cast<std::size_t>(n - 1)], n);
  EXPECT_EQ(s.sIChingText[64], QStringLiteral("Before Completion"));
}

TEST(IChing, DrawsAtTheEndsOfTheRangeStayLineValues) {
  ScriptedPlatform platform;
  IChingState s;
  StartConsultation(s);
  platform.randoms = {0.0, 0.999999, 1.0};
  EXPECT_EQ(CastLine(s, platform), 6);
  EXPECT_EQ(CastLine(s, platform), 9);
  EXPECT_EQ(CastLine(s, platform), 9);
  EXPECT_EQ(ChangedLine(6), 7);
  EXPECT_EQ(ChangedLine(9), 8);
}

TEST(IChing, TheStripScrollsOnePixelAndWrapsRoundItsEnd) {
  constexpr int kStrip = 60;
  constexpr int kBox = 40;
  IChingState s;
  s.nIChingScroll[2] = 19;
  EXPECT_EQ(ScrollChangingLine(s, 2, kStrip, kBox), (std::vector<StripCopy>{{20, 40, 0}}));
  EXPECT_EQ(ScrollChangingLine(s, 2, kStrip, kBox), (std::vector<StripCopy>{{21, 39, 0}, {0, 1, 39}}));
  EXPECT_EQ(s.nIChingFrame, 39);
  s.nIChingScroll[2] = 59;
  EXPECT_EQ(ScrollChangingLine(s, 2, kStrip, kBox), (std::vector<StripCopy>{{60, 0, 0}, {0, 40, 0}}));
  EXPECT_EQ(ScrollChangingLine(s, 2, kStrip, kBox), (std::vector<StripCopy>{{0, 40, 0}}));
  EXPECT_EQ(s.nIChingScroll[2], 0);
  for (int tick = 0; tick < kStrip + 1; ++tick) ScrollChangingLine(s, 2, kStrip, kBox);
  EXPECT_EQ(s.nIChingScroll[2], 0) << "one period is the strip's width plus one";
  EXPECT_EQ(s.nIChingScroll[1], 0) << "each line scrolls on its own";
}

}  // namespace
}  // namespace quillane::test
