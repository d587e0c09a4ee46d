#include "ui/native_window.h"

#include <wx/window.h>

#include <utility>

#ifdef __WXGTK__
#include <gtk/gtk.h>

namespace {
struct Watch {
  std::function<void()> gone;
  bool told = false;
};

gboolean OnDestroyEvent(GtkWidget*, GdkEvent*, gpointer data) {
  auto* watch = static_cast<Watch*>(data);
  if (!watch->told) {
    watch->told = true;
    watch->gone();
  }
  // Handled: wx destroys the widget itself when it closes the window.
  return TRUE;
}

void DeleteWatch(gpointer watch) { delete static_cast<Watch*>(watch); }
}  // namespace
#endif

void WatchForOutsideDestroy(wxWindow* top, std::function<void()> gone) {
#ifdef __WXGTK__
  GtkWidget* widget = top->GetHandle();
  auto* watch = new Watch{std::move(gone)};
  g_object_set_data_full(G_OBJECT(widget), "tremaw-outside-destroy", watch, DeleteWatch);
  g_signal_connect(widget, "destroy-event", G_CALLBACK(OnDestroyEvent), watch);
#else
  (void)top;
  (void)gone;
#endif
}
