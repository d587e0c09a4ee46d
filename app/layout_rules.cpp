#include "app/layout_rules.h"

#include <algorithm>
#include <cstdint>

Size WindowSizeForScreen(int w, int h) {
  // A desktop narrower than the margin gets an empty window, not a negative one.
  if (w <= 800) return Size{std::max(0, w - 20), h};
  if (w <= 1024) return Size{800, h};
  const int height = std::max(600, static_cast<int>(h * 0.63));
  return Size{static_cast<int>(height * 1.5), height};
}

BoardScale BoardScaleFor(Size window) {
  BoardScale s{};
  s.unit = (window.cx + window.cy) / 57;
  s.checker = static_cast<int>(s.unit * 1.15);
  s.shadow = s.checker / 5;
  s.sprite = static_cast<uint16_t>(s.checker + s.shadow);
  return s;
}

bool TrendBarRects(const Rect& pane, int computerPips, int humanPips, Rect& computer, Rect& human) {
  const int64_t total = static_cast<int64_t>(computerPips) + humanPips;
  if (total <= 0) return false;
  Rect r = pane;
  r.top += 1;
  r.bottom -= 1;
  const int64_t w = r.Width();
  computer = r;
  computer.left = r.right - static_cast<int>(humanPips * w / total);
  human = r;
  human.right = r.left + static_cast<int>(computerPips * w / total);
  return true;
}

std::string Utf8Prefix(const std::string& text, size_t n) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) != 0x80) {
      if (chars == n) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}
