#pragma once
// What the player does in a dialog, as events on its controls, and the check
// that no two controls of a dialog overlap.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/toplevel.h>

#include <string>
#include <vector>

inline std::string LabelOf(const wxWindow* w) { return w ? w->GetLabel().utf8_string() : std::string("<none>"); }

// A click on a button, as the button itself reports it.
inline void Click(wxWindow* button) {
  ASSERT_NE(button, nullptr);
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
}

// A key pressed while the dialog has the focus (its char hook sees it first).
inline void PressKey(wxTopLevelWindow& dlg, int key) {
  wxKeyEvent e(wxEVT_CHAR_HOOK);
  e.m_keyCode = key;
  e.SetEventObject(&dlg);
  dlg.ProcessWindowEvent(e);
}

inline void ChooseRadio(wxRadioButton* r) {
  r->SetValue(true);
  wxCommandEvent e(wxEVT_RADIOBUTTON, r->GetId());
  e.SetEventObject(r);
  e.SetInt(1);
  r->GetEventHandler()->ProcessEvent(e);
}

inline void ChooseEntry(wxChoice* c, int index) {
  c->SetSelection(index);
  wxCommandEvent e(wxEVT_CHOICE, c->GetId());
  e.SetEventObject(c);
  e.SetInt(index);
  c->GetEventHandler()->ProcessEvent(e);
}

inline void SetCheck(wxCheckBox* c, bool on) {
  c->SetValue(on);
  wxCommandEvent e(wxEVT_CHECKBOX, c->GetId());
  e.SetEventObject(c);
  e.SetInt(on ? 1 : 0);
  c->GetEventHandler()->ProcessEvent(e);
}

// No two controls overlap (a group box holds its controls), and every one
// lies within its parent.
inline void ExpectNoControlOverlaps(wxWindow* parent) {
  std::vector<wxWindow*> solid;
  for (wxWindow* c : parent->GetChildren())
    if (!dynamic_cast<wxStaticBox*>(c)) solid.push_back(c);
  const wxRect client(wxPoint(0, 0), parent->GetClientSize());
  for (size_t i = 0; i < solid.size(); ++i) {
    const wxRect a = solid[i]->GetRect();
    EXPECT_TRUE(client.Contains(a)) << LabelOf(solid[i]) << " sticks out";
    for (size_t j = i + 1; j < solid.size(); ++j)
      EXPECT_FALSE(a.Intersects(solid[j]->GetRect())) << LabelOf(solid[i]) << " overlaps " << LabelOf(solid[j]);
  }
}
