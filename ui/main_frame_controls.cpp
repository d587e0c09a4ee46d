// The main window's child controls as the game's view sees them: the status
// bar with its trend bar, the game log, the cube button, the die faces and the
// tray labels.
#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/statusbr.h>

#include <algorithm>

#include "ui/child_windows.h"
#include "ui/images.h"
#include "ui/input.h"
#include "ui/main_frame.h"
#include "ui/wx_convert.h"
#include "ui/wx_surface.h"

namespace {
// What the status bar keeps of a pane's width beside the text (its borders
// and the text's indent on either side).
constexpr int kStatusTextMargin = 8;
}  // namespace

// ---- View: child controls -------------------------------------------------------

void MainFrame::CreateControls(const ControlLayout& layout) {
  if (m_controlsCreated) return;
  m_status = CreateStatusBar(3, wxSTB_SHOW_TIPS | wxSTB_ELLIPSIZE_END | wxFULL_REPAINT_ON_RESIZE);
  const int widths[3] = {std::max(1, layout.statusPane0Width), std::max(1, layout.statusPane1Width), -1};
  m_status->SetStatusWidths(3, widths);
  for (int i = 0; i < 3; ++i) m_status->SetStatusText(Wx(m_statusTexts[static_cast<size_t>(i)]), i);
  m_trend = new TrendBarWindow(m_status);
  wxRect field;
  if (m_status->GetFieldRect(1, field)) m_trend->SetSize(field);

  for (int i = 0; i < 4; ++i) {
    const Rect h = layout.humanDice[i], c = layout.computerDice[i];
    // Die faces are pictures on the board: their clicks are the board's.
    m_humanDice[static_cast<size_t>(i)] = new wxStaticBitmap(m_canvas, wxID_ANY, wxNullBitmap, wxPoint(h.left, h.top),
                                                             wxSize(h.Width(), h.Height()), 0, kBoardWindowName);
    m_computerDice[static_cast<size_t>(i)] = new wxStaticBitmap(
        m_canvas, wxID_ANY, wxNullBitmap, wxPoint(c.left, c.top), wxSize(c.Width(), c.Height()), 0, kBoardWindowName);
    m_humanDice[static_cast<size_t>(i)]->Hide();
    m_computerDice[static_cast<size_t>(i)]->Hide();
  }
  m_log = new GameLogPanel(m_canvas, WxRect(layout.log));
  m_cube = new CubeButtonCtrl(m_canvas, WxRect(layout.cube));
  m_cube->Bind(wxEVT_BUTTON, &MainFrame::OnCubeClicked, this);
  m_controlsCreated = true;
  // The status bar takes its height from the frame's client area.
  m_canvas->SetSize(wxFrame::GetClientSize());
  OnCanvasSize();
}

std::unique_ptr<TrayLabel> MainFrame::CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) {
  // The board does without its counts then.
  if (m_windowGone) return nullptr;
  auto* ctrl = new TrayLabelCtrl(m_canvas, WxRect(r), alignRight, Wx(text));
  ctrl->SetBackgroundColour(Wxc(m_background));
  return std::make_unique<WxTrayLabel>(ctrl);
}

// ---- View: the game log -----------------------------------------------------------

int MainFrame::LogLinesPerPage() { return m_log != nullptr ? m_log->LinesPerPage() : 0; }

void MainFrame::SetLogLines(const std::vector<std::string>& lines) {
  m_logLines = lines;
  if (m_log != nullptr && OnScreen()) m_log->SetLines(lines);
}

Rect MainFrame::LogLineRect(int index) {
  if (m_log == nullptr) return Rect{};
  const wxPoint p = m_log->GetPosition();
  const int w = m_log->GetClientSize().x;
  const int h = m_log->LineHeight();
  const int top = p.y + std::max(0, index) * h;
  return Rect{p.x + GameLogPanel::kTextIndent, top, p.x + w, top + h};
}

int MainFrame::LogTextWidth(const std::string& text) {
  if (m_log == nullptr) return 0;
  int w = 0, h = 0;
  m_log->GetTextExtent(Wx(text), &w, &h);
  return w;
}

wxPoint MainFrame::CanvasToLog(int x, int y) const {
  const wxPoint p = m_log->GetPosition();
  return wxPoint(x - p.x, y - p.y);
}

void MainFrame::DrawLogCursor(int x, int y, const std::string& text) {
  if (m_log == nullptr || !OnScreen()) return;
  m_log->SetCursorText(CanvasToLog(x, y), Wx(text));
}

// ---- View: status bar ---------------------------------------------------------------

void MainFrame::SetStatusText(int pane, const std::string& text) {
  if (pane < 0 || pane > 2) return;
  m_statusTexts[static_cast<size_t>(pane)] = text;
  if (m_status == nullptr || !OnScreen()) return;
  // A text wider than its pane makes the status bar's font smaller (for good),
  // rather than be cut off.
  wxRect field;
  wxFont font = m_status->GetFont();
  if (m_status->GetFieldRect(pane, field) && FitFont(m_status, font, {Wx(text)}, field.width - kStatusTextMargin))
    m_status->SetFont(font);
  m_status->SetStatusText(Wx(text), pane);
}

std::string MainFrame::StatusText(int pane) const {
  if (pane < 0 || pane > 2) return std::string();
  return m_statusTexts[static_cast<size_t>(pane)];
}

void MainFrame::UpdateStatusBar() {
  if (m_status != nullptr && OnScreen()) m_status->Update();
}

Rect MainFrame::StatusPaneRect(int pane) {
  wxRect field;
  if (m_status == nullptr || !OnScreen() || !m_status->GetFieldRect(pane, field)) return Rect{};
  const wxPoint p = m_canvas->ScreenToClient(m_status->ClientToScreen(field.GetPosition()));
  return Rect{p.x, p.y, p.x + field.width, p.y + field.height};
}

void MainFrame::DrawTrendBar(const Rect& computer, Color computerColor, const Rect& human, Color humanColor) {
  if (m_trend == nullptr || !OnScreen()) return;
  // The rectangles come in client coordinates; the bar lies over pane 1.
  const wxPoint origin = m_canvas->ScreenToClient(m_trend->ClientToScreen(wxPoint(0, 0)));
  auto local = [&origin](const Rect& r) {
    wxRect w = WxRect(r);
    w.Offset(-origin.x, -origin.y);
    return w;
  };
  m_trend->Set(local(computer), Wxc(computerColor), local(human), Wxc(humanColor));
}

void MainFrame::ClearTrendBar() {
  if (m_trend != nullptr && OnScreen()) m_trend->Clear();
}

bool MainFrame::TrendBarShown(Rect& computer, Rect& human) const {
  if (m_trend == nullptr || !m_trend->Shown()) return false;
  computer = FromWx(m_trend->ComputerRect());
  human = FromWx(m_trend->HumanRect());
  return true;
}

// ---- View: cube and dice ------------------------------------------------------------

void MainFrame::SetCube(const std::string& text, const Rect& r) {
  if (m_cube == nullptr) return;
  m_cube->SetLabel(Wx(text));
  m_cube->SetSize(WxRect(r));
}

void MainFrame::EnableCube(bool enabled) {
  if (m_cube != nullptr) m_cube->Enable(enabled);
}

bool MainFrame::CubeEnabled() { return m_cube != nullptr && m_cube->IsEnabled(); }

wxStaticBitmap* MainFrame::DieStatic(DiceRow row, int slot) {
  if (slot < 0 || slot > 3) return nullptr;
  return (row == DiceRow::Human ? m_humanDice : m_computerDice)[static_cast<size_t>(slot)];
}

int MainFrame::DieValue(DiceRow row, int slot) const {
  if (slot < 0 || slot > 3) return 0;
  return (row == DiceRow::Human ? m_humanValues : m_computerValues)[static_cast<size_t>(slot)];
}

void MainFrame::ShowDie(DiceRow row, int slot, int value) {
  if (slot < 0 || slot > 3) return;
  if (!ValidDie(value)) value = 0;  // 0 shows no die
  (row == DiceRow::Human ? m_humanValues : m_computerValues)[static_cast<size_t>(slot)] = value;
  wxStaticBitmap* die = DieStatic(row, slot);
  if (die == nullptr || !OnScreen()) return;
  if (value == 0) {
    die->Hide();
    return;
  }
  die->SetBitmap(DieFaceBundle(value, m_background, m_surface->Scale()));
  die->Show();
  die->Refresh();
}

void MainFrame::ApplyDieFaces() {
  for (int i = 0; i < 4; ++i) {
    for (DiceRow row : {DiceRow::Human, DiceRow::Computer}) {
      const int v = DieValue(row, i);
      if (v != 0) ShowDie(row, i, v);
    }
  }
}
