#pragma once
// The names every layer of the game shares: the sides, which also index every
// per-side array, the entries of the board, and the range checks and point
// letters that go with them.
#include <cstdint>

enum Side : int32_t { SideNone = 0, SideComputer = 1, SideHuman = 2 };

// 1 gives 2, 2 gives 1, anything else 0.
constexpr int Opponent(int side) {
  return side == SideComputer ? SideHuman : side == SideHuman ? SideComputer : SideNone;
}

// Board indices.
constexpr int kBoardSize = 28;
constexpr int kHumanBar = 0;
constexpr int kFirstPoint = 1;
constexpr int kLastPoint = 24;
constexpr int kComputerBar = 25;
constexpr int kComputerTray = 26;
constexpr int kHumanTray = 27;
constexpr int kMaxCheckers = 15;
constexpr uint8_t kNone = 0xFF;  // an empty die, step or source slot

// A die's value; anything else (kNone included) is no die.
constexpr bool ValidDie(int value) { return value >= 1 && value <= 6; }
// A point 1 to 24, not a bar, a tray or off the board.
constexpr bool OnBoard(int index) { return index >= kFirstPoint && index <= kLastPoint; }

// Point p is shown and typed as the letter 'A' + p - 1; a bar or a tray as '0'.
constexpr char PointLetter(int index) { return OnBoard(index) ? static_cast<char>('A' + index - 1) : '0'; }
// The board index a typed key names: 1 to 24 for 'A' to 'X', 0 for '0' (a bar
// or a tray); -1 for any other key.
constexpr int PointOfLetter(unsigned key) {
  if (key == '0') return 0;
  if (key < 'A' || key > static_cast<unsigned>(PointLetter(kLastPoint))) return -1;
  return static_cast<int>(key - 'A') + 1;
}
