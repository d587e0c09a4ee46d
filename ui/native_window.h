#pragma once
// What wx does not reach of a top-level window's native window.
#include <functional>

class wxWindow;

// Calls gone once when another X client destroys top's window (some desktop
// tools, broken window managers do). GTK is kept from tearing the widget down
// behind wx's back, so that wx closes the window as usual; and the X errors
// of drawing that was on its way to the window when it went are dropped
// rather than end the program.
void WatchForOutsideDestroy(wxWindow* top, std::function<void()> gone);
