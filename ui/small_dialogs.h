#pragma once
// The give-up, automatic-finish and About dialogs. Their answers can be given
// from tests as the buttons give them.
#include <wx/dialog.h>

#include "dialogs/small_dialogs.h"

class wxRadioButton;

// "Aufgeben": the stakes the position allows, the lowest one selected.
class GvUpDlg : public wxDialog {
 public:
  GvUpDlg(wxWindow* parent, const GiveUpChoices& choices);
  // The radio button of a stake's id; null for other ids.
  wxRadioButton* Stake(int id) const;
  // OK: ends the dialog with the selected stake's id (0 when none is) and
  // returns it.
  int PressOK();

 private:
  wxRadioButton* m_stakes[3] = {};
};

// "Autom. beenden": every button ends the dialog with its own id.
class FinishDlg : public wxDialog {
 public:
  explicit FinishDlg(wxWindow* parent);
  // A button: ends the dialog with id and returns it.
  int Press(int id);
};

// "About": the display name in bold, the version, the information lines and
// the date.
class AboutDlg : public wxDialog {
 public:
  AboutDlg(wxWindow* parent, const AboutTexts& texts);
};
