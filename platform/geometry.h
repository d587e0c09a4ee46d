#pragma once
// Plain geometry and colour values shared by the game and its front end.
#include <cstdint>

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int cx = 0;
  int cy = 0;
};

// A rectangle with exclusive right and bottom edges.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int px, int py) const { return left <= px && px < right && top <= py && py < bottom; }
  bool Intersects(const Rect& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
  bool operator==(const Rect&) const = default;
};

// A colour as 0x00BBGGRR: red in the low byte. Our files store colours this way.
using Color = uint32_t;

constexpr Color MakeColor(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int ColorR(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int ColorG(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorB(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color kBlack = MakeColor(0, 0, 0);
constexpr Color kWhite = MakeColor(255, 255, 255);
constexpr Color kYellow = MakeColor(255, 255, 0);
constexpr Color kDarkGray = MakeColor(64, 64, 64);
