// The doubling cube and giving up: judgements of the current board, without
// searching or changing anything.
#include "engine/engine.h"

int32_t Engine::ExposedBlots(int side) {
  int32_t n = 0;
  for (int i = 1; i <= 24; ++i) {
    if (Checkers(i, side) != 1) continue;
    // Reachable: an opposing checker still stands between the blot and its bar.
    if (side == SideHuman && CountCheckers(i, kComputerBar, board, SideComputer) > 0) ++n;
    if (side == SideComputer && CountCheckers(kHumanBar, i, board, SideHuman) > 0) ++n;
  }
  return n;
}

int32_t Engine::Balance() {
  return (PipCount(SideComputer) - PipCount(SideHuman)) + 12 * (*computerBar - *humanBar) +
         9 * (ExposedBlots(SideComputer) - ExposedBlots(SideHuman));
}

bool Engine::AcceptDouble() {
  if (race) {
    const int side = g_turn;
    return PipCount(side) / 7 > PipCount(Opponent(side)) / 7;
  }
  if (Balance() >= 37) return false;
  // Counted here rather than taken from the last leaf of a search, which may
  // be stale or missing.
  if (CountCheckers(14, kComputerBar, board, SideComputer) == 1 && MadePointRun(SideHuman) >= 4) return false;
  return true;
}

bool Engine::GiveUpAtLeastGammon() {
  if (CountCheckers(kHumanBar, 6, board, SideHuman) > 0 && !race) return true;
  return Crossovers(SideHuman) - Crossovers(SideComputer) > 9 && *humanOff == 0;
}
