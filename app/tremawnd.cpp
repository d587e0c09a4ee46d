// The main window object: start-up, shut-down and the message map.
#include "app/tremawnd.h"

#include <chrono>
#include <cstdint>

#include "app/text.h"
#include "platform/accelerators.h"
#include "platform/random.h"
#include "resources/accelerators_table.h"
#include "resources/ids.h"
#include "settings/options.h"

TremaWnd* g_MainWnd = nullptr;

namespace {
constexpr unsigned kTypedKeyFlag = 0x10000;
}  // namespace

TremaWnd::TremaWnd(const TremaWndServices& s)
    : m_host(s.host),
      m_view(s.view),
      m_frame(s.frame),
      m_surface(s.surface),
      m_dialogs(s.dialogs),
      m_profile(s.profile),
      m_docFile(s.docFile),
      m_displayName(s.displayName) {}

TremaWnd::~TremaWnd() { DestroyWindow(); }

bool TremaWnd::PreCreateWindow() {
  for (Position*& p : m_board) p = nullptr;
  LoadOptions(*m_profile, m_diceMode);
  return true;
}

void TremaWnd::Create() {
  // From the clock to the nanosecond: two starts within a second roll apart.
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ns = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  SeedGameRand(static_cast<uint32_t>(ns ^ (ns >> 32)));
  PreCreateWindow();
  const Size client = m_view->ClientSize();
  OnSize(0, client.cx, client.cy);
  g_MainWnd = this;
  g_BoardWnd = this;
  m_dc = m_surface;
  m_frame->StartTimer(ID_TIMER_BLINK, 400);
  m_engine.reset();
  m_dice.reset();
  m_undoing = m_awaitConfirm = m_hintMade = m_replayDice = 0;
  m_firstGame = 1;
  NewGame();
}

void TremaWnd::DestroyWindow() {
  if (m_destroyed) return;
  m_destroyed = true;
  // The timer first, and nothing queued survives: no handler may run on what
  // is freed below.
  if (m_frame) m_frame->KillTimer(ID_TIMER_BLINK);
  m_queue.Clear();
  // The entries take their checkers off the surface while it is still there.
  DestroyBoard(m_board);
  m_engine.reset();
  // The dice close their roll list as they go.
  m_dice.reset();
  while (m_waitDepth > 0) EndWait();
  m_dc = nullptr;
  if (g_BoardWnd == this) g_BoardWnd = nullptr;
  if (g_MainWnd == this) g_MainWnd = nullptr;
}

void TremaWnd::OnDocumentation() {
  if (!m_frame->OpenDocument(m_docFile)) m_host->MessageBox(m_docFile + " not found", MB_OK);
}

// ---- messages ---------------------------------------------------------------

void TremaWnd::PostCommand(int id) { m_queue.PostCommand(static_cast<uint32_t>(id)); }

void TremaWnd::Pump() {
  if (m_destroyed) return;
  PumpMessages(m_queue, *this);
  if (!m_destroyed && m_dc != nullptr) m_dc->Flush();
}

bool TremaWnd::TranslateAccelerator(const Message& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
  const int command = MatchAccelerator(GameAccelerators(), msg);
  if (command == 0) return false;
  OnCommand(command, false);
  return true;
}

void TremaWnd::Dispatch(const Message& msg) {
  if (m_destroyed) return;
  const Point at{msg.x, msg.y};
  switch (msg.message) {
    case WM_KEYDOWN:
      // A key from the keyboard always carries flags; only the mouse's call
      // into the step entry passes none.
      OnKeyDown(msg.wParam, 1, msg.flags | kTypedKeyFlag);
      break;
    case WM_LBUTTONUP: OnLButtonUp(msg.flags, at); break;
    case WM_RBUTTONDOWN: OnRButtonDown(msg.flags, at); break;
    case WM_MOUSEMOVE: OnMouseMove(msg.flags, at); break;
    case WM_TIMER: OnTimer(); break;
    case WM_COMMAND: OnCommand(static_cast<int>(msg.wParam), msg.lParam == 1); break;
    default: break;
  }
}

void TremaWnd::OnCommand(int id, bool fromControl) {
  if (m_destroyed) return;
  if (!fromControl && !CommandEnabled(id)) return;
  RunCommand(id);
}

void TremaWnd::DrainInput() {
  m_host->TakeInPendingInput();
  m_queue.RemoveRange(WM_KEYFIRST, WM_MOUSELAST);
}

// ---- what the board needs ---------------------------------------------------

Rect TremaWnd::WindowRect() { return m_view->WindowRect(); }

void TremaWnd::Wait(int ms) {
  if (m_dc != nullptr) m_dc->Flush();
  // Even a frame that is late gets its pause of 0, which shows it.
  m_host->Pause(m_pacer.Next(m_host->TickCount(), ms));
}

void TremaWnd::BeginAnimation() { m_pacer.Start(m_host->TickCount()); }

void TremaWnd::EndAnimation() { m_pacer.Stop(); }

void TremaWnd::PlaySoundFile(const std::string& file) { m_host->PlaySound(file, true); }

std::unique_ptr<TrayLabel> TremaWnd::CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) {
  return m_view->CreateTrayLabel(r, alignRight, text);
}

void TremaWnd::BeginWait() {
  ++m_waitDepth;
  m_host->BeginWaitCursor();
}

void TremaWnd::EndWait() {
  if (m_waitDepth <= 0) return;
  --m_waitDepth;
  m_host->EndWaitCursor();
}
