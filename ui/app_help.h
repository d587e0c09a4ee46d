#pragma once
// Which help topic belongs to the window the player is in.
class wxWindow;

// The help context of a window: 155 for the settings sheet (a property-sheet
// dialog), 105 for the colour-scheme dialog, 115 for the give-up dialog, 120
// for the automatic-finish dialog, 0 (the default topic) for anything else.
int HelpContextFor(const wxWindow* active);

// The active window: the innermost modal dialog that is shown, else the
// top-level window of the focus.
wxWindow* ActiveHelpWindow();

// Help for the active window; parent owns a box about a missing help book.
void ShowHelpForActiveWindow(wxWindow* parent);
