#include "ui/wx_surface.h"

#include <wx/dc.h>
#include <wx/graphics.h>
#include <wx/window.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/line_raster.h"
#include "ui/wx_convert.h"

namespace {

// A bitmap of w x h logical pixels with scale device pixels to each.
wxBitmap DeviceBitmap(int w, int h, int scale) {
  if (scale <= 1) return wxBitmap(w, h, 24);
  wxBitmap b;
  b.CreateScaled(w, h, 24, scale);
  return b;
}

class WxSquare : public SavedSquare {
 public:
  WxSquare(int w, int h, int s) : width(w), height(h) { Make(s); }
  ~WxSquare() override { dc.SelectObject(wxNullBitmap); }
  void Make(int s) {
    dc.SelectObject(wxNullBitmap);
    scale = s;
    bitmap = DeviceBitmap(std::max(1, width), std::max(1, height), s);
    dc.SelectObject(bitmap);
  }
  int width, height, scale = 1;
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

WxSurface::WxSurface(wxWindow* canvas) : m_canvas(canvas), m_font(GameFont()) {
  if (canvas != nullptr) m_scale = DeviceScale(canvas);
  EnsureSize(1, 1);
}

WxSurface::~WxSurface() { m_dc.SelectObject(wxNullBitmap); }

void WxSurface::Select(wxBitmap& bitmap) {
  m_dc.SelectObject(bitmap);
  Crisp(m_dc);
  m_dc.SetFont(m_font);
}

void WxSurface::EnsureSize(int w, int h) { Rebuild(w, h, m_scale); }

bool WxSurface::SetScale(int scale) {
  scale = std::clamp(scale, 1, 8);
  if (scale == m_scale) return false;
  Rebuild(m_width, m_height, scale);
  return true;
}

void WxSurface::Rebuild(int w, int h, int scale) {
  w = std::clamp(w, 1, 16384 / scale);
  h = std::clamp(h, 1, 16384 / scale);
  if (m_bitmap.IsOk() && w <= m_width && h <= m_height && scale == m_scale) return;
  const int nw = std::min(std::max(w, m_width), 16384 / scale), nh = std::min(std::max(h, m_height), 16384 / scale);
  // A new scale keeps the old picture, resampled, until the board is drawn again.
  m_scale = scale;
  wxBitmap grown = DeviceBitmap(nw, nh, scale);
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
  if (m_scale == 1) {
    RasterLine(a, b, includeEnd, [this](const Rect& run) {
      m_dc.DrawRectangle(run.left, run.top, run.Width(), run.Height());
      Mark(run.left, run.top, run.right, run.bottom);
    });
  } else {
    PlotDeviceLine(a, b, pen, includeEnd);
  }
  // A slanting line refreshes its whole box, end point included.
  if (a.x != b.x && a.y != b.y)
    Mark(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
}

void WxSurface::PlotDeviceLine(Point a, Point b, Color pen, bool includeEnd) {
  // The line steps at the device's pixels and is one logical pixel (s device
  // pixels) thick across its run. Along its run it begins at the edge of a's
  // pixel and ends at the edge of b's, so that a straight line covers exactly
  // the logical pixels it covers at scale 1.
  wxGraphicsContext* gc = m_dc.GetGraphicsContext();
  if (gc == nullptr || (a.x == b.x && a.y == b.y && !includeEnd)) return;
  const int s = m_scale;
  const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
  const int along = xMajor ? (b.x < a.x ? s - 1 : 0) : (b.y < a.y ? s - 1 : 0);
  Point da{s * a.x, s * a.y}, db{s * b.x, s * b.y};
  (xMajor ? da.x : da.y) += along;
  (xMajor ? db.x : db.y) += along;
  // The end pixel, when it is drawn, is a whole logical pixel.
  if (includeEnd) (xMajor ? db.x : db.y) += (xMajor ? (b.x < a.x ? -1 : 1) : (b.y < a.y ? -1 : 1)) * (s - 1);
  gc->SetPen(*wxTRANSPARENT_PEN);
  gc->SetBrush(wxBrush(Wxc(pen)));
  RasterLine(da, db, includeEnd, [&](const Rect& run) {
    const Rect r = xMajor ? Rect{run.left, run.top, run.right, run.top + s}
                          : Rect{run.left, run.top, run.right + s - 1, run.bottom};
    gc->DrawRectangle(static_cast<double>(r.left) / s, static_cast<double>(r.top) / s,
                      static_cast<double>(r.Width()) / s, static_cast<double>(r.Height()) / s);
    Mark(r.left / s, r.top / s, (r.right + s - 1) / s, (r.bottom + s - 1) / s);
  });
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
  return std::make_unique<WxSquare>(std::clamp(w, 1, 4096), std::clamp(h, 1, 4096), m_scale);
}

void WxSurface::CopyOut(SavedSquare& square, int x, int y) {
  auto* s = dynamic_cast<WxSquare*>(&square);
  if (s == nullptr) return;
  // The square takes the surface's pixels one for one, at its present scale.
  if (s->scale != m_scale) s->Make(m_scale);
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
  return DevicePixelAt(x * m_scale, y * m_scale);
}

Color WxSurface::DevicePixelAt(int x, int y) {
  if (x < 0 || y < 0 || x >= m_width * m_scale || y >= m_height * m_scale) return kBlack;
  // wx reads the pixel of the bitmap itself, whatever its scale.
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
