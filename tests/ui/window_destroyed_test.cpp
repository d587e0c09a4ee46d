// The game's main window destroyed by another X client, as some desktop
// tools and broken window managers do: the built program ends as after
// "Beenden", with exit status 0, and leaves its files as they were, with
// nothing half-written beside them.
//
//   window_destroyed_test    (tremaw beside it; DISPLAY names the screen)

// GoogleTest before Xlib, whose macros (None, Success …) would clash with it.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
// clang-format on
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

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

class WindowDestroyedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(x.dpy, nullptr) << "no display";
    XSetErrorHandler(IgnoreXError);
  }
  void TearDown() override {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
  void Start() {
    const std::string program = (fs::canonical("/proc/self/exe").parent_path() / "tremaw").string();
    pid = fork();
    if (pid == 0) {
      if (chdir(dir.path().c_str()) != 0) _exit(127);
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    ASSERT_GT(pid, 0);
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
  const struct {
    const char* what;
    const char* ini;
    int waitMs;  // before the window is destroyed
    int endsWithinMs;
  } cases[] = {
      // The player to move: the game waits for input.
      {"idle", "[Options]\nFirstMoveBy=2\n", 500, 3000},
      // The computer begins, slowly: the window goes while its turn runs, and
      // the rest of the turn, with its pauses, would take longer than this.
      {"computer moving", "[Options]\nFirstMoveBy=1\nSpeed=0\n", 150, 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& e : fs::directory_iterator(dir.path())) fs::remove_all(e.path());
    WriteText(dir.File("tremaw.ini"), std::string(c.ini) + "[Game]\nHuman=7\nComputer=5\n");
    WriteText(dir.File("tremaw32.gph"), std::string(208, '\0'));
    const auto before = Files(dir.path());

    Start();
    Window w = 0;
    for (auto limit = Clock::now() + std::chrono::seconds(10); w == 0 && Clock::now() < limit;
         std::this_thread::sleep_for(std::chrono::milliseconds(20)))
      w = FindTopWindowOf(x.dpy, pid, "Kolvar Backgammon");
    ASSERT_NE(w, 0u) << "the game's window did not show";
    std::this_thread::sleep_for(std::chrono::milliseconds(c.waitMs));
    ASSERT_EQ(WaitForExit(0), -1) << "the game ended by itself";

    XDestroyWindow(x.dpy, w);
    XSync(x.dpy, False);
    EXPECT_EQ(WaitForExit(c.endsWithinMs), 0) << "the game did not end in time, or not with status 0";
    // Nothing is written at exit: the files are as they were, and no
    // temporary file is left beside them.
    EXPECT_EQ(Files(dir.path()), before);
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      pid = -1;
    }
  }
}

}  // namespace
