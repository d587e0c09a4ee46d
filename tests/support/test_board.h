#pragma once
// A live board for tests, built from a list of (index, count, owner) entries.
#include <initializer_list>

#include "board/position.h"

struct Stack {
  int index;
  int count;
  int owner;
};

class TestBoard {
 public:
  // The starting position.
  TestBoard();
  // An empty board with the given stacks (bars and trays included).
  explicit TestBoard(std::initializer_list<Stack> stacks);
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
