#pragma once
// The names every layer of the game shares: the sides, which also index every
// per-side array, and the entries of the board.
#include <cstdint>

enum Side : int32_t { SideNone = 0, SideComputer = 1, SideHuman = 2 };

// 1 gives 2, 2 gives 1, anything else 0.
constexpr int Opponent(int side) {
  return side == SideComputer ? SideHuman : side == SideHuman ? SideComputer : SideNone;
}

// Board indices.
constexpr int kBoardSize = 28;
constexpr int kHumanBar = 0;
constexpr int kComputerBar = 25;
constexpr int kComputerTray = 26;
constexpr int kHumanTray = 27;
constexpr int kMaxCheckers = 15;
constexpr uint8_t kNone = 0xFF;  // an empty die, step or source slot
