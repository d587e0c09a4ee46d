#include "ui/wx_surface.h"

#include <wx/dc.h>
#include <wx/graphics.h>
#include <wx/window.h>

#include <algorithm>
#include <vector>

#include "platform/line_raster.h"
#include "ui/wx_convert.h"

namespace {

class WxSquare : public SavedSquare {
 public:
  WxSquare(int w, int h) : width(w), height(h), bitmap(std::max(1, w), std::max(1, h), 24) { dc.SelectObject(bitmap); }
  ~WxSquare() override { dc.SelectObject(wxNullBitmap); }
  int width, height;
  wxBitmap bitmap;
  mutable wxMemoryDC dc;  // a source of Blit even when the square is const
};

// No drawing step may be smoothed: sprites save and restore exact squares and
// the board's colours are compared pixel by pixel.
void Crisp(wxDC& dc) {
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
}
}  // namespace

wxFont WxSurface::GameFont() {
  static const wxFont font(wxFontInfo(9).Family(wxFONTFAMILY_SWISS));
  return font;
}

WxSurface::WxSurface(wxWindow* canvas) : m_canvas(canvas), m_font(GameFont()) { EnsureSize(1, 1); }

WxSurface::~WxSurface() { m_dc.SelectObject(wxNullBitmap); }

void WxSurface::Select(wxBitmap& bitmap) {
  m_dc.SelectObject(bitmap);
  Crisp(m_dc);
  m_dc.SetFont(m_font);
}

void WxSurface::EnsureSize(int w, int h) {
  w = std::clamp(w, 1, 16384);
  h = std::clamp(h, 1, 16384);
  if (m_bitmap.IsOk() && w <= m_width && h <= m_height) return;
  const int nw = std::max(w, m_width), nh = std::max(h, m_height);
  wxBitmap grown(nw, nh, 24);
  {
    wxMemoryDC g(grown);
    g.SetBackground(*wxWHITE_BRUSH);
    g.Clear();
    if (m_bitmap.IsOk()) g.Blit(0, 0, m_width, m_height, &m_dc, 0, 0);
  }
  m_dc.SelectObject(wxNullBitmap);
  m_bitmap = grown;
  m_width = nw;
  m_height = nh;
  Select(m_bitmap);
}

void WxSurface::Mark(int left, int top, int right, int bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, m_width);
  bottom = std::min(bottom, m_height);
  if (left >= right || top >= bottom) return;
  if (!m_hasDirty) {
    m_dirty = Rect{left, top, right, bottom};
    m_hasDirty = true;
    return;
  }
  m_dirty.left = std::min(m_dirty.left, left);
  m_dirty.top = std::min(m_dirty.top, top);
  m_dirty.right = std::max(m_dirty.right, right);
  m_dirty.bottom = std::max(m_dirty.bottom, bottom);
}

void WxSurface::SolidFill(Color c) {
  m_dc.SetPen(*wxTRANSPARENT_PEN);
  m_dc.SetBrush(wxBrush(Wxc(c)));
}

void WxSurface::FillRect(const Rect& r, Color fill) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  SolidFill(fill);
  m_dc.DrawRectangle(r.left, r.top, r.Width(), r.Height());
  Mark(r.left, r.top, r.right, r.bottom);
}

void WxSurface::Rectangle(const Rect& r, Color fill, Color pen) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  FillRect(r, pen);
  FillRect(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, fill);
}

void WxSurface::PlotLine(Point a, Point b, Color pen, bool includeEnd) {
  SolidFill(pen);
  RasterLine(a, b, includeEnd, [this](const Rect& run) {
    m_dc.DrawRectangle(run.left, run.top, run.Width(), run.Height());
    Mark(run.left, run.top, run.right, run.bottom);
  });
  // A slanting line refreshes its whole box, end point included.
  if (a.x != b.x && a.y != b.y)
    Mark(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
}

void WxSurface::Line(Point a, Point b, Color pen) { PlotLine(a, b, pen, false); }

void WxSurface::FillPolygon(const Point* points, int n, Color fill, Color outline) {
  if (points == nullptr || n < 2) return;
  std::vector<wxPoint> pts;
  pts.reserve(static_cast<size_t>(n));
  int l = points[0].x, t = points[0].y, r = l, b = t;
  for (int i = 0; i < n; ++i) {
    pts.emplace_back(points[i].x, points[i].y);
    l = std::min(l, points[i].x);
    t = std::min(t, points[i].y);
    r = std::max(r, points[i].x);
    b = std::max(b, points[i].y);
  }
  SolidFill(fill);
  m_dc.DrawPolygon(n, pts.data());
  for (int i = 0; i < n; ++i) PlotLine(points[i], points[(i + 1) % n], outline, true);
  Mark(l, t, r + 1, b + 1);
}

void WxSurface::FillEllipse(const Rect& box, Color fill) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  SolidFill(fill);
  m_dc.DrawEllipse(box.left, box.top, box.Width(), box.Height());
  Mark(box.left, box.top, box.right, box.bottom);
}

void WxSurface::Text(int x, int y, const std::string& text, Color fg, Color bg) {
  if (text.empty()) return;
  const wxString s = Wx(text);
  wxCoord w = 0, h = 0;
  m_dc.GetTextExtent(s, &w, &h);
  // The cell is filled first, so the text is opaque whatever the DC makes of
  // its background mode.
  FillRect(Rect{x, y, x + w, y + h}, bg);
  m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  m_dc.SetTextForeground(Wxc(fg));
  m_dc.DrawText(s, x, y);
  Mark(x, y, x + w, y + h);
}

Size WxSurface::TextExtent(const std::string& text) {
  wxCoord w = 0, h = 0;
  m_dc.GetTextExtent(Wx(text), &w, &h);
  return Size{w, h};
}

std::unique_ptr<SavedSquare> WxSurface::CreateSquare(int w, int h) {
  return std::make_unique<WxSquare>(std::clamp(w, 1, 4096), std::clamp(h, 1, 4096));
}

void WxSurface::CopyOut(SavedSquare& square, int x, int y) {
  auto* s = dynamic_cast<WxSquare*>(&square);
  if (s == nullptr) return;
  s->dc.Blit(0, 0, s->width, s->height, &m_dc, x, y);
}

void WxSurface::CopyIn(const SavedSquare& square, int x, int y) {
  auto* s = dynamic_cast<const WxSquare*>(&square);
  if (s == nullptr) return;
  m_dc.Blit(x, y, s->width, s->height, &s->dc, 0, 0);
  Mark(x, y, x + s->width, y + s->height);
}

void WxSurface::CopyTo(wxDC& dc, int x, int y, int w, int h) {
  x = std::max(x, 0);
  y = std::max(y, 0);
  w = std::min(w, m_width - x);
  h = std::min(h, m_height - y);
  if (w <= 0 || h <= 0) return;
  dc.Blit(x, y, w, h, &m_dc, x, y);
}

Color WxSurface::PixelAt(int x, int y) {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kBlack;
  wxColour c;
  if (!m_dc.GetPixel(x, y, &c)) return kBlack;
  return MakeColor(c.Red(), c.Green(), c.Blue());
}

void WxSurface::Flush() {
  if (!m_hasDirty) return;
  const Rect d = m_dirty;
  m_hasDirty = false;
  if (m_canvas == nullptr || !m_canvas->IsShownOnScreen()) return;
  m_flushing = true;
  m_canvas->RefreshRect(wxRect(d.left, d.top, d.Width(), d.Height()), false);
  m_canvas->Update();
  m_flushing = false;
}
