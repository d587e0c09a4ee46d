// The computer's move choice: the opening table, the exhaustive search over
// every sequence of legal steps, and the end-for-end turn of the board with
// which the same search finds the human's best move.
#include <chrono>
#include <utility>

#include "app/dice.h"
#include "engine/engine.h"
#include "settings/options.h"

// Sources for die[0] then die[1], rows by die[0]; {0, 0}: searched instead.
const uint8_t g_OpeningMoves[36][2] = {
    // die[0] = 1
    {0, 0}, {24, 13}, {6, 8}, {24, 13}, {24, 13}, {8, 13},
    // die[0] = 2
    {13, 24}, {0, 0}, {13, 24}, {6, 8}, {24, 13}, {13, 24},
    // die[0] = 3
    {8, 6}, {24, 13}, {0, 0}, {24, 13}, {6, 8}, {13, 24},
    // die[0] = 4
    {13, 24}, {8, 6}, {13, 24}, {0, 0}, {24, 13}, {24, 20},
    // die[0] = 5
    {13, 24}, {13, 24}, {8, 6}, {13, 24}, {0, 0}, {0, 0},
    // die[0] = 6
    {13, 8}, {24, 13}, {24, 13}, {24, 18}, {24, 18}, {0, 0},
};

namespace {
using Clock = std::chrono::steady_clock;

int32_t ElapsedMs(Clock::time_point t0) {
  return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count());
}
}  // namespace

bool Engine::OpeningMove() {
  const int d0 = dice->die[0];
  const int d1 = dice->die[1];
  if (DiceCount() != 2 || d0 < 1 || d0 > 6 || d1 < 1 || d1 > 6) return false;
  const uint8_t* entry = g_OpeningMoves[(d0 - 1) * 6 + (d1 - 1)];
  if (entry[0] == 0) return false;
  // The table knows only the starting position: a board where its steps are
  // not legal (a loaded position) is searched instead.
  Save(0);
  bool legal = BarAllows(entry[0]) && IsLegalStep(entry[0], -d0);
  if (legal) {
    PlayStep(entry[0], d0);
    legal = BarAllows(entry[1]) && IsLegalStep(entry[1], -d1);
  }
  Restore(0);
  if (!legal) return false;
  bestFrom[0] = entry[0];
  bestFrom[1] = entry[1];
  for (int i = 0; i < 4; ++i) bestDice[i] = dice->die[i];
  return true;
}

int32_t Engine::ChooseMove(bool firstMove) {
  const Clock::time_point t0 = Clock::now();
  if (dice == nullptr || DiceCount() == 0) {
    for (int i = 0; i < 4; ++i) bestFrom[i] = bestDice[i] = kNone;
    bestScore = INT_MIN;
    return ElapsedMs(t0);
  }
  if (firstMove && g_LevelOfPlay == 2 && OpeningMove()) return ElapsedMs(t0);

  for (int i = 0; i < 4; ++i) bestFrom[i] = bestDice[i] = from[i] = kNone;
  bestScore = INT_MIN;

  // Every pass either finds a sequence of all dice or drops at least one die,
  // so there are at most four passes; the bound guards against a list that
  // no pass can shorten.
  for (int pass = 0; pass < 5 && DiceCount() > 0; ++pass) {
    Enumerate(0);
    // Equal dice searched again in the same order could find nothing new.
    if (DiceCount() == 2 && dice->die[0] != dice->die[1]) {
      std::swap(dice->die[0], dice->die[1]);
      Enumerate(0);
      if (bestScore != INT_MIN) {
        // bestDice holds the order to play; the dice object keeps the roll's.
        std::swap(dice->die[0], dice->die[1]);
        break;
      }
    }
    if (bestScore != INT_MIN) break;
    const int before = DiceCount();
    PruneDice();
    if (DiceCount() >= before) break;
  }
  if (bestScore == INT_MIN)
    for (int i = 0; i < 4; ++i) bestFrom[i] = bestDice[i] = kNone;
  return ElapsedMs(t0);
}

void Engine::Enumerate(int depth) {
  const int n = DiceCount();
  if (depth < 0 || depth >= n) return;
  const int d = dice->die[depth];
  if (d < 1 || d > 6) return;
  // With a checker on the bar the bar is the only source.
  const int lowest = *computerBar > 0 ? kComputerBar : 1;
  for (int s = kComputerBar; s >= lowest; --s) {
    from[depth] = static_cast<uint8_t>(s);
    if (!IsLegalStep(s, -d)) continue;
    Save(depth);
    PlayStep(s, d);
    if (depth + 1 == n)
      Evaluate();
    else
      Enumerate(depth + 1);
    Restore(depth);
  }
}

void Engine::MirrorBoard() {
  Position copies[kBoardSize];
  for (int i = 0; i < kBoardSize; ++i) copies[i].CopyFields(*board[i]);
  for (int i = 0; i < kBoardSize; ++i) {
    const int m = i <= kComputerBar ? kComputerBar - i : (i == kComputerTray ? kHumanTray : kComputerTray);
    Position* p = board[m];
    p->CopyFields(copies[i]);
    p->owner = Opponent(p->owner);
  }
}
