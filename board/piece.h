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

class PositionTop;
// The three-phase animated move of the top checker of from to board index.
void AnimateMove(PositionTop& from, int index);
