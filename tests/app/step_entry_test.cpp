// Step entry by keys and clicks, taking back, forced steps, passing and the
// highlight of targets.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/game_state.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"

namespace {

class StepEntryTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    UseRolls("3 4  2 1");
    Start();
    Pump();
  }
  bool Paused(int ms) const { return std::find(host.pauses.begin(), host.pauses.end(), ms) != host.pauses.end(); }
};

constexpr const char* kBarFirst = "Spiele zuerst die geschlagenen Spielsteine";
constexpr const char* kMustPlayBoth =
    "Sie müssen wenn möglich die Augenzahl beider Würfel ziehen!\n\nMachen Sie den letzten Zug rückgängig und "
    "versuchen Sie es erneut.";

TEST_F(StepEntryTest, KeysClicksAndRefusedEntries) {
  // A wrong distance restarts the step after 200 ms with the line rewritten.
  const size_t lines = wnd->LogLines().size();
  Key('A');
  Key('C');
  EXPECT_TRUE(Paused(200));
  EXPECT_EQ(wnd->LogLines().size(), lines);
  EXPECT_EQ(LastLog(), "1ter von  ");
  // A point of the computer as the source, and a blocked destination.
  Key('F');
  EXPECT_EQ(LastLog(), "1ter von  ");
  Key('A');
  Key('E');
  EXPECT_EQ(Count(5), 1);  // 1 to 5 with the 4
  // One die left: a click on a point makes the whole step.
  ClickEntry(12);
  EXPECT_EQ(Count(12), 4);
  EXPECT_EQ(Count(15), 1);
  EXPECT_EQ(LogLine(0), "2ter von  L  nach  O");
  EXPECT_TRUE(wnd->m_awaitConfirm);

  // Doubles propose the destination themselves; "0" from the bar enters.
  SetHumanOnBar();
  HumanTurnWith(2, 2);
  Key('0');
  EXPECT_EQ(LogLine(1), "1ter von  0  nach  B");
  EXPECT_EQ(Count(0), 0);
  EXPECT_EQ(Count(2), 1);
  // Clicking either bar or tray gives the key "0": with nothing on the bar a refused source.
  ClickEntry(kComputerBar);
  EXPECT_EQ(LastLog(), "2ter von  ");

  // A point chosen while a checker waits on the bar: the hint, the reminder, a restart.
  SetHumanOnBar();
  HumanTurnWith(3, 5);
  view.statusHistory.clear();
  Key('L');
  EXPECT_EQ(view.StatusCount(kBarFirst, 2), 1);
  EXPECT_EQ(view.status[2], "");  // the new prompt clears it again
  EXPECT_EQ(Count(0), 1);
  EXPECT_EQ(LastLog(), "1ter von  ");
  Key('0');
  EXPECT_EQ(view.status[0], "Wähle Zielposition...");
  Key('C');
  EXPECT_EQ(Count(3), 1);

  // A click outside every entry passes only when nothing can be played.
  ClickAt(1, 1);
  EXPECT_EQ(wnd->m_stepCount, 1);
  EXPECT_EQ(g_turn, SideHuman);

  // Letters Y and Z, and keys that are no step keys, are ignored.
  const size_t before = wnd->LogLines().size();
  const std::string last = LastLog();
  wnd->OnKeyDown('Y', 1, 0);
  wnd->OnKeyDown('1', 1, 0);
  EXPECT_EQ(wnd->LogLines().size(), before);
  EXPECT_EQ(LastLog(), last);
}

TEST_F(StepEntryTest, BearingOffWithTheZeroKey) {
  // Not a race (a computer checker is still behind), so nothing is proposed.
  SetBoard("20:1h 22:1h 27:13h 3:14c 21:1c");
  HumanTurnWith(6, 4);
  // "0" as the destination bears off with the die BearOffDie picks (the 6 from 20).
  Key('T');
  EXPECT_EQ(view.status[0], "Wähle Zielposition...");
  Key('0');
  EXPECT_EQ(Count(kHumanTray), 14);
  EXPECT_EQ(Count(20), 0);
  EXPECT_EQ(wnd->m_dice->count, 1);
  EXPECT_EQ(wnd->m_dice->die[0], 4);
  // The bear-off is taken back without a hit: tray down, point up, two lines less.
  const size_t lines = wnd->LogLines().size();
  Key(VK_ESCAPE);
  EXPECT_EQ(Count(kHumanTray), 13);
  EXPECT_EQ(Count(20), 1);
  EXPECT_EQ(Owner(20), SideHuman);
  EXPECT_EQ(wnd->m_dice->count, 2);
  EXPECT_EQ(wnd->m_dice->die[1], 6) << "the die comes back behind the one left";
  EXPECT_EQ(wnd->LogLines().size(), lines - 1);
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(g_UndoneThisTurn, 1);
}

TEST_F(StepEntryTest, UndoPutsBackOnlyRealHits) {
  const char* const blot = "1:2h 12:5h 17:3h 19:5h 5:1c 6:4c 8:3c 13:5c 24:2c";
  SetBoard(blot);
  HumanTurnWith(4, 2);
  Key('A');
  Key('E');
  EXPECT_EQ(g_HitCount[SideHuman], 1);
  EXPECT_EQ(Count(kComputerBar), 1);
  EXPECT_EQ(Owner(5), SideHuman);
  Key(VK_ESCAPE);
  EXPECT_EQ(g_HitCount[SideHuman], 0);
  EXPECT_EQ(Count(kComputerBar), 0);
  EXPECT_EQ(Count(5), 1);
  EXPECT_EQ(Owner(5), SideComputer);
  EXPECT_EQ(Count(1), 2);

  // A stale board image that names the computer on the destination (as after
  // a side swap) must not pull a checker off an empty bar.
  SetStartBoard();
  g_BoardRecord[5].owner = SideComputer;
  g_BoardRecord[5].count = 1;
  HumanTurnWith(4, 2);
  Key('A');
  Key('E');
  Key(VK_ESCAPE);
  EXPECT_EQ(Count(5), 0);
  EXPECT_EQ(Owner(5), SideNone);
  EXPECT_EQ(Count(kComputerBar), 0);
  EXPECT_EQ(CountCheckers(0, 27, wnd->m_board, SideComputer), 15);
  EXPECT_EQ(g_HitCount[SideHuman], 0);

  // A step entered from the bar goes back onto the bar.
  SetHumanOnBar();
  HumanTurnWith(3, 4);
  Key('0');
  Key('C');
  EXPECT_EQ(Count(0), 0);
  RightClickAt(1, 1);
  EXPECT_EQ(Count(0), 1);
  EXPECT_EQ(Count(3), 0);

  // Without a step Esc does nothing, even with a source chosen; the right
  // button cancels the source, and with neither opens the menu.
  Key('0');
  ASSERT_EQ(wnd->m_curStep[0], 0);
  const size_t lines = wnd->LogLines().size();
  Key(VK_ESCAPE);
  EXPECT_EQ(wnd->m_curStep[0], 0);
  EXPECT_EQ(wnd->LogLines().size(), lines);
  RightClickAt(300, 200);
  EXPECT_EQ(wnd->m_curStep[0], 0xFF);
  EXPECT_TRUE(view.contextMenus.empty());
  RightClickAt(300, 200);
  ASSERT_EQ(view.contextMenus.size(), 1u);
  EXPECT_EQ(view.contextMenus[0].x, 300);
}

TEST_F(StepEntryTest, ForcedStepsAndPassing) {
  g_AutoForcedMoves = 1;
  // With 6-1 only the checker on 11 can play the 6: played at once, the 1 not.
  SetBoard("10:2h 11:1h 19:12h 16:2c 2:13c");
  HumanTurnWith(6, 1);
  EXPECT_EQ(Count(11), 0);
  EXPECT_EQ(Count(17), 1);
  EXPECT_EQ(LogLine(1), "1ter von  K  nach  Q");
  EXPECT_EQ(LastLog(), "2ter von  ");
  // After a take-back nothing is forced again this turn.
  Key(VK_ESCAPE);
  EXPECT_EQ(Count(11), 1);
  EXPECT_EQ(wnd->m_stepCount, 0);
  EXPECT_EQ(LastLog(), "1ter von  ");

  // One checker on the bar, both dice enter: neither entry is forced. (The
  // turns set up here do not pass NextTurn, which clears the take-back.)
  g_UndoneThisTurn = 0;
  SetBoard("0:1h 19:14h 1:2c 2:13c");
  HumanTurnWith(3, 4);
  EXPECT_EQ(Count(0), 1);
  EXPECT_EQ(wnd->m_stepCount, 0);
  // Only the 3 enters (4 is closed): that entry is forced.
  SetBoard("0:1h 19:14h 4:2c 2:13c");
  HumanTurnWith(3, 4);
  EXPECT_EQ(Count(0), 0);
  EXPECT_EQ(Count(3), 1);
  EXPECT_EQ(wnd->m_stepCount, 1);
  // As many checkers on the bar as dice: both entries are forced.
  SetBoard("0:2h 19:13h 1:2c 2:13c");
  HumanTurnWith(3, 4);
  EXPECT_EQ(Count(0), 0);
  EXPECT_EQ(Count(3) + Count(4), 2);
  g_AutoForcedMoves = 0;

  // Both dice must be played: a pass after a step that blocks the other die is
  // refused with 1047, and nothing changes.
  SetBoard("5:1h 15:1h 24:13h 11:2c 21:2c 23:2c 2:9c");
  HumanTurnWith(6, 2);
  EXPECT_TRUE(wnd->m_mustPlayBoth);
  Key('O');
  Key('Q');
  ASSERT_EQ(Count(17), 1);
  EXPECT_EQ(view.status[0], "Du kannst nicht ziehen. Drücke die Leertaste oder würfle");
  const auto log = wnd->LogLines();
  host.Answer(IDOK);
  Key(VK_SPACE);
  EXPECT_EQ(BoxCount(kMustPlayBoth), 1);
  EXPECT_EQ(host.boxes.back().type, MB_OK | MB_ICONEXCLAMATION);
  EXPECT_EQ(wnd->LogLines(), log);
  EXPECT_EQ(wnd->m_dice->count, 1);
  EXPECT_EQ(g_turn, SideHuman);
  // Taking it back and playing the other way uses both dice.
  Key(VK_ESCAPE);
  Key('E');
  Key('G');
  Key('G');
  EXPECT_EQ(Count(13), 1);
  EXPECT_TRUE(wnd->m_awaitConfirm);
}

// The right button with a source chosen cancels it (line and highlight);
// nothing to play: a click beside the board passes with "Kein Zug" in place
// of the prompt; the trend bar is drawn again after a step.
TEST_F(StepEntryTest, RightClickCancelsTheSourceAndAClickBesideTheBoardPasses) {
  g_HighLight = 2;
  SetBoard("1:2h 19:13h 6:5c 8:10c");
  HumanTurnWith(6, 5);
  Key('A');
  ASSERT_EQ(LastLog(), "1ter von  A  nach  ");
  ASSERT_NE(static_cast<PositionTop*>(wnd->m_board[1])->labelColor, 0);
  RightClickAt(1, 1);
  EXPECT_EQ(wnd->m_curStep[0], 0xFF);
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(static_cast<PositionTop*>(wnd->m_board[1])->labelColor, 0);
  EXPECT_TRUE(view.contextMenus.empty());
  const int bars = view.trendBars;
  Key('A');
  Key('G');
  EXPECT_EQ(Count(7), 1);
  EXPECT_GT(view.trendBars, bars) << "the trend bar comes back after the move";
  EXPECT_EQ(static_cast<PositionTop*>(wnd->m_board[1])->labelColor, 0) << "no highlight outlives the step";
  EXPECT_EQ(g_HoverPoint, -1) << "nor the hover's";
  EXPECT_EQ(static_cast<PositionTop*>(wnd->m_board[7])->labelColor, 0);

  // On the bar before a closed board: nothing to play.
  SetHumanShutOut(13);
  HumanTurnWith(6, 5);
  ASSERT_EQ(LastLog(), "1ter von  ");
  ASSERT_EQ(LogLine(1), "2ter von  ");  // left from the turn before
  ClickAt(1, 1);
  const auto& log = wnd->LogLines();
  const auto noMove = std::find(log.begin(), log.end(), "Kein Zug");
  ASSERT_NE(noMove, log.end()) << "passed";
  ASSERT_NE(noMove, log.begin());
  EXPECT_EQ(*(noMove - 1), "2ter von  ") << "in place of the prompt";
}

TEST_F(StepEntryTest, TargetsOfTheHighlight) {
  auto labels = [&]() {
    std::vector<int> lit;
    for (int i = 1; i <= 24; ++i)
      if (static_cast<PositionTop*>(wnd->m_board[i])->labelColor) lit.push_back(i);
    return lit;
  };
  SetStartBoard();
  HumanTurnWith(4, 4);
  wnd->HighlightPoint(1, true);
  EXPECT_EQ(labels(), (std::vector<int>{1, 5, 9}));  // 13 is closed
  wnd->HighlightPoint(1, false);
  EXPECT_TRUE(labels().empty());
  // A blocked way stops the walk: 12 + 4 = 16 is open, 20 own, 24 the computer's.
  wnd->HighlightPoint(12, true);
  EXPECT_EQ(labels(), (std::vector<int>{12, 16, 20}));
  wnd->HighlightPoint(12, false);

  // Two different dice: both orders.
  HumanTurnWith(2, 3);
  wnd->HighlightPoint(12, true);
  EXPECT_EQ(labels(), (std::vector<int>{12, 14, 15, 17}));
  wnd->HighlightPoint(12, false);

  // Two checkers on the bar: only the single-die entry points.
  SetBoard("0:2h 19:13h 6:5c 8:10c");
  HumanTurnWith(2, 2);
  wnd->HighlightPoint(0, true);
  EXPECT_EQ(labels(), (std::vector<int>{2}));
  wnd->HighlightPoint(0, false);
  wnd->HighlightPoint(19, true);  // no other source while the bar holds checkers
  EXPECT_EQ(labels(), (std::vector<int>{19}));
  wnd->HighlightPoint(19, false);

  // The hover follows the mouse; with setting 2 it stays once a source is chosen.
  SetStartBoard();
  HumanTurnWith(2, 3);
  wnd->OnMouseMove(0, EntryCentre(19));
  EXPECT_EQ(g_HoverPoint, 19);
  wnd->OnKeyDown('A', 1, 1);  // a typed key moves the hover to its entry
  EXPECT_EQ(g_HoverPoint, 1);
  EXPECT_EQ(labels(), (std::vector<int>{1, 3, 4}));  // 6 is closed
  wnd->OnMouseMove(0, EntryCentre(12));
  EXPECT_EQ(g_HoverPoint, 1);

  // Bearing off: the human's tray is a target; the hover never takes it.
  SetBoard("19:3h 22:12h 6:15c");
  HumanTurnWith(3, 1);
  wnd->HighlightPoint(22, true);
  EXPECT_TRUE(wnd->TrayHighlight());
  wnd->HighlightPoint(22, false);
  EXPECT_FALSE(wnd->TrayHighlight());
  wnd->OnMouseMove(0, EntryCentre(22));
  ASSERT_EQ(g_HoverPoint, 22);
  wnd->OnMouseMove(0, EntryCentre(kHumanTray));
  EXPECT_EQ(g_HoverPoint, -1);
}

}  // namespace
