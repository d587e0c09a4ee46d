// Swapping sides, the best move and the automatic finish.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/position_file.h"
#include "platform/file_io.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"
#include "tests/support/game_snapshot.h"

namespace {

const char* const kHoldEsc = "<Esc> gedrückt halten um abzubrechen";
const char* const kChooseSource = "Wähle Startposition...";
const char* const kCannotMove = "Du kannst nicht ziehen. Drücke die Leertaste oder würfle";

class AssistsTest : public GameFixture {
 protected:
  int Pauses(int ms) const {
    int n = 0;
    for (int p : host.pauses) n += p == ms ? 1 : 0;
    return n;
  }
  // For the next case of a table: no window, fresh fakes, no settings file.
  void Restart() {
    if (!wnd) return;
    wnd.reset();
    ResetGlobals();
    dialogs = FakeDialogs{};
    host = FakeHost{};
    view = FakeView{};
    std::filesystem::remove(iniPath);
  }
};

TEST_F(AssistsTest, SwappingTwiceGivesTheBoardBack) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  SetBoard("0:1h 5:3h 12:4h 19:4h 27:3h 3:2c 8:5c 20:2c 26:6c");
  HumanTurnWith(3, 4);
  const std::vector<int> board = BoardOf(*wnd);
  const std::vector<std::string> log = wnd->LogLines();

  Command(ID_SWAP_SIDES);
  // The human's bar checker is the computer's now; points end for end; the trays exchanged.
  EXPECT_EQ(Count(kComputerBar), 1);
  EXPECT_EQ(Count(kHumanBar), 0);
  EXPECT_EQ(Count(20), 3);
  EXPECT_EQ(Owner(20), SideComputer);
  EXPECT_EQ(Count(22), 2);
  EXPECT_EQ(Owner(22), SideHuman);
  EXPECT_EQ(Count(5), 2);
  EXPECT_EQ(Owner(5), SideHuman);
  EXPECT_EQ(Count(kComputerTray), 3);
  EXPECT_EQ(Count(kHumanTray), 6);
  EXPECT_EQ(wnd->m_dice->die[0], 3);
  EXPECT_EQ(wnd->m_dice->die[1], 4);
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(wnd->LogLines(), log);

  // A save after the swap writes the board on show.
  dialogs.files.push_back(dir + "/swapped.pos");
  Command(ID_FILE_SAVE_AS);
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(dir + "/swapped.pos", bytes, kPositionFileSize), FileState::Read);
  const std::optional<PositionRecord> saved = DecodePositionFile(bytes);
  ASSERT_TRUE(saved.has_value());
  for (int i = 0; i < kBoardSize; ++i) {
    EXPECT_EQ(saved->board[i].count, Count(i)) << i;
    EXPECT_EQ(saved->board[i].owner, Owner(i)) << i;
  }

  Command(ID_SWAP_SIDES);
  EXPECT_EQ(BoardOf(*wnd), board);
  EXPECT_EQ(wnd->m_dice->count, 2);
  EXPECT_EQ(wnd->LogLines(), log);
}

TEST_F(AssistsTest, BestMovePlaysAtTheStrongestLevelAndWaitsForConfirmation) {
  UseRolls("3 4  2 1");
  SetOption("AutoChangeTurn", 1);
  Start();
  Pump();
  std::vector<std::vector<int>> boards;
  for (int level : {2, 1, 0}) {
    SetStartBoard();
    HumanTurnWith(1, 3);  // "Leicht" would play this roll otherwise
    g_LevelOfPlay = level;
    Command(ID_BEST_MOVE);
    EXPECT_EQ(g_LevelOfPlay, level);
    EXPECT_EQ(wnd->m_stepCount, 2);
    // Even with the automatic turn change the player may still take it back.
    EXPECT_TRUE(wnd->m_awaitConfirm) << level;
    EXPECT_EQ(view.status[0], "Rückgängig mit <Esc> oder rechter Maustaste");
    boards.push_back(BoardOf(*wnd));
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    ASSERT_EQ(wnd->m_stepCount, 0);
  }
  EXPECT_EQ(boards[1], boards[0]);
  EXPECT_EQ(boards[2], boards[0]);

  // After a step of the player's, only the dice still to play.
  SetStartBoard();
  HumanTurnWith(5, 5);
  Key('L');
  ASSERT_EQ(wnd->m_stepCount, 1);
  Command(ID_BEST_MOVE);
  EXPECT_EQ(wnd->m_stepCount, 4);
  EXPECT_EQ(wnd->m_dice->count, 0);
  Key('Y');

  // A source half entered is withdrawn first, with its log line.
  SetStartBoard();
  HumanTurnWith(6, 2);
  Key('L');
  ASSERT_EQ(wnd->m_curStep[0], 12);
  ASSERT_EQ(wnd->m_curStep[1], 0xFF);
  Command(ID_BEST_MOVE);
  EXPECT_EQ(wnd->m_stepCount, 2);
  const std::string full = "1ter von  A  nach  B";
  EXPECT_EQ(LogLine(1).rfind("1ter von  ", 0), 0u);
  EXPECT_EQ(LogLine(1).size(), full.size()) << LogLine(1);
  EXPECT_EQ(LogLine(0).rfind("2ter von  ", 0), 0u);
  EXPECT_EQ(LogLine(0).size(), full.size()) << LogLine(0);
}

TEST_F(AssistsTest, BestMoveOnTheOpeningRollComesFromTheTable) {
  UseRolls("6 4  2 1");  // the computer's die 6, the human's 4: the human opens with 6-4
  Start();
  Pump();
  ASSERT_EQ(g_turn, SideHuman);
  Command(ID_BEST_MOVE);
  // The table's running move: the back checker from point 1 to point 11.
  EXPECT_EQ(Count(1), 1);
  EXPECT_EQ(Count(11), 1);
  EXPECT_EQ(Owner(11), SideHuman);
}

TEST_F(AssistsTest, BestMoveWithNothingToPlayAndOutsideTheTurn) {
  UseRolls("3 4  2 1");
  Start();
  Pump();
  SetHumanShutOut(13);
  HumanTurnWith(3, 4);
  const std::vector<int> board = BoardOf(*wnd);
  const std::vector<std::string> log = wnd->LogLines();
  Command(ID_BEST_MOVE);
  EXPECT_EQ(wnd->m_hintMade, 0);
  EXPECT_EQ(BoardOf(*wnd), board);
  EXPECT_EQ(wnd->LogLines(), log);
  Key(VK_SPACE);
  EXPECT_NE(std::find(wnd->LogLines().begin(), wnd->LogLines().end(), "Kein Zug"), wnd->LogLines().end());

  // In the computer's turn and in the confirmation wait it does nothing.
  SetStartBoard();
  HumanTurnWith(6, 2);
  g_turn = SideComputer;
  GameSnapshot computers = TakeSnapshot(*wnd, view);
  wnd->OnBestMove();
  EXPECT_TRUE(TakeSnapshot(*wnd, view) == computers);
  g_turn = SideHuman;
  Key('A');
  Key('G');
  Key('A');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  computers = TakeSnapshot(*wnd, view);
  wnd->OnBestMove();
  EXPECT_TRUE(TakeSnapshot(*wnd, view) == computers);
}

TEST(BestMoveSteps, MirroredAndCutAtTheFirstEntryThatIsNoStep) {
  const struct {
    uint8_t from[4], dice[4];
    int n;
    std::vector<int> steps;  // source, destination, ...
  } cases[] = {
      {{24, 13, 0xFF, 0xFF}, {6, 5, 0xFF, 0xFF}, 2, {1, 7, 12, 17}},
      {{25, 6, 6, 6}, {3, 3, 3, 3}, 4, {0, 3, 19, 22, 19, 22, 19, 22}},
      {{24, 0xFF, 0xFF, 0xFF}, {6, 5, 0xFF, 0xFF}, 4, {1, 7}},  // fewer steps than dice
      {{26, 13, 0xFF, 0xFF}, {6, 5, 0xFF, 0xFF}, 2, {}},        // a tray is no source
      {{0, 13, 0xFF, 0xFF}, {6, 5, 0xFF, 0xFF}, 2, {}},
      {{24, 13, 0xFF, 0xFF}, {6, 0, 0xFF, 0xFF}, 2, {1, 7}},
      {{24, 13, 0xFF, 0xFF}, {7, 5, 0xFF, 0xFF}, 2, {}},
      {{24, 13, 0xFF, 0xFF}, {6, 5, 0xFF, 0xFF}, 1, {1, 7}},
  };
  for (const auto& c : cases) {
    uint8_t steps[4][2] = {};
    const int n = TremaWnd::HumanStepsFromBest(c.from, c.dice, c.n, steps);
    std::vector<int> got;
    for (int i = 0; i < n; ++i) got.insert(got.end(), {steps[i][0], steps[i][1]});
    EXPECT_EQ(got, c.steps) << int{c.from[0]} << "+" << int{c.dice[0]};
  }
}

// The speed: the option, or the dialog's answer under option 2. Esc is held
// from the start, so a finish that starts stops at once.
TEST_F(AssistsTest, FinishSpeedFromOptionOrDialog) {
  const struct {
    int option, answer;
    bool asks, starts, fast;
  } cases[] = {
      {2, kFinishCancel, true, false, false},
      {2, 0, true, false, false},
      {2, 5, true, false, false},
      {2, kFinishFast, true, true, true},
      {2, kFinishSlow, true, true, false},
      {0, 0, false, true, true},
      {1, 0, false, true, false},
  };
  UseRolls("3 4  2 1");
  Start();
  Pump();
  host.escape = true;
  const GameSnapshot before = TakeSnapshot(*wnd, view);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.option << "/" << c.answer);
    g_AutoFinish = c.option;
    g_AutoFinishFast = -1;
    dialogs.finishAnswer = c.answer;
    const int calls = dialogs.finishCalls;
    const int shown = view.StatusCount(kHoldEsc);
    Command(ID_FINISH_GAME);
    EXPECT_EQ(dialogs.finishCalls - calls, c.asks ? 1 : 0);
    EXPECT_EQ(view.StatusCount(kHoldEsc) - shown, c.starts ? 1 : 0);
    EXPECT_EQ(g_AutoFinishFast, c.starts ? (c.fast ? 1 : 0) : -1);
    EXPECT_EQ(g_AutoFinishActive, 0);
    // Stopped at once: nothing played, the prompt as it was.
    EXPECT_TRUE(TakeSnapshot(*wnd, view) == before);
  }
}

TEST_F(AssistsTest, FinishPlaysBothSidesToTheGamesEnd) {
  for (int option : {0, 1}) {
    SCOPED_TRACE(option == 0 ? "fast" : "slow");
    Restart();
    UseRolls("2 1 ");
    SetOption("AutoFinish", option);
    Start();
    Pump();
    SetBoard("19:2h 27:13h 6:2c 26:13c");
    HumanTurnWith(2, 1);
    host.pauses.clear();
    size_t pausesAtEnd = 0;
    int pips = 0;
    dialogs.onStatistics = [&](int) {
      pausesAtEnd = host.pauses.size();
      pips = g_DiceSum[SideHuman] + g_DiceSum[SideComputer];
      EXPECT_EQ(g_AutoFinishActive, 0);
    };
    dialogs.AnswerStatistics(IDOK, 0);
    wnd->RunCommand(ID_FINISH_GAME);
    ASSERT_EQ(dialogs.winners.size(), 1u);
    EXPECT_GT(pips, 2 * 3);  // both sides played several turns
    EXPECT_EQ(g_AutoFinishActive, 0);
    // Fast: no pause at all; slow: the prompts' pauses.
    EXPECT_EQ(Pauses(200) > 0, option == 1);
    // The new game (the computer opens it with the higher die) is as set up.
    EXPECT_EQ(g_turn, SideComputer);
    EXPECT_EQ(host.pauses.size(), pausesAtEnd);
    EXPECT_EQ(wnd->LogLines().size(), 5u);
    EXPECT_EQ(LastLog(), " ");
  }
}

// The window closing during a finish (its close box, or the window destroyed):
// the finish ends before its next move, as with Esc held, and nothing more is
// played or shown. A game that the last move ended is scored, but neither the
// statistics nor a new game follow.
TEST_F(AssistsTest, ACloseEndsTheFinishBeforeItsNextMove) {
  const struct {
    const char* what;
    const char* rolls;
    bool nearTheEnd;  // the human bears off its last two checkers
    int closeAtDrain;
  } cases[] = {
      // One value brings the finish to a stand: it would never end.
      {"a finish that never ends", "2", false, 50},
      {"the move that ends the game", "2 1 ", true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Restart();
    UseRolls(c.rolls);
    SetOption("AutoFinish", 0);
    Start();
    Pump();
    if (c.nearTheEnd) {
      SetBoard("23:1h 24:1h 27:13h 6:2c 26:13c");
      HumanTurnWith(2, 1);
    }
    int drains = 0;
    host.onTakeInPendingInput = [&] {
      if (++drains == c.closeAtDrain) wnd->Queue().Close();
      // A finish that does not stop fails here rather than hang the test.
      if (drains > 100000) g_AutoFinishActive = 0;
    };
    wnd->RunCommand(ID_FINISH_GAME);
    EXPECT_LT(drains, 100000);
    EXPECT_EQ(g_AutoFinishActive, 0);
    EXPECT_TRUE(dialogs.winners.empty()) << "no statistics";
    // No prompt after the finish, no new game.
    EXPECT_EQ(view.status[0], kHoldEsc);
    EXPECT_EQ(wnd->m_winner != SideNone, c.nearTheEnd);
    EXPECT_EQ(StoredInt("Game", "Computer") != -1, c.nearTheEnd) << "scored only when the game ended";
  }
}

// With the cube in use the computer, far ahead, offers no double while the
// finish runs: the game ends at the cube's value of 1 (a backgammon, 3).
TEST_F(AssistsTest, TheFinishOffersNoDouble) {
  UseRolls("2 1 ");
  SetOption("UseCube", 1);
  SetOption("AutoFinish", 0);
  Start();
  Pump();
  SetBoard("2:15h 1:2c 26:13c");
  HumanTurnWith(2, 1);
  ASSERT_TRUE(wnd->ComputerWantsToDouble()) << "outside a finish the computer would double";
  host.Answer(IDYES);  // an offer, if made, would be taken
  dialogs.AnswerStatistics(IDOK, 0);
  wnd->RunCommand(ID_FINISH_GAME);
  ASSERT_EQ(dialogs.winners, std::vector<int>{SideComputer});
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(g_RunScore[SideComputer], 3);
}

TEST_F(AssistsTest, EscHandsTheGameBackAtTheHumansNextTurn) {
  UseRolls("3 4  2 1  6 5  5 2  4 1");
  SetOption("AutoFinish", 0);
  Start();
  Pump();
  const std::vector<int> start = BoardOf(*wnd);
  host.escapeAfter = 3;
  Command(ID_FINISH_GAME);
  EXPECT_EQ(host.escapeQueries, 4);
  EXPECT_EQ(g_AutoFinishActive, 0);
  EXPECT_TRUE(dialogs.winners.empty());
  EXPECT_NE(BoardOf(*wnd), start);
  // Three turns of each side; the human's fourth is the player's, with fresh dice.
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(wnd->m_stepCount, 0);
  EXPECT_GT(wnd->m_dice->count, 0);
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(view.status[0], kChooseSource);
  EXPECT_EQ(wnd->m_hintMade, 0);
  EXPECT_FALSE(wnd->m_awaitConfirm);
}

// With a roll list of one value the board can come to a stand where neither
// side can ever move: the fast finish then goes on, without a pause, until
// Esc is held, and hands the player a clean turn.
TEST_F(AssistsTest, AFinishWhereNeitherSideCanMoveRunsUntilEscIsHeld) {
  UseRolls("2");
  SetOption("AutoFinish", 0);
  Start();
  Pump();
  // A finish that never stops is ended here rather than hanging the test.
  int drains = 0;
  host.onTakeInPendingInput = [&] {
    if (++drains > 100000) g_AutoFinishActive = 0;
  };
  host.pauses.clear();
  host.escapeAfter = 3000;
  Command(ID_FINISH_GAME);
  EXPECT_EQ(host.escapeQueries, 3001);
  EXPECT_TRUE(dialogs.winners.empty());
  EXPECT_EQ(g_AutoFinishActive, 0);
  // Only the withdrawn prompt's pause, after the finish.
  EXPECT_EQ(host.pauses, std::vector<int>{200});
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(wnd->m_stepCount, 0);
  EXPECT_EQ(wnd->m_dice->count, 4);
  EXPECT_EQ(wnd->m_dice->die[3], 2);
  EXPECT_FALSE(wnd->m_awaitConfirm);
  EXPECT_EQ(wnd->m_curStep[0], 0xFF);
  EXPECT_EQ(LastLog(), "1ter von  ");
  EXPECT_EQ(view.status[0], kCannotMove);

  // Neither side moves any more.
  const std::vector<int> stand = BoardOf(*wnd);
  host.escape = false;
  host.escapeAfter = 50;
  Command(ID_FINISH_GAME);
  EXPECT_EQ(host.escapeQueries, 3001 + 51);
  EXPECT_EQ(BoardOf(*wnd), stand);
  EXPECT_EQ(view.status[0], kCannotMove);
}

TEST_F(AssistsTest, ATurnWithoutMoveStopsTheHumansClock) {
  UseRolls("3 4  2 1");
  SetOption("AutoFinish", 1);
  Start();
  Pump();
  // Both sides on the bar and shut out: neither moves, each turn passes.
  SetBoard(kHumanShutOut + " " + kComputerShutOut);
  host.tick = 1000;
  HumanTurnWith(3, 4);
  const int32_t before = ThinkTimeNow(SideHuman, 1000);
  host.escapeAfter = 1;
  Command(ID_FINISH_GAME);
  // The human thought during the two prompts' pauses, not during the
  // computer's 100 ms on the bar.
  EXPECT_EQ(Pauses(100), 1);
  EXPECT_EQ(Pauses(200), 2);
  EXPECT_EQ(ThinkTimeNow(SideHuman, host.tick), before + 400);
}

}  // namespace
