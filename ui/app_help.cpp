#include "ui/app_help.h"

#include <wx/dialog.h>
#include <wx/propdlg.h>
#include <wx/toplevel.h>

#include "ui/help.h"

int HelpContextFor(const wxWindow* active) {
  if (active == nullptr) return 0;
  if (dynamic_cast<const wxPropertySheetDialog*>(active) != nullptr) return 155;
  const wxString name = active->GetName();
  if (name == "BackgClr") return 105;
  if (name == "GvUpDlg") return 115;
  if (name == "FinishDlg") return 120;
  return 0;
}

wxWindow* ActiveHelpWindow() {
  wxWindow* found = nullptr;
  for (wxWindow* w : wxTopLevelWindows) {
    auto* dlg = dynamic_cast<wxDialog*>(w);
    if (dlg != nullptr && dlg->IsShown() && dlg->IsModal()) found = dlg;  // the last one opened is innermost
  }
  if (found != nullptr) return found;
  if (wxWindow* focus = wxWindow::FindFocus()) return wxGetTopLevelParent(focus);
  return nullptr;
}

void ShowHelpForActiveWindow(wxWindow* parent) { ShowHelpContext(parent, HelpContextFor(ActiveHelpWindow())); }
