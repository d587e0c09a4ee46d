#pragma once
// Boards for tests, spelt on one line: per entry its index, a colon, the
// checker count and the side, "c" the computer's or "h" the human's. Entry 0
// is the human's bar, 25 the computer's, 26 and 27 the computer's and the
// human's trays: "0:1h 6:5c 26:3c". And a live board built from one.
#include <string>
#include <string_view>
#include <vector>

#include "board/position.h"

struct Checkers {
  int index;
  int count;
  int owner;
};
using Stack = Checkers;  // the drawing tests' name for one

// The entries of a board text in the order given; throws on a misspelt or
// repeated entry.
std::vector<Checkers> ParseBoard(std::string_view text);

// A side on its bar against the other side's six closed home points.
inline const std::string kHumanShutOut = "0:1h 1:2c 2:2c 3:2c 4:2c 5:2c 6:2c";
inline const std::string kComputerShutOut = "25:1c 19:2h 20:2h 21:2h 22:2h 23:2h 24:2h";

// The counts and owners of all entries, entry by entry (-1 for a missing
// entry): what a move or a command changes on the board.
std::vector<int> BoardOf(Position* const* board);

class TestBoard {
 public:
  // The starting position.
  TestBoard();
  // An empty board with the given entries (bars and trays included).
  explicit TestBoard(std::string_view text);
  ~TestBoard();
  TestBoard(const TestBoard&) = delete;
  TestBoard& operator=(const TestBoard&) = delete;

  Position** get() { return board; }
  Position* operator[](int i) { return board[i]; }
  int Count(int i) const { return board[i]->count; }
  int Owner(int i) const { return board[i]->owner; }
  // 15 checkers per side, all accounted for.
  bool Complete() const;

  Position* board[kBoardSize] = {};
};
