#include "tests/support/test_board.h"

#include <cstring>
#include <sstream>
#include <stdexcept>

std::vector<Checkers> ParseBoard(std::string_view text) {
  std::vector<Checkers> entries;
  bool seen[kBoardSize] = {};
  std::istringstream in{std::string(text)};
  std::string word;
  while (in >> word) {
    Checkers c{};
    char colon = 0, side = 0;
    std::istringstream w(word);
    const bool read = static_cast<bool>(w >> c.index >> colon >> c.count >> side) && w.peek() == EOF;
    c.owner = side == 'c' ? SideComputer : (side == 'h' ? SideHuman : SideNone);
    if (!read || colon != ':' || c.owner == SideNone || c.index < 0 || c.index >= kBoardSize || c.count < 0 ||
        c.count > kMaxCheckers || seen[c.index])
      throw std::invalid_argument("board entry \"" + word + "\" in \"" + std::string(text) + "\"");
    seen[c.index] = true;
    entries.push_back(c);
  }
  return entries;
}

std::vector<int> BoardOf(Position* const* board) {
  std::vector<int> b;
  for (int i = 0; i < kBoardSize; ++i) {
    b.push_back(board[i] ? board[i]->count : -1);
    b.push_back(board[i] ? board[i]->owner : -1);
  }
  return b;
}

TestBoard::TestBoard() { CreateBoard(board, true); }

TestBoard::TestBoard(std::string_view text) {
  std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
  for (const Checkers& c : ParseBoard(text)) {
    g_BoardRecord[c.index].count = static_cast<uint8_t>(c.count);
    g_BoardRecord[c.index].owner = c.owner;
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
