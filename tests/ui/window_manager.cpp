#include "tests/ui/window_manager.h"

// GDK's X11 header brings Xlib, whose macros clash with wx and GoogleTest:
// this file includes neither.
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <gdk/gdkx.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <thread>
#include <vector>

namespace {

GdkDisplay* Gdk() { return gdk_display_get_default(); }
::Display* Dpy() { return gdk_x11_display_get_xdisplay(Gdk()); }

std::vector<Window> Children(Window w, Window* parent = nullptr) {
  Window root = 0, up = 0, *kids = nullptr;
  unsigned n = 0;
  std::vector<Window> list;
  if (XQueryTree(Dpy(), w, &root, &up, &kids, &n)) list.assign(kids, kids + n);
  if (kids != nullptr) XFree(kids);
  if (parent != nullptr) *parent = up;
  return list;
}

Window WindowProperty(Window w, const char* name) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  Window value = 0;
  if (XGetWindowProperty(Dpy(), w, XInternAtom(Dpy(), name, False), 0, 1, False, XA_WINDOW, &type, &format, &items,
                         &after, &data) == Success &&
      data != nullptr && format == 32 && items == 1)
    value = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
  if (data != nullptr) XFree(data);
  return value;
}

// The window manager announces itself on the root window once it manages it.
bool OpenboxManages() {
  gdk_x11_display_error_trap_push(Gdk());
  const Window check = WindowProperty(DefaultRootWindow(Dpy()), "_NET_SUPPORTING_WM_CHECK");
  bool ours = false;
  if (check != 0) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(Dpy(), check, XInternAtom(Dpy(), "_NET_WM_NAME", False), 0, 64, False, AnyPropertyType,
                           &type, &format, &items, &after, &data) == Success &&
        data != nullptr)
      ours = std::string(reinterpret_cast<char*>(data), items) == "Openbox";
    if (data != nullptr) XFree(data);
  }
  gdk_x11_display_error_trap_pop_ignored(Gdk());
  return ours;
}

struct Placed {
  Window window = 0;
  ScreenRect rect;
};

// A window's place on the screen, when it is viewable.
bool OnScreen(Window w, ScreenRect& rect) {
  XWindowAttributes a;
  Window child = 0;
  if (!XGetWindowAttributes(Dpy(), w, &a) || a.map_state != IsViewable) return false;
  if (!XTranslateCoordinates(Dpy(), w, DefaultRootWindow(Dpy()), 0, 0, &rect.x, &rect.y, &child)) return false;
  rect.width = a.width;
  rect.height = a.height;
  return true;
}

// The frame around a top-level window: its ancestor that is a child of the
// root, when that is not the window itself.
Placed Frame(GtkWidget* toplevel) {
  Placed frame;
  GdkWindow* gdk = gtk_widget_get_window(toplevel);
  if (gdk == nullptr || !GDK_IS_X11_WINDOW(gdk)) return frame;
  const Window client = GDK_WINDOW_XID(gdk);
  const Window root = DefaultRootWindow(Dpy());
  Window w = client, parent = 0;
  for (int depth = 0; depth < 8; ++depth, w = parent) {
    Children(w, &parent);
    if (parent == root || parent == 0) break;
  }
  if (parent == root && w != client && OnScreen(w, frame.rect)) frame.window = w;
  return frame;
}

}  // namespace

pid_t StartOpenbox(const std::string& rc) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    execlp("openbox", "openbox", "--sm-disable", "--config-file", rc.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) return -1;
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < limit) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return -1;
    if (OpenboxManages()) return pid;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  StopOpenbox(pid);
  return -1;
}

void StopOpenbox(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

ScreenRect FrameOf(GtkWidget* toplevel) {
  gdk_x11_display_error_trap_push(Gdk());
  const ScreenRect rect = Frame(toplevel).rect;
  gdk_x11_display_error_trap_pop_ignored(Gdk());
  return rect;
}

int TitleInkWidth(GtkWidget* toplevel) {
  gdk_x11_display_error_trap_push(Gdk());
  const Placed frame = Frame(toplevel);
  ScreenRect client;
  Placed label;
  if (frame.window != 0 && OnScreen(GDK_WINDOW_XID(gtk_widget_get_window(toplevel)), client)) {
    // The title bar's parts (icon, label, buttons) are windows of their own,
    // in a bar above the client: the widest of them is the label.
    for (Window part : Children(frame.window))
      for (Window piece : Children(part)) {
        ScreenRect r;
        if (OnScreen(piece, r) && r.y + r.height <= client.y && r.width > label.rect.width) label = {piece, r};
      }
  }
  XImage* shot = label.window == 0 ? nullptr
                                   : XGetImage(Dpy(), DefaultRootWindow(Dpy()), label.rect.x, label.rect.y,
                                               static_cast<unsigned>(label.rect.width),
                                               static_cast<unsigned>(label.rect.height), AllPlanes, ZPixmap);
  gdk_x11_display_error_trap_pop_ignored(Gdk());
  if (shot == nullptr) return -1;
  // Each row's background is its commonest colour (the bar may be a
  // gradient from top to bottom); ink is what differs from it clearly.
  int first = label.rect.width, last = -1;
  for (int y = 0; y < label.rect.height; ++y) {
    std::map<unsigned long, int> counts;
    for (int x = 0; x < label.rect.width; ++x) ++counts[XGetPixel(shot, x, y)];
    unsigned long background = 0;
    int most = 0;
    for (const auto& [pixel, n] : counts)
      if (n > most) background = pixel, most = n;
    auto channel = [](unsigned long p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };
    for (int x = 0; x < label.rect.width; ++x) {
      const unsigned long p = XGetPixel(shot, x, y);
      int diff = 0;
      for (int shift : {0, 8, 16}) diff += std::abs(channel(p, shift) - channel(background, shift));
      if (diff > 60) first = std::min(first, x), last = std::max(last, x);
    }
  }
  XDestroyImage(shot);
  return last < first ? 0 : last - first + 1;
}
