#pragma once
// Places dialog controls from template rectangles in dialog units.
#include <wx/gdicmn.h>
#include <wx/window.h>

#include <initializer_list>

#include "platform/geometry.h"

class wxButton;

enum class Grow { None, Height, Both };

// Puts ctrl at the template rectangle (x, y, w, h in dialog units of dlg).
// Where GTK needs more room than the template gives, the control grows to its
// best size: to the right, and in height about its middle line.
void PlaceInDialogUnits(wxWindow* dlg, wxWindow* ctrl, int x, int y, int w, int h, Grow grow);

// A push button of the template: made with its id and label (UTF-8), put at
// its rectangle like any control and grown to the room GTK needs.
wxButton* PlaceButton(wxWindow* dlg, int id, const char* label, int x, int y, int w, int h);

// Widens a group box to the right until the controls it holds fit inside its
// frame, a few dialog units clear of it; returns how many pixels it grew.
int WidenToHold(wxWindow* box, std::initializer_list<wxWindow*> held);

// Sets the dialog's client size from the template's size in dialog units,
// enlarged where grown controls would otherwise stick out, and for a top-level
// window as wide as its caption needs (CaptionWidth).
void SizeDialogInDialogUnits(wxWindow* dlg, int w, int h);

// The width a title bar needs to show caption whole: a window manager's frame
// with the window icon and three buttons beside the caption in the desktop's
// bold font, measured as GTK's own title bar laid out so (the theme's
// buttons, padding and font). GTK's bar for our dialogs, drawn without a
// window manager, holds less.
int CaptionWidth(const wxString& caption);
