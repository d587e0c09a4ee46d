// The main window's layout, game log, status texts, trend and repaint.
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "app/layout_rules.h"
#include "app/stored_texts.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "board/piece.h"
#include "resources/strings.h"
#include "settings/colors.h"
#include "settings/options.h"

namespace {
constexpr int kSizeMinimized = 1;
constexpr size_t kLogLineChars = 63;
constexpr int kIconSize = 32;
}  // namespace

void TremaWnd::OnSize(int kind, int cx, int cy) {
  // A minimised window keeps the client rectangle it had: the board and the
  // shake go on measuring the real board.
  if (kind == kSizeMinimized || m_view->IsMinimised()) return;
  // The trays of every game and the controls, placed once, share the client
  // area the window had when the controls were made. A window manager that
  // adds its frame only once the window shows changes the area afterwards;
  // taking that in would move the trays and the cube away from the dice.
  const bool placed = m_view->ControlsCreated();
  if (!placed) m_clientRect = Rect{0, 0, cx, cy};
  const Size screen = m_view->ScreenArea();
  const Size window = WindowSizeForScreen(screen.cx, screen.cy);
  const BoardScale s = BoardScaleFor(window);
  g_Unit = s.unit;
  g_CheckerSize = s.checker;
  g_ShadowOffset = s.shadow;
  g_SpriteSize = static_cast<uint16_t>(s.sprite);
  m_view->SetWindowSize(window.cx, window.cy);
  if (m_board[0] == nullptr) m_view->SetWindowPos(10, 10);
  const Size client = m_view->ClientSize();
  if (!placed && client.cx > 0 && client.cy > 0) m_clientRect = Rect{0, 0, client.cx, client.cy};
}

void TremaWnd::CreateControls() {
  const bool cw = g_ClockWise != 0;
  // Made by the first game, once its board is built.
  auto X = [this](int p) { return m_board[p]->x; };
  auto Y = [this](int p) { return m_board[p]->y; };
  ControlLayout layout;
  const int y0 = Y(kComputerTray);
  const int step = static_cast<int>(kIconSize * 1.2);
  layout.statusPane0Width = X(cw ? 18 : 20);
  layout.statusPane1Width = X(cw ? 13 : 24) - X(cw ? 18 : 20);
  for (int i = 0; i < 4; ++i) {
    const int s = i * step;
    const int hx = X(cw ? 9 : 5) + s;
    const int cxp = X(cw ? 3 : 10) + s;
    layout.humanDice[i] = Rect{hx, y0, hx + kIconSize, y0 + kIconSize};
    layout.computerDice[i] = Rect{cxp, y0, cxp + kIconSize, y0 + kIconSize};
  }
  layout.log = Rect{X(cw ? 12 : 1) + static_cast<int>(2.5 * g_Unit), Y(cw ? 12 : 1), m_clientRect.right - g_Unit / 4,
                    Y(cw ? 13 : 24)};
  layout.cube = layout.log;
  m_view->CreateControls(layout);
  ApplyBackgroundColor();
  m_view->Show();
}

void TremaWnd::OnPaint(const Rect& update, bool erase) {
  if (m_dc == nullptr) return;
  if (erase) m_dc->FillRect(update, g_Colors[ColorBackground]);
  for (int i = 0; i <= kComputerBar; ++i) {
    Position* p = m_board[i];
    if (p == nullptr || !p->rect.Intersects(update)) continue;
    p->Draw();
    auto* drawn = static_cast<PositionTop*>(p);
    for (int k = 1; k <= p->count && k < 16; ++k)
      if (drawn->pieces[k] != nullptr) drawn->pieces[k]->Draw(0, 0);
  }
  // The controls repaint with the board, and with them the trend bar comes back.
  DrawTrendBar();
}

void TremaWnd::InitLog() {
  m_log.clear();
  m_view->SetTitle(m_displayName);
  AddLogLine(m_displayName);
  AddLogLine(LogHeaderText(1));
  AddLogLine(LogHeaderText(2));
  AppendToLog("\xC2\xA9");  // the copyright sign
  AppendToLog(LogHeaderText(3));
  char year[8];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(year, sizeof year, "%Y", &local);
  AppendToLog(year);
  AddLogLine(LogHeaderText(4));
  AddLogLine(" ");
}

void TremaWnd::AddLogLine(const std::string& text) {
  // A page too short for one line still keeps one.
  const size_t page = static_cast<size_t>(std::max(1, m_view->LogLinesPerPage()));
  while (!m_log.empty() && m_log.size() >= page) m_log.erase(m_log.begin());
  m_log.push_back(Utf8Prefix(text, kLogLineChars));
  m_view->SetLogLines(m_log);
}

void TremaWnd::AppendToLog(const std::string& text) {
  std::string line = m_log.empty() ? std::string() : m_log.back();
  line = Utf8Prefix(Utf8Prefix(line, kLogLineChars) + text, kLogLineChars);
  if (!m_log.empty()) m_log.pop_back();
  AddLogLine(line);
}

void TremaWnd::DeleteLastLogLine() {
  if (m_log.empty()) return;
  m_log.pop_back();
  m_view->SetLogLines(m_log);
}

void TremaWnd::SetStatusText(int id) {
  if (g_AutoFinishActive) return;
  m_view->SetStatusText(2, "");
  m_view->SetStatusText(0, LoadResString(id));
  m_view->UpdateStatusBar();
}

void TremaWnd::SetStatusPane(int pane, const std::string& text) { m_view->SetStatusText(pane, text); }

std::string TremaWnd::TrendText() {
  const int d = PipCount(m_board, SideComputer) - PipCount(m_board, SideHuman);
  if (d == 0) return LoadResString(kTrendEvenText);
  char buf[96];
  std::snprintf(buf, sizeof buf, LoadResString(d > 0 ? kHumanLeadsText : kComputerLeadsText), d > 0 ? d : -d);
  return buf;
}

void TremaWnd::OnShowTrend() { m_view->SetStatusText(2, TrendText()); }

void TremaWnd::DrawTrendBar() {
  if (!g_ShowProgress) {
    m_view->ClearTrendBar();
    return;
  }
  Rect c, h;
  if (!TrendBarRects(m_view->StatusPaneRect(1), PipCount(m_board, SideComputer), PipCount(m_board, SideHuman), c, h)) {
    m_view->ClearTrendBar();
    return;
  }
  m_view->DrawTrendBar(c, g_Colors[ColorComputer], h, g_Colors[ColorHuman]);
}

void TremaWnd::OnTimer() {
  if (g_turn != SideHuman || g_AutoFinishActive || !m_view->IsActive() || m_log.empty()) return;
  const int last = static_cast<int>(m_log.size()) - 1;
  const Rect r = m_view->LogLineRect(last);
  const int width = m_view->LogTextWidth(Utf8Prefix(m_log.back(), 23));
  const int x = r.left + width + g_Unit / 4;
  m_view->DrawLogCursor(x, r.top, m_cursorBlink ? "_" : "   ");
  m_cursorBlink = !m_cursorBlink;
}

void TremaWnd::ApplyBackgroundColor() { m_view->SetBackground(g_Colors[ColorBackground]); }

void TremaWnd::OnRedraw() { m_view->Invalidate(true); }
