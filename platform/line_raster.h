#pragma once
// The pixels of a line, worked out in one place for every drawing surface, so
// that the window and the tests' software surface cannot disagree.
#include <algorithm>
#include <cstdlib>

#include "platform/geometry.h"

// Bresenham from a towards b; b itself only when withEnd. The pixels come as
// rectangles to fill: a straight line is one, any other line one run per row.
template <class FillRun>
void RasterLine(Point a, Point b, bool withEnd, FillRun&& fill) {
  if (a.x == b.x || a.y == b.y) {
    Point end = b;
    if (!withEnd) {
      if (a.x == b.x && a.y == b.y) return;
      if (a.y == b.y)
        end.x += end.x > a.x ? -1 : 1;
      else
        end.y += end.y > a.y ? -1 : 1;
    }
    fill(Rect{std::min(a.x, end.x), std::min(a.y, end.y), std::max(a.x, end.x) + 1, std::max(a.y, end.y) + 1});
    return;
  }
  const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
  const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
  int err = dx + dy;
  int x = a.x, y = a.y;
  int runStart = x, runEnd = x, runY = y;
  auto flush = [&]() { fill(Rect{std::min(runStart, runEnd), runY, std::max(runStart, runEnd) + 1, runY + 1}); };
  bool first = true;
  // Bounded by the line's length, whatever the coordinates.
  for (long steps = 0; steps <= static_cast<long>(dx) - dy + 1; ++steps) {
    const bool atEnd = x == b.x && y == b.y;
    if (atEnd && !withEnd) break;
    if (first) {
      runStart = runEnd = x;
      runY = y;
      first = false;
    } else if (y == runY) {
      runEnd = x;
    } else {
      flush();
      runStart = runEnd = x;
      runY = y;
    }
    if (atEnd) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  if (!first) flush();
}
