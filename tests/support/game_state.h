#pragma once
// Pieces of game state that the headless and the window tests set up and
// read the same way.
#include <vector>

#include "tests/support/test_board.h"

class TremaWnd;

// Puts every process-wide value of the game back to its start.
void ResetGameGlobals();

// Replaces the live board by this image (the rest empty; bars and trays keep
// their owners) and gives the game a new engine bound to it.
void PutUpBoard(TremaWnd& w, const std::vector<Checkers>& entries);

// A step the human can play now: its source and the die it uses.
struct StepChoice {
  int source;
  int die;
};

// Every legal step of the human, from the bar or the lowest point first; when
// both dice must be played, those that leave the other die playable (if any).
std::vector<StepChoice> HumanStepChoices(TremaWnd& w);
