// The engine object and the rules of a single step.
#include "app/dice.h"
#include "engine/engine.h"

bool IsRace(Position** board) {
  // Stop at the human's rearmost checker; never walk past the computer's bar
  // into the trays.
  int total = 0;
  for (int i = 0; i <= kComputerBar; ++i) {
    const Position* p = board[i];
    if (p == nullptr) continue;
    if (p->owner == SideHuman && p->count > 0) break;
    total += p->count;
  }
  if (board[kComputerTray] != nullptr) total += board[kComputerTray]->count;
  return total == kMaxCheckers;
}

Engine::Engine(Position** board_, DiceRoller* dice_) : board(board_), start(snapshot[0]), dice(dice_) {
  humanBar = &board[kHumanBar]->count;
  computerBar = &board[kComputerBar]->count;
  humanOff = &board[kHumanTray]->count;
  computerOff = &board[kComputerTray]->count;
  UpdateRace();
}

void Engine::UpdateRace() { race = IsRace(board); }
