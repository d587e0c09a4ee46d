#include "board/position.h"

#include <cstring>
#include <optional>

#include "board/board_window.h"
#include "board/piece.h"

int g_turn = SideNone;
int g_HitCount[3] = {0, 0, 0};
int g_AutoFinishActive = 0;
int g_AutoFinishFast = 0;
int g_Unit = 0;
int g_CheckerSize = 0;
int g_ShadowOffset = 0;
uint16_t g_SpriteSize = 0;
BoardWindow* g_BoardWnd = nullptr;
PointRecord g_BoardRecord[kBoardSize] = {};

namespace {
bool Drawing() { return g_BoardWnd != nullptr && g_BoardWnd->BoardSurface() != nullptr; }
}  // namespace

// ---- Position: the model -------------------------------------------------

Position::Position(int number_, int owner_, Position** board_)
    : number(static_cast<int8_t>(number_)), owner(owner_), board(board_) {}

Position::Position(const Position& other) { CopyFields(other); }

Position& Position::operator=(const Position& other) {
  CopyFields(other);
  return *this;
}

Position::~Position() {
  // Bounded: a count is never above 15.
  for (int i = 0; i < kMaxCheckers && count > 0; ++i) ModelRemove();
  count = 0;
}

int Position::HitTest(int px, int py) { return rect.Contains(px, py) ? 1 : 0; }

void Position::ModelAdd() {
  if (count >= kMaxCheckers) return;  // the model never holds more than 15
  ++count;
  if (owner == SideNone) owner = g_turn;
}

void Position::ModelRemove() {
  if (count <= 0) return;
  --count;
  if (count == 0 && number != kHumanBar && number != kComputerBar) owner = SideNone;
}

void Position::MoveTo(int index) {
  if (count <= 0 || board == nullptr || index < 0 || index >= kBoardSize) return;
  ModelRemove();
  Position* d = board[index];
  if (d == nullptr) return;
  if (d->LoneOpponent()) d->Position::MoveTo(HitBarFor(g_turn));
  d->ModelAdd();
}

void Position::RemovePiece() { ModelRemove(); }

void Position::AddPiece() { ModelAdd(); }

void Position::Draw() {}

// ---- PositionTop and the drawn entries -------------------------------------

PositionTop::PositionTop(int number_, int owner_, Position** board_) : Position(number_, owner_, board_) {}

PositionTop::~PositionTop() { ClearPieces(); }

void PositionTop::ClearPieces() {
  // Sprites leave from the top down, so each puts back what lay under it.
  for (int i = 0; i < kMaxCheckers && count > 0; ++i) PositionTop::RemovePiece();
  for (Piece*& p : pieces) {
    delete p;
    p = nullptr;
  }
}

void PositionTop::AddPiece() {
  if (count >= kMaxCheckers) return;
  ModelAdd();
  if (!Drawing()) return;
  delete pieces[count];
  pieces[count] = new Piece(x + static_cast<int>(0.4 * g_CheckerSize), PieceY(count), owner, count);
}

void PositionTop::RemovePiece() {
  if (count <= 0) return;
  if (count < 16 && pieces[count] != nullptr) {
    delete pieces[count];
    pieces[count] = nullptr;
  }
  ModelRemove();
}

void PositionTop::MoveTo(int index) {
  // A move needs a checker on its source; a damaged call does nothing.
  if (count <= 0 || board == nullptr || index < 0 || index >= kBoardSize || board[index] == nullptr) return;
  Position* d = board[index];
  // Decided before anything moves; nothing is hit on a bar.
  const bool hit = d->LoneOpponent() && index != kHumanBar && index != kComputerBar;
  std::optional<CheckerFlight> flight;
  if (Drawing() && pieces[count] != nullptr) {
    flight.emplace(*this, index, hit);
    flight->Rise();
  }
  // The hit checker goes to its bar while the hitting one hovers over it.
  if (hit) {
    ++g_HitCount[g_turn];
    d->MoveTo(HitBarFor(g_turn));
  }
  if (flight) flight->Land();
  RemovePiece();
  d->AddPiece();
}

// ---- Bars -----------------------------------------------------------------

PositionBottom::PositionBottom(int number_, int owner_, Position** board_) : PositionTop(number_, owner_, board_) {}

BarHuman::BarHuman(Position** board_) : PositionTop(kHumanBar, SideHuman, board_) {}

BarComputer::BarComputer(Position** board_) : PositionBottom(kComputerBar, SideComputer, board_) {}

// ---- Trays ----------------------------------------------------------------

BearOffPosition::BearOffPosition(Position** board_, int side)
    : Position(side == SideComputer ? kComputerTray : kHumanTray, side, board_) {
  const int stored = g_BoardRecord[number].count;
  for (int i = 0; i < kMaxCheckers && count < stored; ++i) ++count;  // the owner stays
  CreateLabel();
}

BearOffPosition::~BearOffPosition() {
  countLabel.reset();
  count = 0;
}

void BearOffPosition::AddPiece() {
  if (count < kMaxCheckers) ++count;
  Draw();
}

void BearOffPosition::RemovePiece() {
  if (count > 0) --count;
  Draw();
}

// ---- The board as a whole --------------------------------------------------

void SetStartPosition() {
  std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
  struct Start {
    int index, count, owner;
  };
  static constexpr Start kStart[] = {{1, 2, SideHuman},  {6, 5, SideComputer},  {8, 3, SideComputer},
                                     {12, 5, SideHuman}, {13, 5, SideComputer}, {17, 3, SideHuman},
                                     {19, 5, SideHuman}, {24, 2, SideComputer}};
  for (const Start& s : kStart) {
    g_BoardRecord[s.index].count = static_cast<uint8_t>(s.count);
    g_BoardRecord[s.index].owner = s.owner;
  }
}

void DestroyBoard(Position** board) {
  for (int i = 0; i < kBoardSize; ++i) {
    delete board[i];
    board[i] = nullptr;
  }
}

namespace {
int StoredOwner(int i) {
  const int o = g_BoardRecord[i].owner;
  return (o == SideComputer || o == SideHuman) ? o : SideNone;
}

int StoredCount(int i) {
  const int c = g_BoardRecord[i].count;
  return c > kMaxCheckers ? kMaxCheckers : c;
}

// Puts the stored checkers on a freshly built entry.
void Fill(Position* p, int i) {
  const int n = StoredCount(i);
  for (int k = 0; k < kMaxCheckers && p->count < n; ++k) p->AddPiece();
}
}  // namespace

void CreateBoard(Position** board, bool fromStart) {
  DestroyBoard(board);
  if (fromStart) SetStartPosition();
  // The order matters: bottom points take their x from the top points, the
  // bars from points 1, 12, 16 and 24, the trays from point 1.
  for (int i = 1; i <= 24; ++i) {
    if (i <= 12) {
      auto* p = new PositionTop(i, StoredOwner(i), board);
      p->PositionTop::Draw();
      board[i] = p;
      Fill(p, i);
    } else {
      auto* p = new PositionBottom(i, StoredOwner(i), board);
      p->PositionBottom::Draw();
      board[i] = p;
      Fill(p, i);
    }
  }
  auto* humanBar = new BarHuman(board);
  humanBar->BarHuman::Draw();
  board[kHumanBar] = humanBar;
  Fill(humanBar, kHumanBar);

  auto* computerBar = new BarComputer(board);
  computerBar->BarComputer::Draw();
  board[kComputerBar] = computerBar;
  Fill(computerBar, kComputerBar);

  board[kComputerTray] = new BearOffPosition(board, SideComputer);
  board[kHumanTray] = new BearOffPosition(board, SideHuman);
}

void StoreBoard(Position** board) {
  for (int i = 0; i < kBoardSize; ++i) {
    if (board[i] == nullptr) continue;
    g_BoardRecord[i].owner = board[i]->owner;
    g_BoardRecord[i].count = static_cast<uint8_t>(board[i]->count);
  }
}

void SaveBoard(Position** board, Position** copies) {
  // A board not yet built has no entries to copy.
  for (int i = 0; i < kBoardSize; ++i) copies[i] = board[i] != nullptr ? new Position(*board[i]) : nullptr;
}

void RestoreBoard(Position** copies, Position** board) {
  for (int i = 0; i < kBoardSize; ++i) {
    if (copies[i] == nullptr) continue;
    if (board[i] != nullptr) board[i]->CopyFields(*copies[i]);
    // The copy's checkers are not real: it must not take any off when destroyed.
    copies[i]->count = 0;
    delete copies[i];
    copies[i] = nullptr;
  }
}

bool ClosedOut(const PointRecord* board, int side) {
  if (side != SideHuman && side != SideComputer) return false;
  const int bar = side == SideHuman ? kHumanBar : kComputerBar;
  const int first = side == SideHuman ? 1 : 19;
  if (board[bar].count < 1) return false;
  for (int i = first; i < first + 6; ++i)
    if (board[i].count < 2 || board[i].owner != Opponent(side)) return false;
  return true;
}

bool ClosedOut(Position* const* board, int side) {
  PointRecord image[kBoardSize] = {};
  for (int i = 0; i < kBoardSize; ++i) {
    image[i].count = static_cast<uint8_t>(board[i]->count);
    image[i].owner = board[i]->owner;
  }
  return ClosedOut(image, side);
}

void RefillEntry(Position& p, int owner, int count) {
  for (int k = 0; k < kMaxCheckers && p.count > 0; ++k) p.RemovePiece();
  p.owner = owner;
  for (int k = 0; k < kMaxCheckers && p.count < count; ++k) p.AddPiece();
}
