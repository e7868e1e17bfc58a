// The I Ching consultation: casting, hexagram numbers and the scroll of a
// changing line, and its page of the ideas dialog, driven as a user drives it.
#include <QTimer>
#include <algorithm>
#include <vector>

#include "IdeasPagesFixture.h"
#include "ideas/IChing.h"

namespace quillane::test {
namespace {

// A random number that Int(r × 4) + 6 turns into `value`.
double DrawFor(int value) {
  return (value - 6) * 0.25 + 0.2;
}

TEST(IChing, SixPressesGiveTheHexagramAndWhatItChangesInto) {
  const struct {
    std::vector<int> lines;  // from the bottom line up
    int index, hexagram;
    const char* name;
    int changedHexagram;  // 0: no line changes
  } casts[] = {{{7, 7, 7, 7, 7, 7}, 64, 1, "Creative Power", 0},
               {{8, 8, 8, 8, 8, 8}, 1, 2, "Receive", 0},
               {{9, 8, 8, 8, 8, 8}, 2, 24, "Turning Point", 2},
               {{7, 7, 6, 7, 7, 7}, 60, 10, "Sincerity", 1},
               {{6, 6, 6, 9, 9, 9}, 57, 12, "Stagnation", 11}};
  for (const auto& cast : casts) {
    SCOPED_TRACE(cast.name);
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
}

TEST(IChing, EveryHexagramHasOneLinePattern) {
  IChingState s;
  FillIChingTables(s);
  std::vector<int> numbers(s.nIChingNum.begin() + 1, s.nIChingNum.begin() + 65);
  std::sort(numbers.begin(), numbers.end());
  for (int n = 1; n <= 64; ++n) EXPECT_EQ(numbers[static_cast<std::size_t>(n - 1)], n);
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

class IChingPageTest : public IdeasPagesTest {
 protected:
  // The draws that cast these line values, from the bottom line up.
  void WillCast(std::initializer_list<int> values) {
    for (int value : values) platform.randoms.push_back(DrawFor(value));
  }
  static void Press(QDialog& d, int times = 1) {
    for (int i = 0; i < times; ++i) Click(d, "cmdIdeasIChing");
  }
  static bool Visible(QDialog& d, const QString& name) { return Find(&d, name)->isVisibleTo(&d); }
  static bool Ticking(QDialog& d, int line) {
    return Find<QTimer>(&d, QStringLiteral("tmrIChing(%1)").arg(line))->isActive();
  }
  // The command is reachable only before a session begins.
  void OpenFromCommand(const ScriptedPlatform::DialogScript& script) {
    parts.commands.EnableMenu(Menu::kIdeas, true);
    parts.commands.EnableFrame(Menu::kIdeas, true);
    parts.commands.EnableButton(Command::IChing, true);
    platform.OnNextDialog(script);
    PressMenu(Menu::kIdeas);
    PressCommand(Command::IChing);
  }
};

TEST_F(IChingPageTest, SixthPressShowsBothHexagramsAndOpensOk) {
  Seed(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("a quieter office"); });
  WillCast({9, 8, 8, 8, 8, 8});
  OpenFromCommand([&](QDialog& d) {
    EXPECT_EQ(LabelText(d, "lblIdeasIChingGoal"), QStringLiteral("a quieter office"));
    EXPECT_TRUE(Find(&d, QStringLiteral("cmdIdeasIChing"))->hasFocus());
    Press(d, 5);
    EXPECT_FALSE(Enabled(d, "cmdOk"));
    EXPECT_TRUE(LabelText(d, "lblIdeasIChingNumber(0)").isEmpty());
    Press(d);
    EXPECT_FALSE(Enabled(d, "cmdIdeasIChing"));
    EXPECT_TRUE(Enabled(d, "cmdOk"));
    auto* entry = Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(4)"));
    EXPECT_TRUE(entry->hasFocus());
    EXPECT_EQ(LabelText(d, "lblIdeasIChingNumber(0)"), QStringLiteral("24\nTurning Point"));
    EXPECT_EQ(LabelText(d, "lblIdeasIChingNumber(1)"), QStringLiteral("2\nReceive"));
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(QStringLiteral("line %1 from the bottom").arg(i + 1).toStdString());
      EXPECT_EQ(LabelText(d, QStringLiteral("lblIChingLineNo(%1)").arg(i)), i == 0 ? "9" : "");
      EXPECT_EQ(Ticking(d, i), i == 0);
      EXPECT_EQ(Visible(d, QStringLiteral("picIChingLineLeeg(%1)").arg(i)), i != 0) << "only broken lines";
      EXPECT_TRUE(Visible(d, QStringLiteral("picIChingLineLeeg2(%1)").arg(i))) << "line 1 changed to broken";
    }
    TypeAndEnter(entry, QStringLiteral("turn the desks round"));
    Click(d, "cmdOk");
  });
  EXPECT_TRUE(parts.progress.done(ProgressStep::IChing));
  EXPECT_EQ(parts.document.content().nIdeas, 1);
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(IChingPageTest, CancelMidCastRecordsNoStepAndKeepsTheIdeas) {
  WillCast({7, 7, 7});
  OpenFromCommand([&](QDialog& d) {
    Press(d, 3);
    EXPECT_FALSE(Enabled(d, "cmdOk"));
    EXPECT_FALSE(Ticking(d, 0) || Ticking(d, 1) || Ticking(d, 2)) << "unbroken lines stand still";
    Type(&d, "txtAddIdeas(4)", {"plants on every desk"});
    Click(d, "cmdCancel");
  });
  EXPECT_FALSE(parts.progress.done(ProgressStep::IChing));
  EXPECT_EQ(parts.document.content().nIdeas, 1);
}

TEST_F(IChingPageTest, AChangingLineScrollsWhileShownAndEveryTimerStopsOnClose) {
  frmIdeas dialog(parts.document, parts.prompter, parts.events, parts.constants, parts.help(), IdeasStates(),
                  SuppliedPages(), window.get());
  dialog.ShowPage(frmIdeas::kIChing);
  WillCast({6, 7, 7, 7, 7, 7});
  platform.OnNextDialog([&](QDialog& d) {
    Press(d, 6);
    EXPECT_EQ(LabelText(d, "lblIdeasIChingNumber(1)"), QStringLiteral("1\nCreative Power"));
    EXPECT_FALSE(Visible(d, QStringLiteral("picIChingLineLeeg2(0)"))) << "6 changes to unbroken";
    auto* box = Find(&d, QStringLiteral("picIChingHex1(0)"));
    const QImage before = box->grab().toImage();
    for (int tick = 1; tick <= 30; ++tick)
      QMetaObject::invokeMethod(Find<QTimer>(&d, "tmrIChing(0)"), "timeout");
    EXPECT_EQ(parts.states.iching.nIChingScroll[0], 30);
    EXPECT_NE(box->grab().toImage(), before) << "the wave moves";
    Click(d, "cmdCancel");
  });
  ShowIdeasDialog(dialog, frmIdeas::kIChing);
  for (QTimer* timer : dialog.findChildren<QTimer*>())
    EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
  EXPECT_EQ(parts.states.iching.nIChingScroll[0], 30) << "the scroll is kept for the program's run";
}

}  // namespace
}  // namespace quillane::test
