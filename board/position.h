#pragma once
// The 28 board entries: at once the game model (count and owner of each entry)
// and the objects that draw the board. The plain Position only carries the
// model and serves as the snapshot copy.
#include <cstdint>
#include <memory>

#include "board/globals.h"
#include "platform/geometry.h"

struct Piece;
class TrayLabel;

class Position {
 public:
  Position() = default;
  Position(int number, int owner, Position** board);
  // A snapshot copy of all seven fields.
  Position(const Position& other);
  Position& operator=(const Position& other);
  virtual ~Position();

  virtual int HitTest(int px, int py);
  // Model move: no legality, no drawing, no hit count.
  virtual void MoveTo(int index);
  virtual void RemovePiece();
  virtual void AddPiece();
  virtual void Draw();

  // The model rules themselves, as every class applies them directly.
  void ModelAdd();
  void ModelRemove();
  void CopyFields(const Position& other) {
    x = other.x;
    y = other.y;
    number = other.number;
    count = other.count;
    owner = other.owner;
    board = other.board;
    rect = other.rect;
  }
  // One checker of the side not to move stands here: a step of the side to
  // move onto it hits.
  bool LoneOpponent() const { return count == 1 && owner == Opponent(g_turn); }
  // Only what a model move changes: the count and the owner.
  void CopyModel(const Position& other) {
    count = other.count;
    owner = other.owner;
  }

  int32_t x = 0;
  int32_t y = 0;
  int8_t number = 0;
  int8_t count = 0;
  int32_t owner = SideNone;
  Position** board = nullptr;
  Rect rect{};
};

// Points of the top row 1 to 12; base of every drawn entry with checker sprites.
class PositionTop : public Position {
 public:
  PositionTop(int number, int owner, Position** board);
  ~PositionTop() override;

  // The move with its hit, seen as a flight with sounds and shake when the
  // checker is drawn.
  void MoveTo(int index) override;
  void RemovePiece() override;
  void AddPiece() override;
  void Draw() override;
  // Top y of the k-th checker's place.
  virtual int PieceY(int k);

  // The point's letter in black (0) or yellow (1); the colour is remembered.
  void DrawLabel(int colour);

  Piece* pieces[16] = {};
  int32_t labelColor = 0;

 protected:
  // Shared by every drawn entry: destroy the sprites, top first.
  void ClearPieces();
};

// Left x of top point n (1 to 12) for a window of the given outer width; the
// board's layout arithmetic, drawn by Draw and checked by the tests.
int TopPointX(int n, int windowWidth, int unit, bool clockwise);

// Points of the bottom row 13 to 24.
class PositionBottom : public PositionTop {
 public:
  PositionBottom(int number, int owner, Position** board);
  void Draw() override;
  int PieceY(int k) override;
};

// Entry 0: the human's bar, drawn as the whole bar strip.
class BarHuman : public PositionTop {
 public:
  explicit BarHuman(Position** board);
  int HitTest(int px, int py) override;
  void Draw() override;
};

// Entry 25: the computer's bar, the lower part of the same strip.
class BarComputer : public PositionBottom {
 public:
  explicit BarComputer(Position** board);
  void Draw() override;
};

// Entries 26 (computer) and 27 (human): the bear-off trays with count labels.
class BearOffPosition : public Position {
 public:
  BearOffPosition(Position** board, int side);
  ~BearOffPosition() override;
  void RemovePiece() override;
  void AddPiece() override;
  void Draw() override;

  std::unique_ptr<TrayLabel> countLabel;
  char text[8] = {};

 private:
  void CreateLabel();
};

// The stored image of one entry, 8 bytes little-endian as in our files.
struct PointRecord {
  uint8_t count;
  uint8_t padding[3];
  int32_t owner;
};
static_assert(sizeof(PointRecord) == 8);

// The stored board image: 28 records in board-index order, 224 bytes.
extern PointRecord g_BoardRecord[kBoardSize];

// Destroys the 28 entries present and builds new ones from g_BoardRecord,
// after SetStartPosition when fromStart.
void CreateBoard(Position** board, bool fromStart);
// Destroys the entries present and nulls the slots.
void DestroyBoard(Position** board);
void SetStartPosition();
void StoreBoard(Position** board);
// Takes every checker off the entry and puts count checkers of owner back,
// each drawn anew (in today's colours).
void RefillEntry(Position& p, int owner, int count);
// copies[i] becomes a new plain copy of entry i.
void SaveBoard(Position** board, Position** copies);
// Copies the fields back into the live entries and destroys the copies.
void RestoreBoard(Position** copies, Position** board);

// The bar a checker hit by the side to move (turn) goes to.
constexpr int HitBarFor(int turn) { return turn == SideHuman ? kComputerBar : kHumanBar; }

// Checkers of side on entries lo to hi inclusive; 0 when hi < lo. Inline, as
// PipCount below: the evaluation asks both at every leaf of the search.
inline int CountCheckers(int lo, int hi, Position* const* board, int side) {
  if (lo < 0) lo = 0;
  if (hi >= kBoardSize) hi = kBoardSize - 1;
  int n = 0;
  for (int i = lo; i <= hi; ++i)
    if (board[i] != nullptr && board[i]->owner == side) n += board[i]->count;
  return n;
}

// The pips side still has to travel: a checker on entry i counts i for the
// computer and 25 - i for the human, one on its own bar 25, one borne off
// nothing. 0 for a side that is neither; an entry not yet built counts nothing.
inline int PipCount(Position* const* board, int side) {
  if (side != SideComputer && side != SideHuman) return 0;
  int pips = 0;
  for (int i = kHumanBar; i <= kComputerBar; ++i) {
    const Position* p = board[i];
    if (p == nullptr) continue;
    pips += (p->owner == side ? p->count : 0) * (side == SideComputer ? i : kComputerBar - i);
  }
  return pips;
}

// The side is closed out: a checker of its own on its bar, and each of its six
// entry points (1 to 6 for the human, 19 to 24 for the computer) held by two
// or more of the other side's checkers. False for a side that is neither.
bool ClosedOut(const PointRecord* board, int side);
// The same on the 28 live entries.
bool ClosedOut(Position* const* board, int side);
