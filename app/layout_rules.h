#pragma once
// The pure arithmetic of the main window's layout, for the window and the tests.
#include <string>

#include "platform/geometry.h"

// The window's outer size for a desktop whose full-screen client area is w x h.
Size WindowSizeForScreen(int w, int h);

struct BoardScale {
  int unit;
  int checker;
  int shadow;
  int sprite;
};
BoardScale BoardScaleFor(Size window);

// The two shares of the trend bar in pane: the human's colour grows from the
// left with the computer's pips, the computer's from the right with the
// human's. False (no bar) when both pip counts are 0.
bool TrendBarRects(const Rect& pane, int computerPips, int humanPips, Rect& computer, Rect& human);

// At most n characters (not bytes) of a UTF-8 text.
std::string Utf8Prefix(const std::string& text, size_t n);
