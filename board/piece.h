#pragma once
// A checker on a point or a bar: a sprite that saves the square of the surface
// under it before it draws, and puts it back when it is erased.
#include <cstdint>
#include <memory>

#include "platform/geometry.h"
#include "platform/surface.h"

struct Piece {
  Piece(int x, int y, int owner, int stackIndex);
  ~Piece();
  Piece(const Piece&) = delete;
  Piece& operator=(const Piece&) = delete;

  // plain: the checker alone, no shadow; forceShadow: shadow and checker at
  // any place (places above 5 otherwise show only their number).
  void Draw(int plain, int forceShadow);
  void Erase();
  // The hit shake; number is the board index the checker stands on.
  void Shake(int number);

  int32_t x;
  int32_t y;
  int32_t stackIndex;
  int32_t owner;
  std::unique_ptr<SavedSquare> background;
  Color color;
  int32_t saved = 0;
};

class Position;
class PositionTop;

// How the top checker of an entry is seen to move to a board index: up out of
// the entry and across over the destination, then down onto it. Only drawing
// and sounds: PositionTop::MoveTo moves the checker, and between the two
// halves sends a hit checker to its bar, itself seen in a flight of its own.
// A flight, with the hit checker's inside it, is paced as a whole from its
// first frame.
class CheckerFlight {
 public:
  CheckerFlight(PositionTop& from, int index, bool hit);
  ~CheckerFlight();
  CheckerFlight(const CheckerFlight&) = delete;
  CheckerFlight& operator=(const CheckerFlight&) = delete;

  // A checker bound for a bar first shakes there with the hit sound (unless a
  // step is taken back); then the lift and the slide.
  void Rise();
  // The descent onto the destination's stack and the move sound.
  void Land();

 private:
  PositionTop& m_from;
  Position* m_dest;
  Piece* m_piece;
  int m_index;
  bool m_hit;
};
