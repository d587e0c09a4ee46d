#pragma once
// F1 and the Help button of a dialog reach the application's help command,
// which opens the topic of the window the player is in: the dialog itself.
#include <functional>

class wxTopLevelWindow;

// Binds F1 (without modifiers) and the button with id wxID_HELP of dialog.
void InstallDialogHelp(wxTopLevelWindow* dialog);

// For a dialog that decides itself what OK and Cancel (also Esc and the close
// box) do: binds them to ok and cancel, installs its help, and centres it on
// its parent.
void InstallDialogAnswers(wxTopLevelWindow* dialog, std::function<void()> ok, std::function<void()> cancel);

// For tests: receives the context a dialog's help asks for instead of the
// help window opening; null restores the help window.
void SetDialogHelpHook(std::function<void(int context)> hook);
