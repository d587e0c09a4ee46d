#include "tests/support/raster_surface.h"

#include <algorithm>
#include <cmath>

#include "platform/line_raster.h"

namespace {
class RasterSquare : public SavedSquare {
 public:
  RasterSquare(int w_, int h_) : w(w_ > 0 ? w_ : 0), h(h_ > 0 ? h_ : 0), pixels(static_cast<size_t>(w) * h) {}
  int w;
  int h;
  std::vector<Color> pixels;
};
}  // namespace

RasterSurface::RasterSurface(int width, int height, Color background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

Color RasterSurface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void RasterSurface::SetPixel(int x, int y, Color c) { Plot(x, y, c); }

void RasterSurface::Plot(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

std::vector<Color> RasterSurface::Region(const Rect& r) const {
  std::vector<Color> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(Pixel(x, y));
  return out;
}

int RasterSurface::CountColor(const Rect& r, Color c) const {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Pixel(x, y) == c ? 1 : 0;
  return n;
}

std::vector<RasterSurface::Call> RasterSurface::CallsOf(Op op) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.op == op) out.push_back(c);
  return out;
}

void RasterSurface::FillRect(const Rect& r, Color fill) {
  calls.push_back({Op::FillRect, r, {}, fill});
  PlotRect(r, fill);
}

void RasterSurface::PlotRect(const Rect& r, Color fill) {
  for (int y = std::max(0, r.top); y < std::min(height_, r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(width_, r.right); ++x) Plot(x, y, fill);
}

void RasterSurface::Line(Point a, Point b, Color pen) {
  calls.push_back({Op::Line, {}, {a, b}, pen});
  RasterLine(a, b, false, [&](const Rect& run) { PlotRect(run, pen); });
}

void RasterSurface::FillPolygon(const Point* points, int n, Color fill, Color outline) {
  Call call{Op::FillPolygon, {}, {}, fill, outline};
  if (points != nullptr && n > 0) call.points.assign(points, points + n);
  calls.push_back(call);
  if (points == nullptr || n < 2) return;
  int top = points[0].y, bottom = points[0].y;
  for (int i = 1; i < n; ++i) {
    top = std::min(top, points[i].y);
    bottom = std::max(bottom, points[i].y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, height_ - 1);
  for (int y = top; y <= bottom; ++y) {
    const double cy = y + 0.5;
    std::vector<double> xs;
    for (int i = 0; i < n; ++i) {
      const Point p = points[i], q = points[(i + 1) % n];
      if ((p.y <= cy && cy < q.y) || (q.y <= cy && cy < p.y))
        xs.push_back(p.x + (cy - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2) {
      // Pixels whose centres lie between the two crossings.
      const int from = static_cast<int>(std::ceil(xs[k] - 0.5));
      const int to = static_cast<int>(std::ceil(xs[k + 1] - 0.5));
      for (int x = std::max(from, 0); x < std::min(to, width_); ++x) Plot(x, y, fill);
    }
  }
  for (int i = 0; i < n; ++i)
    RasterLine(points[i], points[(i + 1) % n], true, [&](const Rect& run) { PlotRect(run, outline); });
}

void RasterSurface::FillEllipse(const Rect& box, Color fill) {
  calls.push_back({Op::FillEllipse, box, {}, fill});
  const double rx = box.Width() / 2.0, ry = box.Height() / 2.0;
  if (rx <= 0 || ry <= 0) return;
  const double cx = box.left + rx, cy = box.top + ry;
  for (int y = std::max(box.top, 0); y < std::min(box.bottom, height_); ++y)
    for (int x = std::max(box.left, 0); x < std::min(box.right, width_); ++x) {
      const double ex = (x + 0.5 - cx) / rx, ey = (y + 0.5 - cy) / ry;
      if (ex * ex + ey * ey <= 1.0) Plot(x, y, fill);
    }
}

void RasterSurface::Rectangle(const Rect& r, Color fill, Color pen) {
  calls.push_back({Op::Rectangle, r, {}, fill, pen});
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const bool edge = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
      Plot(x, y, edge ? pen : fill);
    }
}

Size RasterSurface::TextExtent(const std::string& text) {
  return Size{static_cast<int>(text.size()) * kCharWidth, kCharHeight};
}

void RasterSurface::Text(int x, int y, const std::string& text, Color fg, Color bg) {
  const Size ext = TextExtent(text);
  calls.push_back({Op::Text, Rect{x, y, x + ext.cx, y + ext.cy}, {}, fg, bg, text});
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int left = x + static_cast<int>(i) * kCharWidth;
    for (int row = 0; row < kCharHeight; ++row)
      for (int col = 0; col < kCharWidth; ++col) {
        bool on = false;
        if (row == 1)
          on = ((b >> col) & 1) != 0;
        else if (row >= 3 && row < kCharHeight - 1 && col >= 1 && col < kCharWidth - 1)
          on = ((b * 37 + row * 11 + col * 5) % 7) < 3;
        Plot(left + col, y + row, on ? fg : bg);
      }
  }
}

std::unique_ptr<SavedSquare> RasterSurface::CreateSquare(int w, int h) {
  calls.push_back({Op::CreateSquare, Rect{0, 0, w, h}});
  return std::make_unique<RasterSquare>(w, h);
}

void RasterSurface::CopyOut(SavedSquare& square, int x, int y) {
  auto* sq = dynamic_cast<RasterSquare*>(&square);
  if (sq == nullptr) return;
  calls.push_back({Op::CopyOut, Rect{x, y, x + sq->w, y + sq->h}});
  for (int j = 0; j < sq->h; ++j)
    for (int i = 0; i < sq->w; ++i) sq->pixels[static_cast<size_t>(j) * sq->w + i] = Pixel(x + i, y + j);
}

void RasterSurface::CopyIn(const SavedSquare& square, int x, int y) {
  const auto* sq = dynamic_cast<const RasterSquare*>(&square);
  if (sq == nullptr) return;
  calls.push_back({Op::CopyIn, Rect{x, y, x + sq->w, y + sq->h}});
  for (int j = 0; j < sq->h; ++j)
    for (int i = 0; i < sq->w; ++i) {
      const Color c = sq->pixels[static_cast<size_t>(j) * sq->w + i];
      if (c != kOutside) Plot(x + i, y + j, c);
    }
}
