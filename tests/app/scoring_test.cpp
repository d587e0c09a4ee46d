// The doubling cube, giving up, the end of a game and its scoring, and the
// choices of the statistics dialog.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include "app/game_state.h"
#include "resources/ids.h"
#include "settings/options.h"
#include "tests/support/game_fixture.h"

namespace {

class ScoringTest : public GameFixture {
 protected:
  int CubeTop(int owner) const {
    const int y = wnd->m_board[kComputerTray]->y;
    return owner == SideHuman ? y + 2 * g_Unit : (owner == SideComputer ? y - 2 * g_Unit : y);
  }
  void ComputerTurn() {
    wnd->PostCommand(ID_COMPUTER_TURN);
    Pump();
  }
  // The computer far ahead, still in contact.
  void ComputerAhead() { SetBoard({{3, 15, SideComputer}, {1, 14, SideHuman}, {10, 1, SideHuman}}); }
};

constexpr const char* kComputerDoubles = "Computer verdoppelt. -Ok ?";
constexpr const char* kComputerDeclines = "Computer lehnt ab";

TEST_F(ScoringTest, TheHumansDoubleAcceptedOrDeclined) {
  SetOption("UseCube", 1);
  UseRolls("3 4  2 1");
  Start();
  Pump();
  EXPECT_EQ(view.cube.text, "64");
  EXPECT_TRUE(view.cube.enabled);
  const int side = static_cast<int>(1.5 * g_Unit);
  EXPECT_EQ(view.cube.rect, (Rect{wnd->m_board[kComputerBar]->x + g_Unit / 4, CubeTop(0),
                                  wnd->m_board[kComputerBar]->x + g_Unit / 4 + side, CubeTop(0) + side}));

  // The computer accepts at the start: the cube moves up and is disabled.
  host.pauses.clear();
  Key('D', MK_CONTROL_FLAG);
  EXPECT_EQ(host.pauses, (std::vector<int>{1500}));
  EXPECT_EQ(wnd->m_cubeValue, 2);
  EXPECT_EQ(wnd->m_cubeOwner, SideComputer);
  EXPECT_EQ(view.cube.text, "2");
  EXPECT_EQ(view.cube.rect.top, CubeTop(SideComputer));
  EXPECT_FALSE(view.cube.enabled);
  Key('D', MK_CONTROL_FLAG);  // disabled now: nothing happens
  EXPECT_EQ(host.pauses.size(), 1u);
  EXPECT_EQ(wnd->m_cubeValue, 2);

  // After a step no double either; at 64 never.
  wnd->m_cubeOwner = 0;
  Key('A');
  Key('E');
  EXPECT_FALSE(wnd->CommandEnabled(ID_DOUBLE));
  EXPECT_FALSE(view.cube.enabled);
  wnd->m_stepCount = 0;
  wnd->m_cubeValue = 64;
  EXPECT_FALSE(wnd->CommandEnabled(ID_DOUBLE));
  EXPECT_FALSE(wnd->ComputerWantsToDouble());

  // The human far ahead: the computer declines. Cancel withdraws the double,
  // OK wins the value before it.
  SetBoard({{22, 15, SideHuman}, {13, 14, SideComputer}, {24, 1, SideComputer}});
  wnd->m_cubeValue = 2;
  wnd->m_cubeOwner = 0;
  HumanTurnWith(1, 2);
  host.Answer(IDCANCEL);
  Key('D', MK_CONTROL_FLAG);
  EXPECT_EQ(BoxCount(kComputerDeclines), 1);
  EXPECT_EQ(host.boxes.back().type, MB_OKCANCEL | MB_ICONINFORMATION);
  EXPECT_EQ(wnd->m_cubeValue, 2);
  EXPECT_EQ(wnd->m_winner, SideNone);
  EXPECT_TRUE(wnd->m_computerMayDouble);

  host.Answer(IDOK);
  Key('D', MK_CONTROL_FLAG);
  ASSERT_EQ(dialogs.winners, (std::vector<int>{SideHuman}));
  EXPECT_EQ(g_Score[SideHuman], 2);
  EXPECT_EQ(g_RunScore[SideHuman], 2);
  EXPECT_EQ(StoredInt("Game", "Human"), 2);
  EXPECT_EQ(StoredInt("Game", "Computer"), 0);
  // The dialog's "&Beenden": the exit command, and no more input is taken.
  EXPECT_EQ(frame.closes, 1);
  Key('A');
  EXPECT_EQ(wnd->m_winner, SideHuman);
  int balance = 0;
  for (auto c : host.cursor)
    balance += c == FakeHost::Cursor::BeginWait ? 1 : (c == FakeHost::Cursor::EndWait ? -1 : 0);
  EXPECT_EQ(balance, 0);
}

TEST_F(ScoringTest, TheComputersOfferAndTheAnswers) {
  SetOption("UseCube", 1);
  UseRolls("3 4  2 1");
  Start();
  Pump();

  // Cancel: the game goes on and the computer offers no more.
  ComputerAhead();
  HumanTurnWith(1, 2);
  host.Answer(IDCANCEL);
  ComputerTurn();
  EXPECT_EQ(BoxCount(kComputerDoubles), 1);
  EXPECT_EQ(host.boxes.back().type, MB_YESNOCANCEL | MB_ICONQUESTION);
  EXPECT_FALSE(wnd->m_computerMayDouble);
  EXPECT_EQ(view.status[2], "");
  ComputerTurn();
  EXPECT_EQ(BoxCount(kComputerDoubles), 1);
  // Once the human doubles, it may offer again.
  ComputerAhead();
  HumanTurnWith(1, 2);
  Key('D', MK_CONTROL_FLAG);
  EXPECT_TRUE(wnd->m_computerMayDouble);

  // Yes: the cube goes to the human, 2 units lower, enabled at its next prompt.
  ComputerAhead();
  wnd->m_cubeValue = 1;
  wnd->m_cubeOwner = 0;
  HumanTurnWith(1, 2);
  host.Answer(IDYES);
  ComputerTurn();
  EXPECT_EQ(wnd->m_cubeValue, 2);
  EXPECT_EQ(wnd->m_cubeOwner, SideHuman);
  EXPECT_EQ(view.cube.text, "2");
  EXPECT_EQ(view.cube.rect.top, CubeTop(SideHuman));
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_TRUE(view.cube.enabled);
  // The human owns the cube: no offer.
  ComputerTurn();
  EXPECT_EQ(BoxCount(kComputerDoubles), 2);

  // No: the computer still rolls and logs, then wins the value before the double.
  ComputerAhead();
  wnd->m_cubeOwner = 0;
  HumanTurnWith(1, 2);
  host.Answer(IDNO);
  std::string lastLine;
  int sumAtEnd = 0;
  dialogs.onStatistics = [&](int) {
    lastLine = LastLog();
    sumAtEnd = g_DiceSum[SideComputer];
  };
  dialogs.AnswerStatistics(IDOK, 0);
  const int sum = g_DiceSum[SideComputer];
  ComputerTurn();
  EXPECT_EQ(dialogs.winners, (std::vector<int>{SideComputer}));
  EXPECT_EQ(lastLine.rfind("Würfeln: ", 0), 0u);
  EXPECT_GT(sumAtEnd, sum);
  EXPECT_EQ(g_Score[SideComputer], 2);
  EXPECT_EQ(StoredInt("Game", "Computer"), 2);
  // The next game starts centred at 1.
  EXPECT_EQ(wnd->m_cubeValue, 1);
  EXPECT_EQ(wnd->m_cubeOwner, 0);
  EXPECT_TRUE(wnd->m_computerMayDouble);
  EXPECT_EQ(view.cube.text, "64");
}

// The computer offers from a balance of -37 down, not at -36.
TEST_F(ScoringTest, TheComputerDoublesFromABalanceOfMinus37) {
  SetOption("UseCube", 1);
  UseRolls("3 4");
  Start();
  Pump();
  for (const int onFour : {2, 3}) {
    SetBoard({{24, 2, SideComputer},
              {13, 5, SideComputer},
              {4, onFour, SideComputer},
              {3, 5 - onFour, SideComputer},
              {kComputerTray, 3, SideComputer},
              {1, 2, SideHuman},
              {12, 5, SideHuman},
              {17, 3, SideHuman},
              {19, 5, SideHuman}});
    g_turn = SideHuman;
    ASSERT_EQ(wnd->m_engine->Balance(), onFour == 2 ? -37 : -36);
    EXPECT_EQ(wnd->ComputerWantsToDouble(), onFour == 2) << onFour;
  }
}

TEST_F(ScoringTest, GammonAndBackgammon) {
  UseRolls("1 2");
  Start();
  Pump();
  // Bearing off the 15th checker with dice 1 and 2 from point 24.
  auto play = [&](std::initializer_list<Checkers> computer) {
    std::vector<Checkers> all(computer);
    all.push_back({24, 1, SideHuman});
    all.push_back({kHumanTray, 14, SideHuman});
    PutUpBoard(*wnd, all);
    HumanTurnWith(1, 2);
    Key('X');
    if (wnd->m_curStep[0] == 24) Key('0');
  };
  dialogs.AnswerStatistics(IDOK, 0);
  dialogs.AnswerStatistics(IDOK, 0);
  dialogs.AnswerStatistics(IDOK, 0);
  int written = -1;
  dialogs.onStatistics = [&](int) { written = StoredInt("Game", "Human"); };

  play({{20, 1, SideComputer}, {5, 14, SideComputer}});  // a checker in the human's home board
  EXPECT_EQ(g_Score[SideHuman], 3);
  play({{kComputerBar, 1, SideComputer}, {5, 10, SideComputer}, {kComputerTray, 4, SideComputer}});
  EXPECT_EQ(g_Score[SideHuman], 6);  // on the bar, borne off or not
  play({{5, 15, SideComputer}});     // none off: gammon
  EXPECT_EQ(g_Score[SideHuman], 8);
  play({{5, 14, SideComputer}, {kComputerTray, 1, SideComputer}});  // a single game; then "&Beenden"
  EXPECT_EQ(g_Score[SideHuman], 9);
  EXPECT_EQ(g_RunScore[SideHuman], 9);
  EXPECT_EQ(written, 9);  // written before the dialog
  EXPECT_EQ(StoredInt("Game", "Computer"), 0);
  EXPECT_EQ(dialogs.winners.size(), 4u);
  EXPECT_EQ(frame.closes, 1);
}

// Total scores from the settings file are range-checked (a negative total is
// no count of points and restarts at 0); a sum beyond the largest int stays
// at it instead of wrapping.
TEST_F(ScoringTest, StoredScoresAreCheckedAndTheSumsSaturate) {
  ini->WriteString("Game", "Human", "2147483647");
  ini->WriteString("Game", "Computer", "-7");
  UseRolls("1 2");
  Start();
  Pump();
  EXPECT_EQ(g_Score[SideHuman], INT_MAX);
  EXPECT_EQ(g_Score[SideComputer], 0);
  PutUpBoard(
      *wnd, {{5, 14, SideComputer}, {kComputerTray, 1, SideComputer}, {24, 1, SideHuman}, {kHumanTray, 14, SideHuman}});
  HumanTurnWith(1, 2);
  Key('X');
  if (wnd->m_curStep[0] == 24) Key('0');
  ASSERT_EQ(dialogs.winners, (std::vector<int>{SideHuman}));
  EXPECT_EQ(g_Score[SideHuman], INT_MAX);
  EXPECT_EQ(g_RunScore[SideHuman], 1);
  EXPECT_EQ(StoredInt("Game", "Human"), INT_MAX);
  EXPECT_EQ(StoredInt("Game", "Computer"), 0);
}

// Two copies of the game in one folder, each a process of its own, their games
// ending in turn: every game end adds its points to the totals the file holds
// then and shows those; the run's points stay each copy's own, and a reset in
// one copy counts at the other's next game end.
TEST_F(ScoringTest, TwoCopiesInOneFolderAddUpTheirTotals) {
  Start();
  const auto endGame = [this](int winner, int points) {
    dialogs.AnswerStatistics(IDOK, 0);
    wnd->m_cubeValue = points;
    wnd->GameOver(winner, false);
  };
  // The other copy ends a game when told its winner and points (one byte
  // each way), and quits at the end of its orders.
  int orders[2], done[2];
  ASSERT_EQ(::pipe(orders), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t other = ::fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    ::close(orders[1]);
    ::close(done[0]);
    unsigned char order = 0;
    while (::read(orders[0], &order, 1) == 1) {
      endGame(order >> 4, order & 15);
      if (::write(done[1], &order, 1) != 1) break;
    }
    ::_exit(0);
  }
  ::close(orders[0]);
  ::close(done[1]);
  const auto otherCopyEnds = [&](int winner, int points) {
    unsigned char order = static_cast<unsigned char>(winner << 4 | points);
    ASSERT_EQ(::write(orders[1], &order, 1), 1);
    ASSERT_EQ(::read(done[0], &order, 1), 1);
  };
  std::vector<std::pair<int, int>> shown;  // human, computer
  dialogs.onStatistics = [&](int) { shown.emplace_back(g_Score[SideHuman], g_Score[SideComputer]); };

  endGame(SideHuman, 1);
  otherCopyEnds(SideComputer, 2);
  endGame(SideComputer, 3);
  otherCopyEnds(SideHuman, 4);
  endGame(SideHuman, 2);
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{1, 0}, {1, 5}, {7, 5}}));
  EXPECT_EQ(StoredInt("Game", "Human"), 7);
  EXPECT_EQ(StoredInt("Game", "Computer"), 5);
  EXPECT_EQ(g_RunScore[SideHuman], 3);
  EXPECT_EQ(g_RunScore[SideComputer], 3);

  host.Answer(IDYES);
  wnd->OnResetScore();
  otherCopyEnds(SideComputer, 1);
  EXPECT_EQ(StoredInt("Game", "Human"), 0);
  EXPECT_EQ(StoredInt("Game", "Computer"), 1);

  ::close(orders[1]);
  ::close(done[0]);
  int status = -1;
  EXPECT_EQ(::waitpid(other, &status, 0), other);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(ScoringTest, ComputerWinsWithDiceLeft) {
  UseRolls("1 2  6 5");
  Start();
  Pump();
  SetBoard({{1, 1, SideComputer}, {kComputerTray, 14, SideComputer}, {20, 15, SideHuman}});
  HumanTurnWith(1, 2);
  dialogs.AnswerStatistics(IDOK, 0);
  int balance = 99;
  dialogs.onStatistics = [&](int) {
    balance = 0;
    for (auto c : host.cursor)
      balance += c == FakeHost::Cursor::BeginWait ? 1 : (c == FakeHost::Cursor::EndWait ? -1 : 0);
  };
  UseRolls("6 5  3 1");
  // A race: the turn passes with the last die, and the computer's 6 bears off its last.
  Key('T');
  Key('U');
  Key('T');
  EXPECT_EQ(dialogs.winners, (std::vector<int>{SideComputer}));
  EXPECT_EQ(balance, 0);                // no wait cursor over the dialog
  EXPECT_EQ(g_Score[SideComputer], 2);  // the human has none off: gammon
}

// The give-up dialog answers with the control id of the stake chosen.
static_assert(IDC_GIVEUP_SINGLE == 1087 && IDC_GIVEUP_GAMMON == 1088 && IDC_GIVEUP_BACKGAMMON == 1097);

TEST_F(ScoringTest, GiveUpAndTheReplayChoices) {
  UseRolls("3 4  2 1  6 5  5 2  4 1");
  Start();
  Pump();
  dialogs.giveUpAnswer = IDCANCEL;
  Key(VK_SPACE, MK_CONTROL_FLAG);
  EXPECT_EQ(dialogs.giveUpCalls, 1);
  EXPECT_EQ(wnd->m_winner, SideNone);

  Key('A');
  Key('E');
  Key('L');
  ASSERT_TRUE(wnd->m_awaitConfirm);
  EXPECT_FALSE(wnd->CommandEnabled(ID_GIVE_UP));
  Key('Y');
  EXPECT_EQ(LogLine(1), "Würfeln: 6+5");

  // Backgammon at cube 4: 12 for the computer; then the same dice again.
  wnd->m_cubeValue = 4;
  dialogs.giveUpAnswer = IDC_GIVEUP_BACKGAMMON;
  dialogs.AnswerStatistics(IDOK, 1);
  Key(VK_SPACE, MK_CONTROL_FLAG);
  EXPECT_EQ(g_Score[SideComputer], 12);
  EXPECT_EQ(g_RunScore[SideComputer], 12);
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(LogLine(1), "Würfeln: 3+4");
  Key('A');
  Key('E');
  Key('L');
  Key('Y');
  EXPECT_EQ(LogLine(4), "Würfeln: 2+1");
  EXPECT_EQ(LogLine(1), "Würfeln: 6+5");
  // The replayed rolls are used up: the list goes on where it stood.
  ASSERT_TRUE(PlayFirstLegalStep());
  ASSERT_TRUE(PlayFirstLegalStep());
  if (wnd->m_awaitConfirm) Key('Y');
  EXPECT_EQ(LogLine(4), "Würfeln: 5+2");
  EXPECT_EQ(LogLine(1), "Würfeln: 4+1");

  // Gammon stake, then swapped roles: the computer opens with the same roll.
  wnd->m_cubeValue = 1;
  dialogs.giveUpAnswer = IDC_GIVEUP_GAMMON;
  dialogs.AnswerStatistics(IDOK, 2);
  Key(VK_SPACE, MK_CONTROL_FLAG);
  EXPECT_EQ(g_Score[SideComputer], 14);
  EXPECT_EQ(wnd->m_firstSide, SideComputer);
  EXPECT_EQ(LogLine(4), "Würfeln: 3+4");
  EXPECT_EQ(LogLine(1), "Würfeln: 2+1");
  EXPECT_EQ(g_turn, SideHuman);

  // The single stake: the cube as it stands.
  wnd->m_cubeValue = 2;
  dialogs.giveUpAnswer = IDC_GIVEUP_SINGLE;
  dialogs.AnswerStatistics(IDOK, 0);
  Key(VK_SPACE, MK_CONTROL_FLAG);
  EXPECT_EQ(g_Score[SideComputer], 16);
}

}  // namespace
