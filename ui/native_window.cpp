#include "ui/native_window.h"

#include <wx/window.h>

#include <utility>
#include <vector>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
// Xlib's interface for extensions: the hook on events as they are read.
#include <X11/Xlibint.h>
#endif

namespace {
struct Watch {
  std::function<void()> gone;
  unsigned long xid = 0;  // the X window, once realized
  bool told = false;
};

// The watched windows that exist, for the X hooks below.
std::vector<Watch*>& Watches() {
  static std::vector<Watch*> watches;
  return watches;
}

// A watched window is gone from the X server: the program is on its way out.
bool g_windowGone = false;

#ifdef GDK_WINDOWING_X11
using ErrorConverter = Bool (*)(Display*, XErrorEvent*, xError*);
using EventConverter = Bool (*)(Display*, XEvent*, xEvent*);
ErrorConverter g_nextErrorConverter[256] = {};
EventConverter g_nextDestroyConverter = nullptr;

bool IsWatched(unsigned long xid) {
  for (const Watch* w : Watches())
    if (w->xid != 0 && w->xid == xid) return true;
  return false;
}

// Drawing already on its way when another client destroys the window fails
// on the server, and GDK ends the program (exit status 1) for the first such
// error, often before its own notice of the destruction is handled. So the
// notice is looked at as Xlib reads it, in the order the server sent it, and
// every error after it is dropped before any error handler (GDK's among
// them) sees it. An error naming the window as gone counts as the notice.
Bool DropErrorsOnceGone(Display* display, XErrorEvent* error, xError* wire) {
  if ((error->error_code == BadWindow || error->error_code == BadDrawable) && IsWatched(error->resourceid))
    g_windowGone = true;
  if (g_windowGone) return False;
  const ErrorConverter next = g_nextErrorConverter[error->error_code];
  return next != nullptr ? next(display, error, wire) : True;
}

Bool NoteDestroyNotify(Display* display, XEvent* event, xEvent* wire) {
  const Bool result = g_nextDestroyConverter != nullptr ? g_nextDestroyConverter(display, event, wire) : True;
  if (IsWatched(event->xdestroywindow.window)) g_windowGone = true;
  return result;
}

void HookXlib() {
  static bool hooked = false;
  GdkDisplay* display = gdk_display_get_default();
  if (hooked || display == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
  hooked = true;
  Display* xdisplay = gdk_x11_display_get_xdisplay(display);
  for (int code = 1; code < 256; ++code)
    g_nextErrorConverter[code] = XESetWireToError(xdisplay, code, DropErrorsOnceGone);
  g_nextDestroyConverter = XESetWireToEvent(xdisplay, DestroyNotify, NoteDestroyNotify);
}

void NoteXid(GtkWidget* widget, Watch* watch) {
  GdkWindow* window = gtk_widget_get_window(widget);
  if (window != nullptr && GDK_IS_X11_WINDOW(window)) watch->xid = GDK_WINDOW_XID(window);
}

void OnRealize(GtkWidget* widget, gpointer data) { NoteXid(widget, static_cast<Watch*>(data)); }

// The program takes the window down itself: what follows is no news.
void OnUnrealize(GtkWidget*, gpointer data) { static_cast<Watch*>(data)->xid = 0; }
#endif

gboolean OnDestroyEvent(GtkWidget*, GdkEvent*, gpointer data) {
  auto* watch = static_cast<Watch*>(data);
  g_windowGone = true;
  if (!watch->told) {
    watch->told = true;
    watch->gone();
  }
  // Handled: wx destroys the widget itself when it closes the window.
  return TRUE;
}

void DeleteWatch(gpointer data) {
  auto* watch = static_cast<Watch*>(data);
  auto& all = Watches();
  for (auto it = all.begin(); it != all.end(); ++it) {
    if (*it == watch) {
      all.erase(it);
      break;
    }
  }
  delete watch;
}
}  // namespace
#endif

void WatchForOutsideDestroy(wxWindow* top, std::function<void()> gone) {
#ifdef __WXGTK__
  GtkWidget* widget = top->GetHandle();
  auto* watch = new Watch{std::move(gone)};
  Watches().push_back(watch);
  g_object_set_data_full(G_OBJECT(widget), "tremaw-outside-destroy", watch, DeleteWatch);
  g_signal_connect(widget, "destroy-event", G_CALLBACK(OnDestroyEvent), watch);
#ifdef GDK_WINDOWING_X11
  HookXlib();
  if (gtk_widget_get_realized(widget)) NoteXid(widget, watch);
  g_signal_connect(widget, "realize", G_CALLBACK(OnRealize), watch);
  g_signal_connect(widget, "unrealize", G_CALLBACK(OnUnrealize), watch);
#endif
#else
  (void)top;
  (void)gone;
#endif
}
