// The pace of the checker animation in the real window: at each speed, moves
// of the starting position back and forth, each timed from its start to its
// landing against the sum of the waits it asked for (frames × delay, the
// shake's longer waits included). Shown once paced from the move's start, as
// the game does, and once with every wait on its own, for comparison.
//
//   animation_bench    (on the display named by DISPLAY)
#include <stdlib.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/log.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/tremawnd.h"
#include "board/board_window.h"
#include "board/position.h"
#include "settings/options.h"
#include "settings/settings_keys.h"
#include "tests/support/temp_dir.h"
#include "ui/main_frame.h"
#include "ui/wx_dialogs.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {
class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// The main window as the board sees it, adding up the waits asked for; with
// paced off, the move's start is not passed on, so every wait stands alone.
class CountingWindow : public BoardWindow {
 public:
  explicit CountingWindow(BoardWindow* real) : m_real(real) {}
  Surface* BoardSurface() override { return m_real->BoardSurface(); }
  Rect WindowRect() override { return m_real->WindowRect(); }
  Rect ClientRect() override { return m_real->ClientRect(); }
  bool Undoing() override { return m_real->Undoing(); }
  bool TrayHighlight() override { return m_real->TrayHighlight(); }
  void Wait(int ms) override {
    asked += ms;
    ++frames;
    m_real->Wait(ms);
  }
  void BeginAnimation() override {
    if (paced) m_real->BeginAnimation();
  }
  void EndAnimation() override {
    if (paced) m_real->EndAnimation();
  }
  void PlaySoundFile(const std::string& file) override { m_real->PlaySoundFile(file); }
  std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) override {
    return m_real->CreateTrayLabel(r, alignRight, text);
  }

  bool paced = true;
  long asked = 0;
  int frames = 0;

 private:
  BoardWindow* m_real;
};

void Settle(int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
      while (loop->Pending()) loop->Dispatch();
    wxTheApp->ProcessPendingEvents();
    wxMilliSleep(2);
  }
}

struct Result {
  int frames = 0;
  double asked = 0, took = 0, worst = 0;  // ms, ms, largest deviation of one move in %
};

// Moves a checker of point 1 to point 4 and back, pairs times.
Result Measure(TremaWnd* core, CountingWindow* win, int pairs) {
  Result r;
  for (int i = 0; i < 2 * pairs; ++i) {
    const int from = i % 2 == 0 ? 1 : 4, to = i % 2 == 0 ? 4 : 1;
    win->asked = 0;
    win->frames = 0;
    const auto t0 = Clock::now();
    core->m_board[from]->MoveTo(to);
    const double took = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    r.frames += win->frames;
    r.asked += static_cast<double>(win->asked);
    r.took += took;
    if (win->asked > 0) r.worst = std::max(r.worst, std::abs(took / static_cast<double>(win->asked) - 1) * 100);
    Settle(5);
  }
  return r;
}
}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("GDK_GL", "disable", 0);
  wxApp::SetInstance(new BenchApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "animation_bench: no display\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  delete wxLog::SetActiveTarget(new wxLogStderr);
  const TempDir tmp;
  if (tmp.path().empty()) return 1;
  const std::string dir = tmp.path().string();
  // The player begins, so nothing moves but what the bench moves; no sounds.
  std::ofstream(dir + "/tremaw.ini") << "[Options]\nFirstMoveBy=2\nDiceMode=0\n"
                                     << "[Sounds]\nDiceSoundActive=0\nMoveSoundActive=0\nHitSoundActive=0\n";
  int rc = 0;
  {
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    MainFrameSetup setup;
    setup.profilePath = dir + "/tremaw.ini";
    setup.docFile = dir + "/Documentation.htm";
    setup.displayName = "Kolvar Backgammon";
    setup.makeDialogs = [](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
      return std::make_unique<WxGameDialogs>(parent, host);
    };
    auto* frame = new MainFrame(std::move(setup));
    frame->StartGame();
    frame->Show();
    Settle(500);
    TremaWnd* core = frame->Core();
    CountingWindow win(g_BoardWnd);
    BoardWindow* real = g_BoardWnd;
    g_BoardWnd = &win;

    std::printf(
        "\nAnimation pace: moves from the start of the move to the landing, against\n"
        "frames x delay (8 moves a speed; deviation of the sum, and of the worst move)\n");
    std::printf("  speed  delay  frames   asked ms   paced ms   dev   worst |  each wait alone ms   dev\n");
    for (const int speed : {0, 13, 25, 38, 45, 49, 50}) {
      g_SpeedDelay = DelayOfSpeed(speed);
      win.paced = true;
      const Result p = Measure(core, &win, 4);
      win.paced = false;
      const Result a = Measure(core, &win, 4);
      auto dev = [](const Result& r) { return r.asked > 0 ? (r.took / r.asked - 1) * 100 : 0.0; };
      std::printf("  %5d  %5d  %6d  %9.0f  %9.1f  %+4.1f%%  %4.1f%% |  %18.1f  %+4.1f%%\n", speed, g_SpeedDelay,
                  p.frames, p.asked, p.took, dev(p), p.worst, a.took, dev(a));
      if (g_SpeedDelay > 0 && std::abs(dev(p)) > 3) rc = 2;
    }
    g_BoardWnd = real;
    frame->Close(true);
    Settle(50);
    wxTheApp->ProcessIdle();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
