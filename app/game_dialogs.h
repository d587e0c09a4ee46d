#pragma once
// The game's modal dialogs as the game flow runs them. The wx front end shows
// real dialogs; tests answer from a script.
#include <string>

#include "app/dice.h"

// What the statistics dialog shows and answers.
struct StatisticsResult {
  int result = 2;  // IDOK "Noch&mal" or IDCANCEL "&Beenden"
  int choice = 0;  // 0 new dice, 1 same dice, 2 swapped roles
};

class GameDialogs : public ManualDiceDialog {
 public:
  // The statistics dialog after a game: plays the end sound and updates the
  // trend file itself (dialogs/), then returns the answer.
  virtual StatisticsResult Statistics(int winner) = 0;
  // The give-up dialog: IDCANCEL or the stake's control id.
  virtual int GiveUp() = 0;
};
