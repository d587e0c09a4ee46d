#pragma once
// The help book and the documentation page, as the main window asks for them.
#include <string>

class wxWindow;

// The help book's full path (tremaw.htb in the start-up directory), set once at
// start-up before any help is shown.
void SetHelpBookPath(const std::string& path);

// Opens the help book at a context number; 0 opens its default topic. A missing
// book is reported in a message box over parent.
void ShowHelpContext(wxWindow* parent, int context);

// Hands a file to the desktop's default program, without a shell; false when
// the file does not exist.
bool OpenDocumentFile(const std::string& path);
