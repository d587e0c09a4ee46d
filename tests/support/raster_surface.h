#pragma once
// A software drawing surface for tests: an RGB pixel array with exact, simple
// rules for every primitive, and a record of every call in order.
//
// - FillRect fills left <= x < right, top <= y < bottom.
// - FillPolygon fills by scanlines through pixel centres, then draws the
//   outline through every vertex (end points included).
// - Line draws from a towards b by Bresenham, leaving out b itself.
// - FillEllipse fills the pixels whose centres lie in the ellipse inscribed
//   in the box.
// - Text fills a box of kCharWidth x kCharHeight per byte with bg, then sets
//   pixels of a pattern of each byte in fg: the byte's eight bits stand in
//   row 1, so different texts give different pixels.
// Pixels outside the surface are dropped; reads outside give kOutside.
#include <string>
#include <vector>

#include "platform/surface.h"

class RasterSurface : public Surface {
 public:
  static constexpr int kCharWidth = 8;
  static constexpr int kCharHeight = 12;
  static constexpr Color kOutside = 0xFF000000;

  enum class Op { FillRect, FillPolygon, Line, FillEllipse, Rectangle, Text, CreateSquare, CopyOut, CopyIn, Flush };
  struct Call {
    Op op;
    Rect rect{};                // FillRect, FillEllipse, Rectangle; the square for CopyOut/CopyIn; text box
    std::vector<Point> points;  // FillPolygon; Line: {a, b}
    Color fill = 0;             // fill, pen of a line, fg of a text
    Color outline = 0;          // outline, pen of a rectangle, bg of a text
    std::string text;
  };

  RasterSurface(int width, int height, Color background = 0);

  void FillRect(const Rect& r, Color fill) override;
  void FillPolygon(const Point* points, int n, Color fill, Color outline) override;
  void Line(Point a, Point b, Color pen) override;
  void FillEllipse(const Rect& box, Color fill) override;
  void Rectangle(const Rect& r, Color fill, Color pen) override;
  void Text(int x, int y, const std::string& text, Color fg, Color bg) override;
  Size TextExtent(const std::string& text) override;
  std::unique_ptr<SavedSquare> CreateSquare(int w, int h) override;
  void CopyOut(SavedSquare& square, int x, int y) override;
  void CopyIn(const SavedSquare& square, int x, int y) override;
  void Flush() override {
    ++flushes;
    calls.push_back({Op::Flush});
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  Color Pixel(int x, int y) const;
  void SetPixel(int x, int y, Color c);
  const std::vector<Color>& Pixels() const { return pixels_; }
  // The pixels of a rectangle, row by row (kOutside beyond the surface).
  std::vector<Color> Region(const Rect& r) const;
  // How many pixels of r have colour c.
  int CountColor(const Rect& r, Color c) const;
  // The calls of one kind, in order.
  std::vector<Call> CallsOf(Op op) const;
  void ClearCalls() { calls.clear(); }

  std::vector<Call> calls;
  int flushes = 0;

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
  void Plot(int x, int y, Color c);
  // The pixels of r that lie on the surface.
  void PlotRect(const Rect& r, Color c);
};
