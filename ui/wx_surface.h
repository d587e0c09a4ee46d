#pragma once
// The kept drawing surface of the board on wx: a memory DC over a bitmap of the
// window's size. Every drawing step marks what it changed; Flush brings that
// part onto the canvas at once. Nothing is ever read back from the screen.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include <memory>
#include <string>

#include "platform/surface.h"

class wxWindow;
class wxDC;

class WxSurface : public Surface {
 public:
  // canvas: the window that shows the surface; may be null (nothing shown).
  explicit WxSurface(wxWindow* canvas);
  ~WxSurface() override;
  WxSurface(const WxSurface&) = delete;
  WxSurface& operator=(const WxSurface&) = delete;

  // Grows the surface to at least w x h, keeping what is drawn on it.
  void EnsureSize(int w, int h);
  // Sizes and coordinates are the window's logical pixels; the bitmap has
  // scale device pixels to each (the canvas's, as the surface was made), so
  // that the board is as sharp as the text on a dense screen. A new scale
  // keeps the picture, resampled; true when it changed.
  bool SetScale(int scale);
  int Scale() const { return m_scale; }
  Size GetSize() const { return Size{m_width, m_height}; }
  void SetCanvas(wxWindow* canvas) { m_canvas = canvas; }

  // Copies the part r of the surface onto dc at the same place.
  void CopyTo(wxDC& dc, int x, int y, int w, int h);
  // The colour of one pixel of the surface (for the tests); black outside.
  // At a scale above 1, the top left device pixel of the logical one.
  Color PixelAt(int x, int y);
  // The colour of one device pixel of the bitmap; black outside.
  Color DevicePixelAt(int x, int y);
  // The part changed since the last flush (empty when none).
  Rect Dirty() const { return m_hasDirty ? m_dirty : Rect{}; }
  void ClearDirty() { m_hasDirty = false; }
  // True while a flush brings the surface onto the screen.
  bool Flushing() const { return m_flushing; }
  // The small sans font used for every text on the board and in the log.
  static wxFont GameFont();

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
  void Flush() override;

 private:
  void Select(wxBitmap& bitmap);
  void Rebuild(int w, int h, int scale);
  void Mark(int left, int top, int right, int bottom);
  // What is drawn next is filled with c, without an outline.
  void SolidFill(Color c);
  // Pixels of the line a..b; includeEnd adds b itself.
  void PlotLine(Point a, Point b, Color pen, bool includeEnd);
  void PlotDeviceLine(Point a, Point b, Color pen, bool includeEnd);

  wxWindow* m_canvas;
  wxBitmap m_bitmap;
  wxMemoryDC m_dc;
  wxFont m_font;
  int m_width = 0;
  int m_height = 0;
  int m_scale = 1;
  Rect m_dirty{};
  bool m_hasDirty = false;
  bool m_flushing = false;
};
