// Board drawing and geometry: each entry lays itself out from the window size
// and the board unit at every Draw and paints straight onto the kept surface.
#include <cstdio>
#include <cstdlib>

#include "board/board_window.h"
#include "board/position.h"
#include "settings/colors.h"
#include "settings/options.h"

namespace {
Surface* Dc() { return g_BoardWnd ? g_BoardWnd->BoardSurface() : nullptr; }

Color PointColor(int n) { return g_Colors[(n % 2 == 1) ? ColorPointA : ColorPointB]; }

int Tip(int d) { return 5 * d + d / 2; }
}  // namespace

int TopPointX(int n, int windowWidth, int unit, bool clockwise) {
  const int c = windowWidth / 17;
  const int column = clockwise ? n - 1 : 12 - n;
  const bool pastGap = clockwise ? n > 6 : n < 7;
  return c * column + (pastGap ? 3 * unit : 0);
}

void PositionTop::Draw() {
  if (g_BoardWnd == nullptr) return;
  const int u = g_Unit, d = g_CheckerSize;
  x = TopPointX(number, g_BoardWnd->WindowRect().Width(), u, g_ClockWise != 0);
  y = 2 * u;
  rect = Rect{x, 2 * u, x + 2 * u, 2 * u + Tip(d)};
  if (Surface* dc = Dc()) {
    dc->FillRect(rect, g_Colors[ColorBackground]);
    const Point tri[3] = {{x, 2 * u}, {x + u, 2 * u + Tip(d)}, {x + 2 * u, 2 * u}};
    dc->FillPolygon(tri, 3, PointColor(number), kWhite);
    dc->Line(tri[2], tri[1], kBlack);
  }
  DrawLabel(labelColor);
}

void PositionBottom::Draw() {
  if (g_BoardWnd == nullptr) return;
  const int u = g_Unit, d = g_CheckerSize;
  const Position* above = board[25 - number];
  x = above ? above->x : 0;
  const int b = g_BoardWnd->WindowRect().Height() - 5 * u;
  y = b;
  rect = Rect{x, b - Tip(d), x + 2 * u, b};
  if (Surface* dc = Dc()) {
    dc->FillRect(rect, g_Colors[ColorBackground]);
    const Point tri[3] = {{x, b}, {x + u, b - Tip(d)}, {x + 2 * u, b}};
    dc->FillPolygon(tri, 3, PointColor(number), kWhite);
    dc->Line(tri[1], tri[2], kBlack);
    dc->Line(tri[2], tri[0], kBlack);
  }
  DrawLabel(labelColor);
}

int PositionTop::PieceY(int k) { return y + ((k < 5 ? k : 5) - 1) * g_CheckerSize; }

int PositionBottom::PieceY(int k) { return y - (k < 5 ? k : 5) * g_CheckerSize; }

void PositionTop::DrawLabel(int colour) {
  labelColor = colour;
  Surface* dc = Dc();
  if (dc == nullptr || !OnBoard(number)) return;
  const int u = g_Unit;
  const char letter[2] = {PointLetter(number), 0};
  const int left = x + static_cast<int>(u / 1.4);
  const int top = number <= 12 ? y - u : y + u / 2;
  dc->Text(left, top, letter, colour ? kYellow : kBlack, g_Colors[ColorBackground]);
}

void BarHuman::Draw() {
  if (g_BoardWnd == nullptr || board[1] == nullptr || board[12] == nullptr || board[16] == nullptr) return;
  const int u = g_Unit;
  x = std::abs(board[12]->x - board[1]->x) / 2;
  rect = Rect{x, board[12]->y, x + 2 * u, board[16]->y};
  y = board[12]->y + u;
  if (Surface* dc = Dc()) {
    dc->FillRect(rect, g_Colors[ColorBar]);
    // Raised look: white left and top edges, black right and bottom edges.
    dc->Line({rect.left, rect.bottom}, {rect.left, rect.top}, kWhite);
    dc->Line({rect.left, rect.top}, {rect.right + 1, rect.top}, kWhite);
    dc->Line({rect.right, rect.top + 1}, {rect.right, rect.bottom}, kBlack);
    dc->Line({rect.right, rect.bottom}, {rect.left, rect.bottom}, kBlack);
  }
}

int BarHuman::HitTest(int px, int py) {
  Rect upper = rect;
  upper.bottom = upper.bottom / 2;  // half of the coordinate, as the layout has it
  return upper.Contains(px, py) ? 1 : 0;
}

void BarComputer::Draw() {
  if (g_BoardWnd == nullptr || board[0] == nullptr || board[24] == nullptr) return;
  const int u = g_Unit;
  x = board[0]->x;
  const int b = board[24]->y;
  rect = Rect{x, b - 9 * u, x + 2 * u, b};
  y = b - u;
}

void BearOffPosition::CreateLabel() {
  if (g_BoardWnd == nullptr) return;
  const int u = g_Unit;
  const bool cw = g_ClockWise != 0;
  x = cw ? u / 2 : (board[1] ? board[1]->x : 0);
  const int h = g_BoardWnd->ClientRect().bottom;
  y = h / 2 - (number == kComputerTray ? u : 0) - u / 2;
  rect = Rect{x, y, x + u, y + u};
  std::snprintf(text, sizeof text, "%d", static_cast<int>(count));
  countLabel = g_BoardWnd->CreateTrayLabel(rect, !cw, text);
}

void BearOffPosition::Draw() {
  std::snprintf(text, sizeof text, "%d", static_cast<int>(count));
  if (countLabel && g_BoardWnd) countLabel->SetText(text, g_BoardWnd->TrayHighlight());
}
