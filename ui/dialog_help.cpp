#include "ui/dialog_help.h"

#include <wx/button.h>
#include <wx/event.h>
#include <wx/toplevel.h>

#include <utility>

#include "ui/help.h"

namespace {
std::function<void(int)> g_hook;

void HelpFor(wxTopLevelWindow* dialog) {
  const int context = HelpContextFor(dialog);
  if (g_hook) {
    g_hook(context);
    return;
  }
  ShowHelpContext(dialog, context);
}
}  // namespace

void SetDialogHelpHook(std::function<void(int)> hook) { g_hook = std::move(hook); }

void InstallDialogHelp(wxTopLevelWindow* dialog) {
  // The char hook sees every key of the dialog's controls before they do.
  dialog->Bind(wxEVT_CHAR_HOOK, [dialog](wxKeyEvent& e) {
    if (e.GetKeyCode() == WXK_F1 && e.GetModifiers() == wxMOD_NONE) {
      HelpFor(dialog);
      return;
    }
    e.Skip();
  });
  dialog->Bind(
      wxEVT_BUTTON, [dialog](wxCommandEvent&) { HelpFor(dialog); }, wxID_HELP);
}

void InstallDialogAnswers(wxTopLevelWindow* dialog, std::function<void()> ok, std::function<void()> cancel) {
  dialog->Bind(
      wxEVT_BUTTON, [ok = std::move(ok)](wxCommandEvent&) { ok(); }, wxID_OK);
  dialog->Bind(
      wxEVT_BUTTON, [cancel = std::move(cancel)](wxCommandEvent&) { cancel(); }, wxID_CANCEL);
  InstallDialogHelp(dialog);
  dialog->CentreOnParent();
}
