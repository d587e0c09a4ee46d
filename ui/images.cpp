#include "ui/images.h"

#include <algorithm>
#include <cmath>

#include "platform/sides.h"

namespace {
void Put(wxImage& img, int x, int y, unsigned char r, unsigned char g, unsigned char b) {
  if (x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight()) return;
  img.SetRGB(x, y, r, g, b);
}

void Disc(wxImage& img, double cx, double cy, double radius, unsigned char v) {
  for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y)
    for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= radius * radius) Put(img, x, y, v, v, v);
    }
}
}  // namespace

bool DiePip(int value, int row, int column) {
  // Index of the grid cell: 0 1 2 / 3 4 5 / 6 7 8.
  static constexpr unsigned kPips[7] = {
      0,
      1u << 4,
      (1u << 2) | (1u << 6),
      (1u << 2) | (1u << 4) | (1u << 6),
      (1u << 0) | (1u << 2) | (1u << 6) | (1u << 8),
      (1u << 0) | (1u << 2) | (1u << 4) | (1u << 6) | (1u << 8),
      (1u << 0) | (1u << 2) | (1u << 3) | (1u << 5) | (1u << 6) | (1u << 8),
  };
  if (!ValidDie(value) || row < 0 || row > 2 || column < 0 || column > 2) return false;
  return (kPips[value] >> (row * 3 + column)) & 1u;
}

wxImage DieFaceImage(int value, Color background, int scale) {
  // Worked out in the face's own units, one for each pixel at scale 1.
  const double k = std::max(1, scale);
  const int n = kDieFaceSize;
  wxImage img(static_cast<int>(n * k), static_cast<int>(n * k));
  const unsigned char br = static_cast<unsigned char>(ColorR(background));
  const unsigned char bg = static_cast<unsigned char>(ColorG(background));
  const unsigned char bb = static_cast<unsigned char>(ColorB(background));
  // Rounded square with a black rim, one pixel in from the edge.
  const double lo = 1.0, hi = n - 1.0, radius = 5.0;
  for (int y = 0; y < img.GetHeight(); ++y)
    for (int x = 0; x < img.GetWidth(); ++x) {
      const double px = (x + 0.5) / k, py = (y + 0.5) / k;
      const double qx = std::max({lo + radius - px, 0.0, px - (hi - radius)});
      const double qy = std::max({lo + radius - py, 0.0, py - (hi - radius)});
      const double d = std::sqrt(qx * qx + qy * qy);
      const bool inside = px >= lo && px <= hi && py >= lo && py <= hi && d <= radius;
      const bool rim = inside && d > radius - 1.2;
      const bool edge = inside && (px < lo + 1 || px > hi - 1 || py < lo + 1 || py > hi - 1);
      if (!inside)
        Put(img, x, y, br, bg, bb);
      else if (rim || edge)
        Put(img, x, y, 0, 0, 0);
      else
        Put(img, x, y, 255, 255, 255);
    }
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      if (DiePip(value, row, col)) Disc(img, k * (8.0 + 8.0 * col), k * (8.0 + 8.0 * row), k * 2.7, 0);
  return img;
}

wxBitmapBundle DieFaceBundle(int value, Color background, int scale) {
  wxVector<wxBitmap> faces;
  faces.push_back(wxBitmap(DieFaceImage(value, background)));
  if (scale > 1) faces.push_back(wxBitmap(DieFaceImage(value, background, scale)));
  return wxBitmapBundle::FromBitmaps(faces);
}

wxImage ConfirmCursorImage() {
  const int n = 32;
  wxImage img(n, n);
  // Magenta marks the transparent pixels.
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) img.SetRGB(x, y, 255, 0, 255);
  // The arrow: a black outline with a white body, tip at (0, 0).
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x <= y && x < 12; ++x) {
      const bool outline = x == 0 || x == y || x == 11 || y == 16;
      Put(img, x, y, outline ? 0 : 255, outline ? 0 : 255, outline ? 0 : 255);
    }
  // The check mark: a thick dark-green hook at the lower right.
  auto stroke = [&](int x0, int y0, int x1, int y1) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
      const int x = x0 + (x1 - x0) * i / std::max(1, steps);
      const int y = y0 + (y1 - y0) * i / std::max(1, steps);
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) Put(img, x + dx, y + dy, 0, 128, 0);
    }
  };
  stroke(14, 22, 18, 27);
  stroke(18, 27, 28, 13);
  img.SetMaskColour(255, 0, 255);
  img.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 0);
  img.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 0);
  return img;
}

wxCursor ConfirmCursor() { return wxCursor(ConfirmCursorImage()); }

wxImage PlayTriangleImage(int size) {
  wxImage img(size, size);
  img.InitAlpha();
  // The tip lies on the right edge's middle; the base is the left quarter line.
  const double left = size * 0.25, right = size * 0.8, mid = size / 2.0, half = size * 0.35;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double reach = half * (right - px) / (right - left);
      const bool inside = px >= left && px <= right && std::abs(py - mid) <= reach;
      img.SetRGB(x, y, 0, 0, 0);
      img.SetAlpha(x, y, inside ? 255 : 0);
    }
  return img;
}
