#include "ui/dice_entry.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/dice.h"
#include "dialogs/dice_entry.h"
#include "platform/host.h"
#include "ui/dialog_help.h"
#include "ui/dialog_place.h"
#include "ui/images.h"
#include "ui/wx_convert.h"

namespace {

// The data exchange has no text of its own for a field that holds no number.
constexpr const char* kNotANumber = "Bitte eine ganze Zahl eingeben.";

int Index(int editOrFaceId) {
  switch (editOrFaceId) {
    case IDC_DICE_VALUE1:
    case IDC_DICE_FACE1: return 0;
    case IDC_DICE_VALUE2:
    case IDC_DICE_FACE2: return 1;
    default: return -1;
  }
}

// A die the roller holds; a slot without a value shows 1.
int32_t StartValue(uint8_t die) { return ValidDie(die) ? die : 1; }

// The face on the dialog's own background, so its corners blend in, drawn
// at the screen's pixels.
wxBitmapBundle FaceBitmap(const wxWindow* dlg, int value) {
  const wxColour bg = dlg->GetBackgroundColour();
  return DieFaceBundle(value, MakeColor(bg.Red(), bg.Green(), bg.Blue()), DeviceScale(dlg));
}

}  // namespace

DiceDlg::DiceDlg(wxWindow* parent, DiceRoller& dice, Host* host)
    : wxDialog(parent, wxID_ANY, Wx("Händisch würfeln"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_dice(&dice),
      m_host(host) {
  auto* group = new wxStaticBox(this, wxID_ANY, Wx("Augenzahl eingeben:"));
  PlaceInDialogUnits(this, group, 5, 5, 120, 50, Grow::None);
  // Siblings of the box, created after it so they lie above it.
  m_edit[0] = new wxTextCtrl(this, wxID_ANY);
  PlaceInDialogUnits(this, m_edit[0], 15, 26, 16, 12, Grow::Height);
  m_face[0] = new wxStaticBitmap(this, wxID_ANY, FaceBitmap(this, 1));
  PlaceInDialogUnits(this, m_face[0], 37, 23, 20, 20, Grow::None);
  m_edit[1] = new wxTextCtrl(this, wxID_ANY);
  PlaceInDialogUnits(this, m_edit[1], 72, 26, 16, 12, Grow::Height);
  m_face[1] = new wxStaticBitmap(this, wxID_ANY, FaceBitmap(this, 1));
  PlaceInDialogUnits(this, m_face[1], 95, 23, 20, 20, Grow::None);
  auto* ok = PlaceButton(this, wxID_OK, "OK", 156, 11, 50, 14);
  ok->SetDefault();
  PlaceButton(this, wxID_CANCEL, "Abbrechen", 156, 29, 50, 14);
  SizeDialogInDialogUnits(this, 220, 61);

  m_value1 = StartValue(m_dice->die[0]);
  m_value2 = StartValue(m_dice->die[1]);
  m_edit[0]->ChangeValue(wxString::Format("%d", m_value1));
  m_edit[1]->ChangeValue(wxString::Format("%d", m_value2));
  ShowDieIcon(IDC_DICE_VALUE1, m_value1);
  ShowDieIcon(IDC_DICE_VALUE2, m_value2);

  m_edit[0]->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnValueChanged(IDC_DICE_VALUE1, m_value1); });
  m_edit[1]->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnValueChanged(IDC_DICE_VALUE2, m_value2); });
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { PressOK(); }, wxID_OK);

  CentreOnParent();
  InstallDialogHelp(this);
  Choose(IDC_DICE_VALUE1);
}

wxTextCtrl* DiceDlg::Edit(int id) const {
  const int i = Index(id);
  return (i >= 0 && (id == IDC_DICE_VALUE1 || id == IDC_DICE_VALUE2)) ? m_edit[i] : nullptr;
}

wxStaticBitmap* DiceDlg::Face(int id) const {
  const int i = Index(id);
  return (i >= 0 && (id == IDC_DICE_FACE1 || id == IDC_DICE_FACE2)) ? m_face[i] : nullptr;
}

int DiceDlg::FaceValue(int faceId) const {
  const int i = Index(faceId);
  return i >= 0 ? m_faceValue[i] : 0;
}

void DiceDlg::ShowDieIcon(int editId, int value) {
  const int i = Index(editId);
  if (i < 0) return;
  m_faceValue[i] = value;
  m_face[i]->SetBitmap(FaceBitmap(this, value));
  m_face[i]->Refresh();
}

void DiceDlg::Choose(int editId) {
  wxTextCtrl* edit = Edit(editId);
  m_chosenEdit = editId;
  edit->SetFocus();
  edit->ShowPosition(edit->GetLastPosition());
  edit->SetSelection(-1, -1);
}

void DiceDlg::Beep() {
  if (m_host != nullptr)
    m_host->Beep();
  else
    wxBell();
}

void DiceDlg::OnValueChanged(int editId, int32_t& member) {
  wxTextCtrl* edit = Edit(editId);
  const int other = editId == IDC_DICE_VALUE1 ? IDC_DICE_VALUE2 : IDC_DICE_VALUE1;
  const DieEntry entry = ParseDieEntry(edit->GetValue().utf8_string());
  if (entry.kind == DieEntry::Empty) return;
  int chosen = editId;
  if (entry.kind == DieEntry::Invalid) {
    Beep();
    edit->ChangeValue(wxString::Format("%d", member));  // no change event: nothing to re-check
  } else {
    if (entry.value != member) {
      member = entry.value;
      ShowDieIcon(editId, member);
    }
    chosen = other;
  }
  Choose(chosen);
}

bool DiceDlg::PressOK() {
  int values[2] = {};
  for (int i = 0; i < 2; ++i) {
    const DieEntry e = ParseDieEntry(m_edit[i]->GetValue().utf8_string());
    if (e.kind != DieEntry::Valid) {
      if (m_host != nullptr)
        m_host->MessageBox(kNotANumber, MB_OK);
      else
        wxMessageBox(Wx(kNotANumber), wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK | wxICON_EXCLAMATION,
                     this);
      Beep();
      Choose(i == 0 ? IDC_DICE_VALUE1 : IDC_DICE_VALUE2);
      return false;
    }
    values[i] = e.value;
  }
  m_value1 = values[0];
  m_value2 = values[1];
  m_dice->die[0] = static_cast<uint8_t>(m_value1);
  m_dice->die[1] = static_cast<uint8_t>(m_value2);
  SetReturnCode(wxID_OK);
  EndDialog(wxID_OK);
  return true;
}
