// The turn sequence played through the queue: opening roll and first side,
// the computer's turn with its pauses, closed-out sides, the confirmation wait.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/game_state.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"

namespace {

class TurnTest : public GameFixture {};

bool Contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

int WaitBalance(const FakeHost& h) {
  int n = 0;
  for (auto c : h.cursor) {
    if (c == FakeHost::Cursor::BeginWait) ++n;
    if (c == FakeHost::Cursor::EndWait) --n;
  }
  return n;
}

TEST_F(TurnTest, HumanTypesTwoStepsConfirmsAndTheComputerAnswers) {
  UseRolls("3 4  2 1  6 5");
  Start();
  Pump();
  // FirstMoveBy 2: the human opens although the dice would not decide so; the
  // first game with a fixed first side shows the roll on the mover's side.
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{3, 4, 0, 0}));
  EXPECT_EQ(view.Dice(DiceRow::Computer), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(LogLine(1), "Würfeln: 3+4");
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(view.status[0], "Wähle Startposition...");
  EXPECT_EQ(view.cube.text, "64");
  EXPECT_FALSE(view.cube.enabled);  // UseCube is off by default

  Key('A');
  EXPECT_EQ(LastLog(), "1ter von  A  nach  ");
  EXPECT_EQ(view.status[0], "Wähle Zielposition...");
  Key('E');
  EXPECT_EQ(LogLine(1), "1ter von  A  nach  E");
  EXPECT_EQ(LastLog(), "2ter von  ");
  EXPECT_EQ(Count(1), 1);
  EXPECT_EQ(Count(5), 1);
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{3, 0, 0, 0}));

  Key('L');
  EXPECT_EQ(LastLog(), "2ter von  L  nach  O");
  EXPECT_TRUE(wnd->m_awaitConfirm);
  EXPECT_EQ(view.status[0], "Rückgängig mit <Esc> oder rechter Maustaste");
  EXPECT_EQ(host.cursor.back(), FakeHost::Cursor::ConfirmOn);

  // A key that is no step key confirms; the computer's turn runs at once.
  host.pauses.clear();
  Key('Y');
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_FALSE(wnd->m_openingRoll);
  EXPECT_FALSE(wnd->m_firstGame);
  EXPECT_TRUE(Contains(host.pauses, 1500));
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(LogLine(5), " ");
  EXPECT_EQ(LogLine(4), "Würfeln: 2+1");
  EXPECT_EQ(LogLine(3).substr(0, 1), " ");
  EXPECT_EQ(LogLine(3).size(), 1u + 2 * 5u);  // " " and two "%c+%d  " groups
  EXPECT_EQ(LogLine(2), " ");
  EXPECT_EQ(LogLine(1), "Würfeln: 6+5");
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{6, 5, 0, 0}));
  EXPECT_EQ(view.Dice(DiceRow::Computer), (std::vector<int>{0, 0, 0, 0}));
  // Only logged rolls count.
  EXPECT_EQ(g_DiceSum[SideHuman], 3 + 4 + 6 + 5);
  EXPECT_EQ(g_DiceSum[SideComputer], 3);
  EXPECT_EQ(WaitBalance(host), 0);
  // The stored image is the board after the computer's turn.
  for (int i = 0; i < kBoardSize; ++i) EXPECT_EQ(g_BoardRecord[i].count, Count(i)) << i;
}

TEST_F(TurnTest, FirstSideByFirstMoveByAndAfterAFinishedGame) {
  // FirstMoveBy 0 in the first game: a tie lets the computer open, with four dice.
  SetOption("FirstMoveBy", 0);
  UseRolls("3 3  1 2");
  Start();
  EXPECT_EQ(g_turn, SideComputer);
  EXPECT_EQ(wnd->Queue().size(), 1u);
  Pump();
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(LogLine(4), "Würfeln: 3+3+3+3");
  EXPECT_EQ(g_DoublesCount[SideComputer], 1);
  EXPECT_EQ(LogLine(1), "Würfeln: 1+2");

  // FirstMoveBy 0 with different dice: the higher die, shown split.
  UseRolls("2 5");
  wnd->NewGame();
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(view.Dice(DiceRow::Computer), (std::vector<int>{2, 0, 0, 0}));
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{0, 5, 0, 0}));

  // A value outside 0 to 2 counts as 2: the human opens even with the lower die.
  g_FirstMoveBy = 7;
  wnd->m_firstGame = 1;
  UseRolls("6 1");
  wnd->NewGame();
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{6, 1, 0, 0}));

  // After a game ended through the dialog, once the computer has completed a
  // turn, the dice decide whatever FirstMoveBy says; a tie goes to the winner.
  g_FirstMoveBy = 2;
  wnd->m_firstGame = 0;
  dialogs.AnswerStatistics(IDOK, 0);
  dialogs.AnswerStatistics(IDOK, 0);
  UseRolls("5 2");
  wnd->GameOver(SideHuman, false);
  EXPECT_EQ(g_turn, SideComputer);
  Pump();
  UseRolls("4 4  1 2");
  wnd->GameOver(SideComputer, false);
  EXPECT_EQ(g_turn, SideComputer);
  Pump();
  EXPECT_EQ(LogLine(4), "Würfeln: 4+4+4+4");
  // A tie after the human won: the human opens, with four dice.
  dialogs.AnswerStatistics(IDOK, 0);
  UseRolls("2 2");
  wnd->GameOver(SideHuman, false);
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(LogLine(1), "Würfeln: 2+2+2+2");
}

TEST_F(TurnTest, PausesAfterTheSearchAndTheDiceSound) {
  EXPECT_EQ(TremaWnd::SearchPauseMs(false, 400), 1500);
  EXPECT_EQ(TremaWnd::SearchPauseMs(true, 400), 1100);
  EXPECT_EQ(TremaWnd::SearchPauseMs(true, 1500), 0);
  EXPECT_EQ(TremaWnd::SearchPauseMs(true, 2000), 0);
  EXPECT_EQ(TremaWnd::SearchPauseMs(true, -5), 1500);

  ini->WriteInt("Sounds", "DiceSoundActive", 1);
  UseRolls("3 4  5 5  1 2");
  Start();
  // The dice sound: 250 ms, then the file played synchronously, under the wait cursor.
  ASSERT_FALSE(host.sounds.empty());
  EXPECT_EQ(host.sounds[0].file, "dice.wav");
  EXPECT_FALSE(host.sounds[0].async);
  EXPECT_EQ(host.pauses.front(), 250);
  Key('A');
  Key('E');
  Key('L');
  host.pauses.clear();
  host.sounds.clear();
  Key('Y');
  // The computer's doubles: less than 1500 ms, by the search time.
  std::vector<int> afterSearch;
  for (int p : host.pauses)
    if (p != 250) afterSearch.push_back(p);
  ASSERT_EQ(afterSearch.size(), 1u);
  EXPECT_GT(afterSearch[0], 0);
  EXPECT_LE(afterSearch[0], 1500);
  EXPECT_EQ(host.sounds.size(), 2u);
  EXPECT_EQ(WaitBalance(host), 0);

  // In a race no pause follows the search.
  SetBoard("1:8c 2:7c 20:8h 22:7h");
  g_SoundActive[SoundDice] = 0;
  HumanTurnWith(1, 2);
  UseRolls("3 4  1 2");
  host.pauses.clear();
  Key('T');
  Key('U');  // 20 to 21
  Key('T');  // 20 to 22 with the last die; a race hands over at once
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_FALSE(Contains(host.pauses, 1500));
  EXPECT_EQ(LastLog(), "1ter von  ");
}

TEST_F(TurnTest, ClosedOutSidesAreNeitherShownNorCounted) {
  UseRolls("3 4");
  Start();
  Pump();
  // A blot closes no point: the roll is shown and logged.
  SetHumanShutOut(24);
  wnd->m_board[6]->RemovePiece();
  g_turn = SideComputer;
  wnd->m_openingRoll = 0;
  UseRolls("5 6");
  wnd->NextTurn();
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{5, 6, 0, 0}));
  EXPECT_EQ(LogLine(1), "Würfeln: 5+6");

  SetHumanShutOut(24);
  g_turn = SideComputer;
  wnd->m_openingRoll = 0;
  const int sum = g_DiceSum[SideHuman];
  const size_t lines = wnd->LogLines().size();
  UseRolls("5 6  1 2");
  wnd->NextTurn();
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(g_DiceSum[SideHuman], sum);
  EXPECT_EQ(wnd->LogLines().size(), lines + 1);
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(view.Dice(DiceRow::Human), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(view.status[0], "Du kannst nicht ziehen. Drücke die Leertaste oder würfle");
  // Space passes: the prompt becomes "Kein Zug" and the computer moves.
  host.pauses.clear();
  Key(VK_SPACE);
  EXPECT_EQ(g_turn, SideHuman);
  const auto& log = wnd->LogLines();
  EXPECT_TRUE(std::find(log.begin(), log.end(), "Kein Zug") != log.end());
  EXPECT_TRUE(std::find(log.begin(), log.end(), "Würfeln: 1+2") != log.end());

  // The computer on its bar against six closed points: 100 ms, blank lines only.
  SetBoard(kComputerShutOut + " 10:3h 5:14c");
  HumanTurnWith(1, 2);
  Key('J');
  Key('K');
  Key('J');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  host.pauses.clear();
  const int computerSum = g_DiceSum[SideComputer];
  Key('Y');
  EXPECT_TRUE(Contains(host.pauses, 100));
  EXPECT_FALSE(Contains(host.pauses, 1500));
  EXPECT_EQ(g_DiceSum[SideComputer], computerSum);
  EXPECT_EQ(LogLine(3), " ");
  EXPECT_EQ(LogLine(2), " ");
  EXPECT_EQ(Count(25), 1);
}

TEST_F(TurnTest, ConfirmationWaitTakesBackOrHandsOver) {
  UseRolls("3 4  2 1  6 5  2 1  1 2  2 1  3 4");
  Start();
  Pump();
  Key('A');
  Key('E');
  Key('L');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  const size_t lines = wnd->LogLines().size();

  // Esc takes the last step back: one log line less, a fresh prompt.
  Key(VK_ESCAPE);
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_EQ(host.cursor.back(), FakeHost::Cursor::ConfirmOff);
  EXPECT_EQ(wnd->m_stepCount, 1);
  EXPECT_EQ(Count(12), 5);
  EXPECT_EQ(wnd->LogLines().size(), lines);
  EXPECT_EQ(LastLog(), "2ter von  ");
  EXPECT_EQ(g_turn, SideHuman);

  // A character (the trend key) neither ends the wait nor is consumed.
  Key('L');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  Char('?');
  EXPECT_TRUE(wnd->m_awaitConfirm);
  EXPECT_EQ(view.status[2], "= Spieler führt bei 7 =");

  // A right click takes back as well.
  RightClickAt(1, 1);
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_EQ(wnd->m_stepCount, 1);
  EXPECT_TRUE(view.contextMenus.empty());

  // "&Rückgängig" from the menu takes back too.
  Key('L');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  Command(ID_UNDO_STEP);
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_EQ(wnd->m_stepCount, 1);
  EXPECT_EQ(g_UndoneThisTurn, 1);

  // Ctrl+N during the wait only hands over: no question is asked. The next
  // turn starts with nothing taken back.
  Key('L');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  Key('N', MK_CONTROL_FLAG);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(LogLine(1), "Würfeln: 6+5");
  EXPECT_EQ(g_UndoneThisTurn, 0);

  // A left click beside the board ends the wait and hands over.
  ASSERT_TRUE(PlayFirstLegalStep());
  ASSERT_TRUE(PlayFirstLegalStep());
  ASSERT_TRUE(wnd->m_awaitConfirm);
  ClickAt(1, 1);
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_EQ(LogLine(1), "Würfeln: 1+2") << "the turn went to the computer and back";

  // With AutoChangeTurn there is no wait.
  g_AutoChangeTurn = 1;
  ASSERT_TRUE(PlayFirstLegalStep());
  ASSERT_TRUE(PlayFirstLegalStep());
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_EQ(LogLine(1), "Würfeln: 3+4");
  EXPECT_EQ(WaitBalance(host), 0);
}

TEST_F(TurnTest, PostedCommandsComeBeforeQueuedInput) {
  UseRolls("3 4  2 1  6 5");
  SetOption("AutoChangeTurn", 1);
  Start();
  Pump();
  Key('A');
  Key('E');
  // The last step, then clicks on the computer's checkers and a pass, all queued
  // before anything runs: the hand-over comes first and drops the rest.
  QueueKey('L');
  QueueKey('O');
  QueueClickEntry(24);
  QueueClickEntry(13);
  QueueKey(VK_SPACE);
  QueueKey(VK_SPACE);
  Pump();
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(LogLine(1), "Würfeln: 6+5");
  EXPECT_EQ(LastLog(), "1ter von  ");
  int noMove = 0;
  for (const auto& l : wnd->LogLines())
    if (l == "Kein Zug") ++noMove;
  EXPECT_EQ(noMove, 0);
  EXPECT_EQ(CountCheckers(0, 25, wnd->m_board, SideComputer), 15);

  // Handlers called directly once the turn is handed over do nothing, so a
  // second pass can never post a second hand-over.
  SetHumanShutOut(24);
  HumanTurnWith(3, 4);
  wnd->Queue().Clear();
  wnd->OnPass();
  wnd->OnPass();
  wnd->OnKeyDown('A', 1, 0);
  wnd->OnUndo();
  EXPECT_EQ(wnd->Queue().size(), 1u);
  EXPECT_EQ(Count(0), 1);
}

TEST_F(TurnTest, ClocksRunOnlyWhileTheSideThinks) {
  // The clock functions: a total larger than the tick never reads as running.
  g_ThinkTime[SideHuman] = 5000;
  StopThinkClock(SideHuman, 100);
  EXPECT_EQ(g_ThinkTime[SideHuman], 5000);
  StartThinkClock(SideHuman, 0xFFFFFF00u);
  StartThinkClock(SideHuman, 0);  // already running: no change
  EXPECT_EQ(ThinkTimeNow(SideHuman, 0x100u), 5000 + 0x200);
  StopThinkClock(SideHuman, 0x100u);
  EXPECT_EQ(g_ThinkTime[SideHuman], 5000 + 0x200);
  EXPECT_FALSE(g_ThinkRunning[SideHuman]);
  StartThinkClock(0, 1);
  StopThinkClock(3, 1);

  UseRolls("3 4  2 1  6 5");
  Start();
  Pump();
  EXPECT_EQ(g_ThinkTime[SideHuman], 0);
  EXPECT_TRUE(g_ThinkRunning[SideHuman]);
  host.tick += 3000;
  Key('A');
  Key('E');
  EXPECT_EQ(g_ThinkTime[SideHuman], 3000);
  host.tick += 1000;
  Key('L');
  EXPECT_FALSE(g_ThinkRunning[SideHuman]);
  EXPECT_EQ(g_ThinkTime[SideHuman], 4000);
  host.tick += 50000;  // the confirmation wait does not count
  Key('Y');
  EXPECT_EQ(g_ThinkTime[SideHuman], 4000);
  // The computer's clock holds at least its pause.
  EXPECT_GE(g_ThinkTime[SideComputer], 1500);
  EXPECT_FALSE(g_ThinkRunning[SideComputer]);

  // A pass stops the human's clock, which would otherwise count the computer's turn.
  SetHumanShutOut(24);
  HumanTurnWith(3, 4);
  const int32_t before = g_ThinkTime[SideHuman];
  host.tick += 700;
  wnd->OnPass();
  EXPECT_EQ(g_ThinkTime[SideHuman], before + 700);
  EXPECT_FALSE(g_ThinkRunning[SideHuman]);

  // A new game and a new turn clear the best-move mark.
  wnd->m_hintMade = 1;
  Pump();
  EXPECT_FALSE(wnd->m_hintMade);
  wnd->m_hintMade = 1;
  wnd->NewGame();
  EXPECT_FALSE(wnd->m_hintMade);
}

}  // namespace
