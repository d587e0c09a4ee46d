// Who begins a game. (What a new game starts from: dialogs/statistics_test.)
#include "app/game_state.h"

#include <gtest/gtest.h>

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

}  // namespace
