#pragma once
// Finding the game's window on an X display from another process, as the
// tests and benchmarks that start the built program do.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

inline std::string Utf8WindowProperty(Display* dpy, Window w, const char* name) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(dpy, w, XInternAtom(dpy, name, False), 0, 256, False, AnyPropertyType, &type, &format, &items,
                         &after, &data) == Success &&
      data != nullptr && format == 8)
    text.assign(reinterpret_cast<char*>(data), items);
  if (data != nullptr) XFree(data);
  return text;
}

// The viewable top-level windows of process pid, with this title unless title
// is null. (Other programs on the screen may show the same title.)
inline std::vector<Window> TopWindowsOf(Display* dpy, pid_t pid, const char* title = nullptr) {
  std::vector<Window> found;
  const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", True);
  if (pidAtom == None) return found;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned n = 0;
  if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n)) return found;
  for (unsigned i = 0; i < n; ++i) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const bool ours = XGetWindowProperty(dpy, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                                         &after, &data) == Success &&
                      data != nullptr && format == 32 && items == 1 &&
                      static_cast<pid_t>(*reinterpret_cast<long*>(data)) == pid;
    if (data != nullptr) XFree(data);
    XWindowAttributes a;
    if (ours && (title == nullptr || Utf8WindowProperty(dpy, children[i], "_NET_WM_NAME") == title) &&
        XGetWindowAttributes(dpy, children[i], &a) && a.map_state == IsViewable)
      found.push_back(children[i]);
  }
  if (children != nullptr) XFree(children);
  return found;
}

// The first of them; 0 while there is none.
inline Window FindTopWindowOf(Display* dpy, pid_t pid, const char* title = nullptr) {
  const std::vector<Window> found = TopWindowsOf(dpy, pid, title);
  return found.empty() ? 0 : found.front();
}
