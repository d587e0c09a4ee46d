#pragma once
// The kept drawing surface of the main window. All board drawing goes here and
// stays: there is no redraw from a model, sprites save and put back what lies
// under them. The front end copies the surface to the screen.
#include <memory>
#include <string>

#include "platform/geometry.h"

// A square of the surface copied out, to be put back later.
class SavedSquare {
 public:
  virtual ~SavedSquare() = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual void FillRect(const Rect& r, Color fill) = 0;
  // A filled polygon with a one-pixel outline.
  virtual void FillPolygon(const Point* points, int n, Color fill, Color outline) = 0;
  // A line from a towards b; the end point itself is not drawn.
  virtual void Line(Point a, Point b, Color pen) = 0;
  // The ellipse inscribed in box, filled, without an outline.
  virtual void FillEllipse(const Rect& box, Color fill) = 0;
  // A filled rectangle with a one-pixel outline.
  virtual void Rectangle(const Rect& r, Color fill, Color pen) = 0;
  // Text (UTF-8) drawn opaque: its cell is filled with bg first.
  virtual void Text(int x, int y, const std::string& text, Color fg, Color bg) = 0;
  virtual Size TextExtent(const std::string& text) = 0;

  // A square buffer of w x h pixels for a sprite.
  virtual std::unique_ptr<SavedSquare> CreateSquare(int w, int h) = 0;
  // Copy the square of the surface at (x, y) into the buffer.
  virtual void CopyOut(SavedSquare& square, int x, int y) = 0;
  // Copy the buffer back onto the surface at (x, y).
  virtual void CopyIn(const SavedSquare& square, int x, int y) = 0;

  // Bring what changed since the last flush onto the screen at once.
  virtual void Flush() = 0;
};
