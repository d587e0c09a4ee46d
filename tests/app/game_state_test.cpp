// Who begins a game, and the resets of a new game and of the run.
#include "app/game_state.h"

#include <gtest/gtest.h>

#include "board/position.h"

namespace {

struct FirstSideCase {
  int firstMoveBy;
  bool firstGame;
  int lastWinner;
  int computerDie;
  int humanDie;
  int first;
};

TEST(FirstSide, SettingOrLastWinnerAndOpeningRoll) {
  const FirstSideCase cases[] = {
      // The first game of the run, or no winner recorded: the setting decides.
      {2, true, SideNone, 6, 1, SideHuman},
      {1, true, SideNone, 1, 6, SideComputer},
      {0, true, SideNone, 2, 5, SideHuman},
      {0, true, SideNone, 5, 2, SideComputer},
      {0, true, SideNone, 3, 3, SideComputer},
      {2, false, SideNone, 6, 1, SideHuman},
      {2, true, SideHuman, 6, 1, SideHuman},
      // After a finished game, once the computer has played: the higher die,
      // a tie giving the last winner, whatever the setting says.
      {2, false, SideHuman, 6, 1, SideComputer},
      {1, false, SideComputer, 1, 6, SideHuman},
      {2, false, SideComputer, 4, 4, SideComputer},
      {1, false, SideHuman, 4, 4, SideHuman},
  };
  for (const FirstSideCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.firstMoveBy << " " << c.firstGame << " " << c.lastWinner << " "
                                    << c.computerDie << ":" << c.humanDie);
    EXPECT_EQ(FirstSide(c.firstMoveBy, c.firstGame, c.lastWinner, c.computerDie, c.humanDie), c.first);
  }
}

// Every value of the game and of the run away from its start.
void DirtyEverything() {
  for (int side = 0; side < 3; ++side) {
    g_HitCount[side] = 1;
    g_DoublesCount[side] = 2;
    g_DiceSum[side] = 3;
    g_ThinkTime[side] = 4;
    g_ThinkRunning[side] = true;
    g_ThinkStart[side] = 5;
    g_RunScore[side] = 6;
  }
  g_UndoneThisTurn = 1;
  g_AutoFinishActive = 1;
  g_AutoFinishFast = 1;
  g_turn = SideHuman;
  g_HoverPoint = 7;
  g_BoardRecord[3].count = 2;
}

TEST(GameState, ANewGameClearsItsOwnValuesAndTheRunClearsAll) {
  DirtyEverything();
  ResetGameState();
  for (int side = 0; side < 3; ++side) {
    SCOPED_TRACE(side);
    EXPECT_EQ(g_HitCount[side], 0);
    EXPECT_EQ(g_DoublesCount[side], 0);
    EXPECT_EQ(g_DiceSum[side], 0);
    EXPECT_EQ(g_ThinkTime[side], 0);
    EXPECT_FALSE(g_ThinkRunning[side]);
    EXPECT_EQ(g_ThinkStart[side], 0u);
    EXPECT_EQ(g_RunScore[side], 6);
  }
  EXPECT_EQ(g_UndoneThisTurn, 0);
  EXPECT_EQ(g_AutoFinishActive, 0);
  EXPECT_EQ(g_AutoFinishFast, 0);
  // What outlasts a game: the side to move (a replay keeps it), the hover mark.
  EXPECT_EQ(g_turn, SideHuman);
  EXPECT_EQ(g_HoverPoint, 7);

  DirtyEverything();
  ResetRunState();
  EXPECT_EQ(g_HitCount[SideHuman], 0);
  EXPECT_EQ(g_ThinkTime[SideComputer], 0);
  for (int side = 0; side < 3; ++side) EXPECT_EQ(g_RunScore[side], 0);
  EXPECT_EQ(g_turn, SideNone);
  EXPECT_EQ(g_HoverPoint, 0);
  EXPECT_EQ(g_BoardRecord[3].count, 0);
}

}  // namespace
