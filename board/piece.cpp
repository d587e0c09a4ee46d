// Checker sprites and how a move is seen and heard: the flight of the moving
// checker, the hit shake and the sounds.
#include "board/piece.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "board/board_window.h"
#include "board/position.h"
#include "platform/random.h"
#include "settings/colors.h"
#include "settings/options.h"

namespace {
Surface* Dc() { return g_BoardWnd ? g_BoardWnd->BoardSurface() : nullptr; }

Color CheckerColor(int owner) { return g_Colors[owner == SideComputer ? ColorComputer : ColorHuman]; }

void Sound(SoundEvent event) {
  if (FastMode() || g_BoardWnd == nullptr) return;
  PlayEventSound(event, [](const std::string& file) { g_BoardWnd->PlaySoundFile(file); });
}

// One frame's wait; in fast mode the frame is only shown.
void FrameWait() {
  if (g_BoardWnd == nullptr) return;
  if (FastMode()) {
    if (Surface* dc = Dc()) dc->Flush();
  } else {
    g_BoardWnd->Wait(g_SpeedDelay);
  }
}

// No animation phase may run for ever, whatever the geometry: this many frames
// cross the whole window at the smallest step.
int FrameLimit() {
  const Rect w = g_BoardWnd ? g_BoardWnd->WindowRect() : Rect{};
  return std::max(64, w.Width() + w.Height() + 64);
}

int Step() { return std::max(1, static_cast<int>(0.6 * g_CheckerSize)); }

// Flights under way: the outermost one paces the frames.
int g_flights = 0;
}  // namespace

Piece::Piece(int x_, int y_, int owner_, int stackIndex_)
    : x(x_), y(y_), stackIndex(stackIndex_), owner(owner_), color(CheckerColor(owner_)) {
  if (Surface* dc = Dc()) background = dc->CreateSquare(g_SpriteSize, g_SpriteSize);
  Draw(0, 0);
}

Piece::~Piece() { Erase(); }

void Piece::Draw(int plain, int forceShadow) {
  Surface* dc = Dc();
  if (dc == nullptr || !background) return;
  saved = 0;  // what was drawn before stays: Draw does not erase
  dc->CopyOut(*background, x, y);
  const int d = g_CheckerSize, o = g_ShadowOffset, s = g_SpriteSize;
  if (plain == 0) {
    if (forceShadow == 0 && stackIndex > 5) {
      char num[4];
      std::snprintf(num, sizeof num, "%d", static_cast<int>(stackIndex % 100));
      const Size ext = dc->TextExtent(num);
      dc->Text(x + d / 2 - ext.cx / 2, y + o + 1, num, kBlack, color);
      saved = 1;
      return;
    }
    dc->FillEllipse(Rect{x + o, y, x + s, y + d}, kDarkGray);
  }
  dc->FillEllipse(Rect{x, y, x + d, y + d}, color);
  saved = 1;
}

void Piece::Erase() {
  if (saved == 0) return;
  if (Surface* dc = Dc(); dc != nullptr && background) dc->CopyIn(*background, x, y);
  saved = 0;
}

void Piece::Shake(int number) {
  if (g_HitShake == 0 || g_BoardWnd == nullptr) return;
  const int u = std::max(1, g_Unit);
  const int lo = u;
  const int hi = g_BoardWnd->ClientRect().right - u;
  for (int jump = 0; jump < 5; ++jump) {
    if (!FastMode()) g_BoardWnd->Wait(static_cast<uint16_t>(4 * g_SpeedDelay));
    Erase();
    // Jump sideways until the checker lies inside the window's margins; a window
    // too narrow for that gets at most a bounded number of tries.
    for (int tries = 0; tries < 1000; ++tries) {
      x += (GameRand() & 1) ? u : -u;
      if (x < 0) x = 0;
      if (number < 13)
        y += GameRand() % u;
      else
        y -= GameRand() % u;
      if (hi >= lo && x >= lo && x <= hi) break;
      if (hi < lo) break;
    }
    if (hi >= lo) x = std::clamp(x, lo, hi);
    Draw(0, 0);
  }
}

CheckerFlight::CheckerFlight(PositionTop& from, int index, bool hit)
    : m_from(from), m_dest(from.board[index]), m_piece(from.pieces[from.count]), m_index(index), m_hit(hit) {
  if (g_flights++ == 0 && g_BoardWnd != nullptr) g_BoardWnd->BeginAnimation();
}

CheckerFlight::~CheckerFlight() {
  if (--g_flights == 0 && g_BoardWnd != nullptr) g_BoardWnd->EndAnimation();
}

void CheckerFlight::Rise() {
  Piece* p = m_piece;
  const int n = m_from.number;
  const int t = Step();
  const int u = g_Unit;
  const int limit = FrameLimit();
  const bool hit = m_hit;

  if ((m_index == kHumanBar || m_index == kComputerBar) && !g_BoardWnd->Undoing()) {
    Sound(SoundHit);
    p->Shake(n);
  }

  // Lift: out of the entry, towards the middle of the board.
  const int v = n < 13 ? t : -t;
  for (int f = 0; f < limit; ++f) {
    p->Erase();
    p->y += v;
    p->Draw(hit ? 0 : 1, hit ? 1 : 0);
    FrameWait();
    if (!m_from.HitTest(p->x, p->y)) break;
  }

  // Slide: across to the destination's column.
  const bool sameColumn = m_index == std::abs(n - 25);
  const bool outerBearOff = (n == 1 || n == 24) && (m_index == kComputerTray || m_index == kHumanTray);
  if (!sameColumn && !outerBearOff) {
    const int h = m_dest->x > p->x ? t : -t;
    for (int f = 0; f < limit; ++f) {
      p->Erase();
      p->x += h;
      const bool arrived = h > 0 ? p->x >= m_dest->x : p->x - u <= m_dest->x;
      p->Draw(arrived && hit ? 0 : 1, hit ? 1 : 0);
      FrameWait();
      if (arrived) break;
    }
  }
}

void CheckerFlight::Land() {
  Piece* p = m_piece;
  const Position* dest = m_dest;
  const int t = Step();
  const int u = g_Unit;
  const int limit = FrameLimit();

  // Descent: onto the destination's stack; a tray takes the checker at once.
  p->Erase();
  p->x = dest->x + static_cast<int>(0.4 * g_CheckerSize);
  p->Draw(1, 0);
  if (m_index != kComputerTray && m_index != kHumanTray) {
    const int w = dest->y > p->y ? t : -t;
    for (int f = 0; f < limit; ++f) {
      p->Erase();
      p->y += w;
      p->Draw(1, 0);
      FrameWait();
      const bool arrived =
          w < 0 ? p->y + w <= dest->y + (dest->count + 1) * u : p->y + w >= dest->y - (dest->count + 1) * u;
      if (arrived) break;
    }
  }

  Sound(SoundMove);
}
