// The doubling cube and giving up: judgements of the current board, without
// searching or changing anything.
#include "engine/engine.h"

namespace {
// A side this many pips of the balance ahead has the better of it: the
// computer offers a double from -kDoublingBalance and refuses the human's from
// +kDoublingBalance.
constexpr int32_t kDoublingBalance = 37;
// A race double is judged in whole steps of this many pips.
constexpr int32_t kRacePipStep = 7;
// A single computer checker back refuses a double against this many made
// points of the human's, home board and the run beyond it.
constexpr int32_t kTrappingPoints = 4;
}  // namespace

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

bool Engine::WouldOfferDouble() {
  // Asked of the side named by g_turn as the computer's turn begins: after a
  // turn of the human's that is still the human.
  return BackCheckers(g_turn) != 1 && Balance() <= -kDoublingBalance;
}

bool Engine::AcceptDouble() {
  if (race) {
    const int side = g_turn;
    return PipCount(side) / kRacePipStep > PipCount(Opponent(side)) / kRacePipStep;
  }
  if (Balance() >= kDoublingBalance) return false;
  // Counted here rather than taken from the last leaf of a search, which may
  // be stale or missing.
  if (BackCheckers(SideComputer) == 1 && MadePointRun(SideHuman) >= kTrappingPoints) return false;
  return true;
}

bool Engine::GiveUpAtLeastGammon() {
  if (LeftBehind(SideHuman) && !race) return true;
  return Crossovers(SideHuman) - Crossovers(SideComputer) > 9 && *humanOff == 0;
}
