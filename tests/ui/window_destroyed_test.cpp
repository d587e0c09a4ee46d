// The game's main window destroyed by another X client, as some desktop
// tools and broken window managers do, or closed by its close box, in the
// middle of what the game does: the built program ends as after "Beenden",
// with exit status 0, and leaves its files as they were, with nothing
// half-written beside them.
//
//   window_destroyed_test    (tremaw beside it; DISPLAY names the screen)

// GoogleTest before Xlib, whose macros (None, Success …) would clash with it.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// clang-format on
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/support/x11_window.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct XDisplay {
  XDisplay() : dpy(XOpenDisplay(nullptr)) {}
  ~XDisplay() {
    if (dpy != nullptr) XCloseDisplay(dpy);
  }
  Display* dpy;
};

// A window that went away between the look and the request is no reason to
// end the test program, as Xlib's default handler would.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// Every file of a directory with its bytes.
std::map<std::string, std::string> Files(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) files[e.path().filename().string()] = ReadText(e.path().string());
  return files;
}

// Keys as the keyboard gives them to the focused window: "ctrl+f", "F9";
// "button3" clicks the right button in the middle of the window.
void PressKeys(Display* dpy, Window w, const std::string& keys) {
  XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
  if (keys == "button3") {
    XWindowAttributes a{};
    XGetWindowAttributes(dpy, w, &a);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(dpy, w, a.root, a.width / 2, a.height / 2, &x, &y, &child);
    XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(dpy, 3, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 3, False, CurrentTime);
    XSync(dpy, False);
    return;
  }
  std::vector<KeyCode> codes;
  std::stringstream in(keys);
  for (std::string name; std::getline(in, name, '+');)
    codes.push_back(XKeysymToKeycode(dpy, name == "ctrl" ? XK_Control_L : XStringToKeysym(name.c_str())));
  for (KeyCode c : codes) XTestFakeKeyEvent(dpy, c, True, CurrentTime);
  for (auto c = codes.rbegin(); c != codes.rend(); ++c) XTestFakeKeyEvent(dpy, *c, False, CurrentTime);
  XSync(dpy, False);
}

// Asks the window to close, as its close box and Alt+F4 do.
void CloseBox(Display* dpy, Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy, w, False, NoEventMask, &e);
  XSync(dpy, False);
}

class WindowDestroyedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(x.dpy, nullptr) << "no display";
    XSetErrorHandler(IgnoreXError);
  }
  void TearDown() override { Stop(); }
  void Start(rlim_t fileLimit) {
    const std::string program = (fs::canonical("/proc/self/exe").parent_path() / "tremaw").string();
    pid = fork();
    if (pid == 0) {
      if (chdir(dir.path().c_str()) != 0) _exit(127);
      const rlimit limit{fileLimit, fileLimit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    ASSERT_GT(pid, 0);
  }
  void Stop() {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
  }
  // The exit status once the program has ended, or -1 if it still runs after ms.
  int WaitForExit(int ms) {
    const auto limit = Clock::now() + std::chrono::milliseconds(ms);
    do {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (Clock::now() < limit);
    return -1;
  }

  XDisplay x;
  TempDir dir;
  pid_t pid = -1;
};

TEST_F(WindowDestroyedTest, TheProgramEndsAndKeepsItsFiles) {
  // On an idle machine the program ends within some tens of milliseconds.
  // What would keep it going after the window is gone takes longer than this
  // even on an idle machine: the computer's slow turn with its pause and
  // animation (over seven seconds), a finish that never ends, a dialog waiting
  // for its answer.
  constexpr int kEndsWithinMs = 5000;
  const struct {
    const char* what;
    const char* options;  // of section "Options"; the dice come from the roll list
    const char* rolls;
    const char* keys;         // pressed once the window shows
    bool dialog;              // the keys open a dialog, which is open when the window goes
    int waitMs;               // then, before the window goes
    bool closeBox;            // closed by its close box instead of destroyed
    const char* answer = "";  // pressed in the dialog once it shows
    rlim_t fileLimit = RLIM_INFINITY;
  } cases[] = {
      // The player to move: the game waits for input.
      {"idle", "FirstMoveBy=2\n", "31", "", false, 500, false},
      // The computer begins with a double at the slowest speed: the window goes
      // in the pause after its search, before four slow moves.
      {"computer moving", "FirstMoveBy=1\nSpeed=0\n", "66", "", false, 150, false},
      // A list of one value brings the finish to a stand where neither side
      // can move: it never ends by itself.
      {"fast finish", "FirstMoveBy=2\nAutoFinish=0\n", "2", "ctrl+f", false, 400, false},
      {"slow finish, close box", "FirstMoveBy=2\nAutoFinish=1\n", "2", "ctrl+f", false, 400, true},
      {"finish speed asked", "FirstMoveBy=2\nAutoFinish=2\n", "31", "ctrl+f", true, 100, false},
      {"settings", "FirstMoveBy=2\n", "31", "F9", true, 100, false},
      {"colours", "FirstMoveBy=2\n", "31", "ctrl+c", true, 100, false},
      {"give-up", "FirstMoveBy=2\n", "31", "ctrl+space", true, 100, false},
      {"manual dice", "FirstMoveBy=2\nDiceMode=1\n", "31", "", true, 100, false},
      {"context menu", "FirstMoveBy=2\n", "31", "button3", false, 300, false},
      // Under a file-size limit too small for the scores the game end cannot
      // write them: the game goes on to the statistics, with its files as
      // they were, rather than being killed.
      {"file-size limit", "FirstMoveBy=2\n", "31", "ctrl+space", true, 300, false, "Return", 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& e : fs::directory_iterator(dir.path())) fs::remove_all(e.path());
    // The case's options come first: the first occurrence of a key counts.
    WriteText(dir.File("tremaw.ini"), "[Options]\n" + std::string(c.options) + "DiceMode=2\nRollsList=" +
                                          dir.File("rolls.txt") + "\n[Game]\nHuman=7\nComputer=5\n");
    WriteText(dir.File("rolls.txt"), c.rolls);
    WriteText(dir.File("tremaw32.gph"), std::string(208, '\0'));
    const auto before = Files(dir.path());

    Start(c.fileLimit);
    Window w = 0;
    for (auto limit = Clock::now() + std::chrono::seconds(10); w == 0 && Clock::now() < limit;
         std::this_thread::sleep_for(std::chrono::milliseconds(20)))
      w = FindTopWindowOf(x.dpy, pid, "Kolvar Backgammon");
    ASSERT_NE(w, 0u) << "the game's window did not show";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    if (*c.keys != '\0') PressKeys(x.dpy, w, c.keys);
    if (c.dialog) {
      for (auto limit = Clock::now() + std::chrono::seconds(10);
           TopWindowsOf(x.dpy, pid).size() < 2u && Clock::now() < limit;)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      ASSERT_EQ(TopWindowsOf(x.dpy, pid).size(), 2u) << "the dialog did not show";
    }
    if (*c.answer != '\0') {
      for (Window t : TopWindowsOf(x.dpy, pid))
        if (t != w) PressKeys(x.dpy, t, c.answer);
      // The next dialog follows the answer.
      std::this_thread::sleep_for(std::chrono::milliseconds(c.waitMs));
      EXPECT_EQ(TopWindowsOf(x.dpy, pid).size(), 2u) << "no dialog followed the answer";
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(c.waitMs));
    ASSERT_EQ(WaitForExit(0), -1) << "the game ended by itself";

    const auto gone = Clock::now();
    if (c.closeBox)
      CloseBox(x.dpy, w);
    else
      XDestroyWindow(x.dpy, w);
    XSync(x.dpy, False);
    EXPECT_EQ(WaitForExit(kEndsWithinMs), 0)
        << "the game did not end in time, or not with status 0 ("
        << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - gone).count() << " ms)";
    // Nothing is written at exit: the files are as they were, and no
    // temporary file is left beside them.
    EXPECT_EQ(Files(dir.path()), before);
    Stop();
  }
}

}  // namespace
