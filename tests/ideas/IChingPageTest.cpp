// The I Ching page of the ideas dialog, driven as a user drives it.
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "../app/MainWindowFixture.h"
#include "ideas/widgets/frmIdeas.h"
#include "support/Parts.h"

namespace quillane::test {
namespace {

class IChingPageTest : public MainWindowTest {
 protected:
  // The draws that cast these line values, from the bottom line up.
  void WillCast(std::initializer_list<int> values) {
    for (int value : values) platform.randoms.push_back((value - 6) * 0.25 + 0.2);
  }
  static void Press(QDialog& d, int times = 1) {
    for (int i = 0; i < times; ++i) {
      QTest::mouseClick(Find<QPushButton>(&d, QStringLiteral("cmdIdeasIChing")), Qt::LeftButton);
    }
  }
  static QString Caption(QDialog& d, const QString& name) { return Find<QLabel>(&d, name)->text(); }
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
  SessionContent content;
  content.sGoal = QStringLiteral("a quieter office");
  PutContent(parts.document, content);
  WillCast({9, 8, 8, 8, 8, 8});
  OpenFromCommand([&](QDialog& d) {
    auto* ok = Find<QPushButton>(&d, QStringLiteral("cmdOk"));
    auto* cast = Find<QPushButton>(&d, QStringLiteral("cmdIdeasIChing"));
    EXPECT_EQ(Caption(d, QStringLiteral("lblIdeasIChingGoal")), QStringLiteral("a quieter office"));
    EXPECT_TRUE(cast->hasFocus());
    Press(d, 5);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(Caption(d, QStringLiteral("lblIdeasIChingNumber(0)")).isEmpty());
    Press(d);
    EXPECT_FALSE(cast->isEnabled());
    EXPECT_TRUE(ok->isEnabled());
    auto* entry = Find<QLineEdit>(&d, QStringLiteral("txtAddIdeas(4)"));
    EXPECT_TRUE(entry->hasFocus());
    EXPECT_EQ(Caption(d, QStringLiteral("lblIdeasIChingNumber(0)")), QStringLiteral("24\nTurning Point"));
    EXPECT_EQ(Caption(d, QStringLiteral("lblIdeasIChingNumber(1)")), QStringLiteral("2\nReceive"));
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(QStringLiteral("line %1 from the bottom").arg(i + 1).toStdString());
      EXPECT_EQ(Caption(d, QStringLiteral("lblIChingRowNo(%1)").arg(i)), QString::number(i + 1));
      EXPECT_EQ(Caption(d, QStringLiteral("lblIChingLineNo(%1)").arg(i)), i == 0 ? "9" : "");
      EXPECT_EQ(Ticking(d, i), i == 0);
      EXPECT_EQ(Visible(d, QStringLiteral("picIChingLineLeeg(%1)").arg(i)), i != 0) << "only broken lines";
      EXPECT_TRUE(Visible(d, QStringLiteral("picIChingLineLeeg2(%1)").arg(i))) << "line 1 changed to broken";
    }
    TypeAndEnter(entry, QStringLiteral("turn the desks round"));
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  EXPECT_TRUE(parts.progress.done(ProgressStep::IChing));
  EXPECT_EQ(parts.document.content().nIdeas, 1);
  EXPECT_TRUE(parts.document.isModified());
}

TEST_F(IChingPageTest, CancelMidCastRecordsNoStepAndKeepsTheIdeas) {
  WillCast({7, 7, 7});
  OpenFromCommand([&](QDialog& d) {
    Press(d, 3);
    EXPECT_FALSE(Find<QPushButton>(&d, QStringLiteral("cmdOk"))->isEnabled());
    EXPECT_FALSE(Ticking(d, 0) || Ticking(d, 1) || Ticking(d, 2)) << "unbroken lines stand still";
    Type(&d, "txtAddIdeas(4)", {"plants on every desk"});
    QTest::mouseClick(Find<QPushButton>(&d, QStringLiteral("cmdCancel")), Qt::LeftButton);
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
    EXPECT_EQ(Caption(d, QStringLiteral("lblIdeasIChingNumber(1)")), QStringLiteral("1\nCreative Power"));
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
