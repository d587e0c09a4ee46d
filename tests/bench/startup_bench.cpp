// Start-up and footprint of the game as a player meets them: the time from
// starting the program to its window showing the board with the checkers on
// it, over several runs, the resident memory of the running game once the
// computer has played its first turn, and how often the game then wakes up
// while it waits for the player, with the sounds off and on. The program runs
// in a fresh directory each time, as on a first start, on the display named by
// DISPLAY.
//
//   startup_bench [program [runs]]    program: default tremaw beside this bench
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "settings/settings_keys.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x11_window.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The board is on the screen when some row of the window shows both the
// colour of the even points and the colour of the computer's checkers of the
// default scheme: neither appears before the board and its checkers are drawn.
bool BoardShown(Display* dpy, Window w) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(dpy, w, &a) || a.width <= 0 || a.height <= 0) return false;
  for (int k = 1; k < 12; ++k) {
    XImage* img = XGetImage(dpy, w, 0, a.height * k / 12, a.width, 1, AllPlanes, ZPixmap);
    if (img == nullptr) continue;
    bool point = false, checker = false;
    for (int x = 0; x < a.width; ++x) {
      const unsigned long p = XGetPixel(img, x, 0);
      const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      point |= r == 0x80 && g == 0x80 && b == 0x00;
      checker |= r == 0xFF && g == 0x80 && b == 0x00;
    }
    XDestroyImage(img);
    if (point && checker) return true;
  }
  return false;
}

pid_t Start(const std::string& program, const fs::path& dir) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

// Milliseconds until the board shows; negative when it did not within 10 s.
double TimeToBoard(Display* dpy, const std::string& program, const fs::path& dir, pid_t* pidOut) {
  // GTK keeps its choice of visuals on the root window for the programs after
  // it; every run starts without it, as the first program of a session does.
  XDeleteProperty(dpy, DefaultRootWindow(dpy), XInternAtom(dpy, "GDK_VISUALS", False));
  XSync(dpy, False);
  const auto t0 = Clock::now();
  const pid_t pid = Start(program, dir);
  *pidOut = pid;
  if (pid < 0) return -1;
  const auto limit = t0 + std::chrono::seconds(10);
  Window w = 0;
  while (Clock::now() < limit) {
    if (w == 0) w = FindTopWindowOf(dpy, pid);
    if (w != 0 && BoardShown(dpy, w)) return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      *pidOut = -1;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  return -1;
}

// VmRSS and VmHWM of a process, in kB.
void Memory(pid_t pid, long* rss, long* peak) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  long value = 0;
  *rss = *peak = -1;
  while (in >> key) {
    if (key == "VmRSS:" && in >> value) *rss = value;
    if (key == "VmHWM:" && in >> value) *peak = value;
  }
}

// Context switches of all the threads of a process so far: each is a wake-up.
long long Switches(pid_t pid) {
  long long sum = 0;
  std::error_code ec;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
    std::ifstream in(task.path() / "status");
    std::string key;
    long long n = 0;
    while (in >> key)
      if ((key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") && in >> n) sum += n;
  }
  return sum;
}

// Wake-ups a second of a process over the next few seconds.
double WakeUps(pid_t pid) {
  constexpr int kSeconds = 10;
  const long long before = Switches(pid);
  std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
  return static_cast<double>(Switches(pid) - before) / kSeconds;
}

// Whether SDL's audio device has a thread running in the process.
bool AudioThread(pid_t pid) {
  std::error_code ec;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
    std::string name;
    std::getline(std::ifstream(task.path() / "comm"), name);
    if (name.rfind("SDLAudio", 0) == 0) return true;
  }
  return false;
}

struct Idle {
  double wakeUps = -1;
  long rss = -1;
  bool played = false, open = false;  // whether the audio device opened, and is open
};

// The game waiting for the player after the computer's first turn: its
// wake-ups a second from 5 s after the board showed or, when the turn's sounds
// opened the audio device, from a second after the device closed again; and
// its resident memory then. No wake-ups when the board did not show.
Idle IdleGame(Display* dpy, const std::string& program, bool sounds) {
  const TempDir dir;
  std::ofstream ini(dir.path() / "tremaw.ini");
  ini << "[Options]\nFirstMoveBy=1\nSpeed=50\n[Sounds]\n";
  for (const SoundRow& row : kSoundRows) {
    ini << row.key << "Active=" << sounds << "\n";
    const std::string wave = std::string(row.builtInFile) + ".wav";
    fs::create_symlink(fs::path(program).parent_path() / wave, dir.path() / wave);
  }
  ini.close();
  Idle idle;
  pid_t pid = -1;
  if (TimeToBoard(dpy, program, dir.path(), &pid) < 0) return idle;
  const auto shown = Clock::now();
  while (Clock::now() < shown + std::chrono::seconds(20)) {
    idle.open = AudioThread(pid);
    idle.played |= idle.open;
    if (!idle.open && Clock::now() > shown + std::chrono::seconds(5)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (idle.played) std::this_thread::sleep_for(std::chrono::seconds(1));
  idle.wakeUps = WakeUps(pid);
  long peak = 0;
  Memory(pid, &idle.rss, &peak);
  Stop(pid);
  return idle;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program =
      argc > 1 ? fs::absolute(argv[1]).string() : (fs::canonical("/proc/self/exe").parent_path() / "tremaw").string();
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) {
    std::fprintf(stderr, "startup_bench: no display\n");
    return 1;
  }

  // Start-up: the first run pays for cold caches after a build and is shown
  // apart; the others give the median and the slowest.
  std::vector<double> times;
  double first = -1;
  for (int i = 0; i <= runs; ++i) {
    pid_t pid = -1;
    double ms = -1;
    {
      const TempDir dir;
      ms = TimeToBoard(dpy, program, dir.path(), &pid);
      if (pid > 0) Stop(pid);
    }
    if (ms < 0) {
      std::fprintf(stderr, "startup_bench: %s showed no board\n", program.c_str());
      return 1;
    }
    if (i == 0)
      first = ms;
    else
      times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("\nStart-up to the board on the screen (%d runs):\n", runs);
  std::printf("  median %.0f ms, fastest %.0f ms, slowest %.0f ms (first run %.0f ms)\n", times[times.size() / 2],
              times.front(), times.back(), first);

  // Footprint: the computer begins and plays its first turn at full speed.
  const TempDir dir;
  std::ofstream(dir.path() / "tremaw.ini") << "[Options]\nFirstMoveBy=1\nSpeed=50\n";
  pid_t pid = -1;
  if (TimeToBoard(dpy, program, dir.path(), &pid) < 0) {
    std::fprintf(stderr, "startup_bench: %s showed no board\n", program.c_str());
    return 1;
  }
  std::this_thread::sleep_for(std::chrono::seconds(3));
  long rss = 0, peak = 0;
  Memory(pid, &rss, &peak);
  Stop(pid);
  std::printf("Resident memory of the running game after the computer's first turn:\n");
  std::printf("  %.1f MB (peak %.1f MB)\n", rss / 1024.0, peak / 1024.0);

  // The game waiting for the player, with the sounds off (the default) and on.
  const Idle quiet = IdleGame(dpy, program, false), loud = IdleGame(dpy, program, true);
  if (quiet.wakeUps < 0 || loud.wakeUps < 0) {
    std::fprintf(stderr, "startup_bench: %s showed no board\n", program.c_str());
    return 1;
  }
  std::printf("Wake-ups a second of the game waiting for the player (all its threads), resident memory:\n");
  std::printf("  sounds off %.1f, %.1f MB\n", quiet.wakeUps, quiet.rss / 1024.0);
  std::printf("  sounds on  %.1f, %.1f MB (%s)\n", loud.wakeUps, loud.rss / 1024.0,
              !loud.played ? "no sound played"
              : loud.open  ? "the audio device stayed open"
                           : "after the audio device closed");
  XCloseDisplay(dpy);
  return 0;
}
