#pragma once
// A window manager that draws its own frames (openbox) on the test's display,
// and what it shows of our windows, read from the X server: where a frame
// lies, and how much of a title its title bar shows.
#include <gtk/gtk.h>
#include <sys/types.h>

#include <string>

// Starts openbox with the configuration file rc and waits until it manages
// windows; -1 when it does not start.
pid_t StartOpenbox(const std::string& rc);
void StopOpenbox(pid_t pid);

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The frame the window manager put around a shown top-level window, in
// screen coordinates; empty while it has none.
ScreenRect FrameOf(GtkWidget* toplevel);

// The width of the title's ink in the frame's title bar as the screen shows
// it (from the first to the last column that differs from the bar's
// background); -1 while the window has no frame with a title.
int TitleInkWidth(GtkWidget* toplevel);
