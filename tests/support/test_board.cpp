#include "tests/support/test_board.h"

#include <cstring>

TestBoard::TestBoard() { CreateBoard(board, true); }

TestBoard::TestBoard(std::initializer_list<Stack> stacks) {
  std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
  for (const Stack& s : stacks) {
    g_BoardRecord[s.index].count = static_cast<uint8_t>(s.count);
    g_BoardRecord[s.index].owner = s.owner;
  }
  CreateBoard(board, false);
}

TestBoard::~TestBoard() { DestroyBoard(board); }

bool TestBoard::Complete() const {
  int side[3] = {0, 0, 0};
  for (int i = 0; i < kBoardSize; ++i)
    if (board[i]->count > 0 && board[i]->owner >= 0 && board[i]->owner <= 2) side[board[i]->owner] += board[i]->count;
  return side[SideComputer] == kMaxCheckers && side[SideHuman] == kMaxCheckers;
}
