// The give-up, automatic-finish and About dialogs.
#include "ui/small_dialogs.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/tremawnd.h"
#include "platform/host.h"
#include "ui/dialog_help.h"
#include "ui/dialog_place.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_text.h"

namespace {
constexpr long kDialogStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
constexpr int kStakeIds[3] = {IDC_GIVEUP_SINGLE, IDC_GIVEUP_GAMMON, IDC_GIVEUP_BACKGAMMON};

struct TemplateButton {
  int id;
  const char* label;
  int x, y, w, h;  // dialog units
};

// A column of buttons of one width in the template, the first of them the
// default button. It keeps one width when GTK grows one of them.
std::vector<wxButton*> ButtonColumn(wxWindow* dlg, std::initializer_list<TemplateButton> column) {
  std::vector<wxButton*> made;
  int width = 0;
  for (const TemplateButton& b : column) {
    made.push_back(PlaceButton(dlg, b.id, b.label, b.x, b.y, b.w, b.h));
    if (made.size() == 1) made.front()->SetDefault();
    width = std::max(width, made.back()->GetSize().x);
  }
  for (wxButton* b : made) b->SetSize(wxSize(width, b->GetSize().y));
  return made;
}
}  // namespace

// ---- give up ----------------------------------------------------------------

GvUpDlg::GvUpDlg(wxWindow* parent, const GiveUpChoices& choices)
    : wxDialog(parent, wxID_ANY, Wx("Aufgeben"), wxDefaultPosition, wxDefaultSize, kDialogStyle, "GvUpDlg") {
  auto* group = new wxStaticBox(this, wxID_ANY, Wx("Wählen Sie"));
  PlaceInDialogUnits(this, group, 10, 10, 84, 59, Grow::None);
  m_stakes[0] =
      new wxRadioButton(this, IDC_GIVEUP_SINGLE, Wx("Einfacher Einsatz"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  PlaceInDialogUnits(this, m_stakes[0], 21, 23, 67, 8, Grow::Both);
  m_stakes[1] = new wxRadioButton(this, IDC_GIVEUP_GAMMON, Wx("Gammon"));
  PlaceInDialogUnits(this, m_stakes[1], 21, 38, 50, 8, Grow::Both);
  m_stakes[2] = new wxRadioButton(this, IDC_GIVEUP_BACKGAMMON, Wx("Backgammon"));
  PlaceInDialogUnits(this, m_stakes[2], 21, 53, 59, 8, Grow::Both);
  ButtonColumn(this, {{wxID_OK, "OK", 132, 13, 46, 14},
                      {wxID_CANCEL, "Abbrechen", 132, 31, 46, 15},
                      {wxID_HELP, "&Hilfe", 132, 49, 46, 15}});
  SizeDialogInDialogUnits(this, 186, 82);

  m_stakes[0]->Enable(choices.single);
  m_stakes[1]->Enable(choices.gammon);
  m_stakes[2]->Enable(choices.backgammon);
  if (wxRadioButton* chosen = Stake(choices.selected)) chosen->SetValue(true);

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { PressOK(); }, wxID_OK);
  CentreOnParent();
  InstallDialogHelp(this);
}

wxRadioButton* GvUpDlg::Stake(int id) const {
  for (int i = 0; i < 3; ++i)
    if (kStakeIds[i] == id) return m_stakes[i];
  return nullptr;
}

int GvUpDlg::PressOK() {
  int stake = 0;
  for (int i = 0; i < 3; ++i)
    if (m_stakes[i]->GetValue()) stake = kStakeIds[i];
  EndDialog(stake);
  return stake;
}

// ---- automatic finish -------------------------------------------------------

FinishDlg::FinishDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, Wx("Autom. beenden"), wxDefaultPosition, wxDefaultSize, kDialogStyle, "FinishDlg") {
  wxButton* fast = ButtonColumn(this, {{kFinishFast, "&Schnell", 12, 16, 50, 14},
                                       {kFinishSlow, "&Langsam", 12, 36, 50, 14},
                                       {wxID_CANCEL, "Abbrechen", 12, 56, 50, 14}})
                       .front();
  SizeDialogInDialogUnits(this, 75, 87);

  Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { Press(e.GetId()); });
  CentreOnParent();
  InstallDialogHelp(this);
  fast->SetFocus();
}

int FinishDlg::Press(int id) {
  EndDialog(id);
  return id;
}

// ---- About ------------------------------------------------------------------

AboutDlg::AboutDlg(wxWindow* parent, const AboutTexts& texts)
    : wxDialog(parent, wxID_ANY, Wx("About"), wxDefaultPosition, wxDefaultSize, kDialogStyle) {
  auto* top = new wxStaticBox(this, wxID_ANY, wxString());
  PlaceInDialogUnits(this, top, 10, 10, 237, 51, Grow::None);
  auto* title = new wxStaticText(this, IDC_ABOUT_TITLE, Wx(texts.title));
  wxFont bold = title->GetFont();
  bold.MakeBold();
  title->SetFont(bold);
  PlaceInDialogUnits(this, title, 18, 24, 120, 15, Grow::Both);
  auto* version = new wxStaticText(this, IDC_ABOUT_VERSION, Wx(texts.version));
  PlaceInDialogUnits(this, version, 170, 26, 58, 8, Grow::Both);
  auto* date = new wxStaticText(this, IDC_ABOUT_DATE, Wx(texts.date));
  PlaceInDialogUnits(this, date, 18, 43, 109, 8, Grow::Both);
  auto* bottom = new wxStaticBox(this, wxID_ANY, wxString());
  PlaceInDialogUnits(this, bottom, 10, 66, 171, 47, Grow::None);
  // The information lines are text the player can select and copy: read-only
  // edit fields without a border, on the dialog's background.
  constexpr long kInfoStyle = wxTE_MULTILINE | wxTE_READONLY | wxTE_CENTRE | wxTE_NO_VSCROLL | wxBORDER_NONE;
  auto* info1 = new wxTextCtrl(this, IDC_ABOUT_INFO1, Wx(texts.info1), wxDefaultPosition, wxDefaultSize, kInfoStyle);
  PlaceInDialogUnits(this, info1, 20, 79, 153, 12, Grow::None);
  auto* info2 = new wxTextCtrl(this, IDC_ABOUT_INFO2, Wx(texts.info2), wxDefaultPosition, wxDefaultSize, kInfoStyle);
  PlaceInDialogUnits(this, info2, 57, 97, 79, 12, Grow::None);
  for (wxTextCtrl* info : {info1, info2}) info->SetBackgroundColour(GetBackgroundColour());
  // The only button closes the box as Cancel does.
  auto* ok = PlaceButton(this, wxID_CANCEL, "&OK", 197, 99, 50, 14);
  ok->SetDefault();
  SizeDialogInDialogUnits(this, 257, 122);
  CentreOnParent();
  InstallDialogHelp(this);
  ok->SetFocus();
}

// ---- the entry points of the game -------------------------------------------

int WxGameDialogs::GiveUp() {
  const GiveUpChoices choices = g_MainWnd != nullptr && g_MainWnd->m_engine != nullptr
                                    ? GiveUpChoicesFor(*g_MainWnd->m_engine)
                                    : GiveUpChoicesFor(false, false);
  GvUpDlg dialog(m_parent, choices);
  return RunModal(dialog);
}

int WxGameDialogs::FinishSpeed() {
  FinishDlg dialog(m_parent);
  const int pressed = RunModal(dialog);
  return pressed == kFinishFast || pressed == kFinishSlow ? pressed : kFinishCancel;
}

void WxGameDialogs::About() {
  AboutDlg dialog(m_parent, AboutBoxTexts());
  (void)RunModal(dialog);
}
