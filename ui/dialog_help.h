#pragma once
// F1 and the Help button of a dialog reach the application's help command,
// which opens the topic of the window the player is in: the dialog itself.
#include <functional>

class wxTopLevelWindow;

// Binds F1 (without modifiers) and the button with id wxID_HELP of dialog.
void InstallDialogHelp(wxTopLevelWindow* dialog);

// For tests: receives the context a dialog's help asks for instead of the
// help window opening; null restores the help window.
void SetDialogHelpHook(std::function<void(int context)> hook);
