#include "ui/child_windows.h"

#include <wx/dcclient.h>

#include <algorithm>

#include "ui/input.h"
#include "ui/wx_surface.h"
#include "ui/wx_text.h"

namespace {
constexpr double kMinFontPoints = 5.0;
}  // namespace

bool FitFont(wxWindow* window, wxFont& font, const std::vector<wxString>& texts, int width) {
  auto widest = [&](const wxFont& f) {
    int most = 0;
    for (const wxString& t : texts) {
      int w = 0, h = 0;
      window->GetTextExtent(t, &w, &h, nullptr, nullptr, &f);
      most = std::max(most, w);
    }
    return most;
  };
  bool changed = false;
  while (font.GetFractionalPointSize() > kMinFontPoints && widest(font) > width) {
    font.SetFractionalPointSize(font.GetFractionalPointSize() - 0.5);
    changed = true;
  }
  return changed;
}

// ---- the board canvas ----------------------------------------------------------

BoardCanvas::BoardCanvas(wxWindow* parent, std::function<void()> paint)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS | wxBORDER_NONE, kBoardWindowName) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [paint = std::move(paint)](wxPaintEvent&) { paint(); });
}

// ---- the game log --------------------------------------------------------------

GameLogPanel::GameLogPanel(wxWindow* parent, const wxRect& r)
    : wxWindow(parent, wxID_ANY, r.GetPosition(), r.GetSize(), wxBORDER_NONE, kLogWindowName) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetFont(WxSurface::GameFont());
  SetCanFocus(false);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
  MeasureLineHeight();
}

void GameLogPanel::SetLines(const std::vector<std::string>& lines) {
  m_lines.clear();
  for (const std::string& l : lines) m_lines.push_back(Wx(l));
  // On a small screen the log is narrow: the font gets smaller until every
  // line fits, and stays so, so that it does not change to and fro.
  wxFont font = GetFont();
  if (FitFont(this, font, m_lines, GetClientSize().x - 2 * kTextIndent)) {
    SetFont(font);
    MeasureLineHeight();
  }
  // A repaint of the log takes the cursor away, as a redrawn list would.
  m_cursorShown = false;
  Refresh(false);
  Update();
}

void GameLogPanel::SetColour(const wxColour& c) {
  m_bg = c;
  Refresh(false);
}

void GameLogPanel::SetCursorText(const wxPoint& at, const wxString& text) {
  m_cursorAt = at;
  m_cursorText = text;
  m_cursorShown = true;
  int w = 0, h = 0;
  GetTextExtent(text, &w, &h);
  RefreshRect(wxRect(at.x, at.y, w + 1, h + 1), false);
  Update();
}

void GameLogPanel::MeasureLineHeight() {
  int w = 0, h = 0;
  GetTextExtent("Xg", &w, &h);
  m_lineHeight = std::max(1, h + 2);
}

void GameLogPanel::Paint() {
  wxPaintDC dc(this);
  dc.SetBackground(wxBrush(m_bg));
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(*wxBLACK);
  for (size_t i = 0; i < m_lines.size(); ++i)
    dc.DrawText(m_lines[i], kTextIndent, static_cast<int>(i) * m_lineHeight + 1);
  if (m_cursorShown && !m_cursorText.empty()) {
    int w = 0, h = 0;
    dc.GetTextExtent(m_cursorText, &w, &h);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_bg));
    dc.DrawRectangle(m_cursorAt.x, m_cursorAt.y, w, h);
    dc.DrawText(m_cursorText, m_cursorAt.x, m_cursorAt.y);
  }
}

// ---- windows on the parent's background ----------------------------------------

OnParentBackground::OnParentBackground(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style,
                                       const wxString& name)
    : wxWindow(parent, wxID_ANY, pos, size, style, name) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxPaintDC dc(this);
    Render(dc);
  });
}

void OnParentBackground::Render(wxDC& dc) {
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  Draw(dc);
}

// ---- the trend bar -------------------------------------------------------------

void TrendBarWindow::Set(const wxRect& c, const wxColour& cc, const wxRect& h, const wxColour& hc) {
  m_c = c;
  m_h = h;
  m_cc = cc;
  m_hc = hc;
  m_shown = true;
  Refresh(false);
  Update();
}

void TrendBarWindow::Clear() {
  m_shown = false;
  Refresh(false);
}

void TrendBarWindow::Draw(wxDC& dc) {
  if (!m_shown) return;
  dc.SetPen(*wxBLACK_PEN);
  if (m_c.width > 0 && m_c.height > 0) {
    dc.SetBrush(wxBrush(m_cc));
    dc.DrawRectangle(m_c);
  }
  if (m_h.width > 0 && m_h.height > 0) {
    dc.SetBrush(wxBrush(m_hc));
    dc.DrawRectangle(m_h);
  }
}

// ---- the tray labels -----------------------------------------------------------

TrayLabelCtrl::TrayLabelCtrl(wxWindow* parent, const wxRect& r, bool alignRight, const wxString& text)
    : OnParentBackground(parent, r.GetPosition(), r.GetSize(), wxBORDER_NONE, kBoardWindowName),
      m_alignRight(alignRight),
      m_text(text) {
  SetFont(WxSurface::GameFont());
  SetCanFocus(false);
}

void TrayLabelCtrl::Set(const wxString& text, bool yellow) {
  if (text == m_text && yellow == m_yellow) return;
  m_text = text;
  m_yellow = yellow;
  Refresh(false);
}

void TrayLabelCtrl::Draw(wxDC& dc) {
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(m_yellow ? wxColour(255, 255, 0) : *wxBLACK);
  int w = 0, h = 0;
  dc.GetTextExtent(m_text, &w, &h);
  const int x = m_alignRight ? GetClientSize().x - w : 0;
  dc.DrawText(m_text, x, 0);
}

WxTrayLabel::~WxTrayLabel() {
  if (m_ctrl) m_ctrl->Destroy();
}

void WxTrayLabel::SetText(const std::string& text, bool yellow) {
  if (m_ctrl) m_ctrl->Set(Wx(text), yellow);
}

// ---- the cube ------------------------------------------------------------------

CubeButtonCtrl::CubeButtonCtrl(wxWindow* parent, const wxRect& r)
    : wxButton(parent, wxID_ANY, wxString(), r.GetPosition(), r.GetSize()) {
  SetCanFocus(false);
}
