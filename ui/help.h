#pragma once
// Help: the help book at a context number, the topic of the window the player
// is in, and the documentation page.
#include <wx/gdicmn.h>

#include <functional>
#include <string>

class wxWindow;

// The help book's full path (tremaw.htb in the start-up directory), set once at
// start-up before any help is shown.
void SetHelpBookPath(const std::string& path);

// Opens the help book at a context number; 0 opens its default topic. A missing
// book is reported in a message box over parent. A new help window opens
// beside the game's window, the one parent belongs to.
void ShowHelpContext(wxWindow* parent, int context);

// Where the help window opens, at its size (made smaller where the screen is):
// beside the game's window (game) within the screen's work area (area), right
// of it where there is room, else left of it, else over the edge of the game
// on the side with more room; its top level with the game's.
wxRect HelpWindowRect(const wxRect& game, wxSize size, const wxRect& area);

// The help context of a window: 155 for the settings sheet (a property-sheet
// dialog), 105 for the colour-scheme dialog, 115 for the give-up dialog, 120
// for the automatic-finish dialog, 0 (the default topic) for anything else.
int HelpContextFor(const wxWindow* active);

// The active window: the innermost modal dialog that is shown, else the
// top-level window of the focus.
wxWindow* ActiveHelpWindow();

// Help for the active window; parent owns a box about a missing help book.
void ShowHelpForActiveWindow(wxWindow* parent);

// Closes the help window if it is open (also at shut-down, so that it does
// not keep the program alive).
void CloseHelp();

// Hands a file to the desktop's default program, without a shell; false when
// the file does not exist.
bool OpenDocumentFile(const std::string& path);

// ---- for tests: no modal box, and a look at the help window ----

// Replaces the message box of the help functions; null restores it.
void SetHelpMessageHook(std::function<void(const std::string& text)> hook);
// The page the help window shows now; empty when it is not open.
std::string CurrentHelpPage();
// The text of that page as the help window renders it.
std::string CurrentHelpText();
