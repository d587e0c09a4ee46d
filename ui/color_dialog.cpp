// The colour-scheme dialog.
#include "ui/color_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/statbox.h>

#include <cstdio>
#include <memory>

#include "app/appearance.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "platform/host.h"
#include "resources/strings.h"
#include "ui/dialog_help.h"
#include "ui/dialog_place.h"
#include "ui/wx_convert.h"
#include "ui/wx_dialogs.h"

namespace {

// In dialog units: a row per colour slot, each a swatch and its ".." button.
constexpr int kDialogWidth = 247, kDialogHeight = 149;
constexpr int kFirstRowY = 10, kRowStep = 22, kSwatchHeight = 15;
static_assert(kFirstRowY + kRowStep * (kColorSlots - 1) + kSwatchHeight <= kDialogHeight,
              "every colour slot's row fits the dialog");

}  // namespace

// ---- the swatch ---------------------------------------------------------------

ColorSwatch::ColorSwatch(wxWindow* parent, int id, const wxString& label)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE | wxFULL_REPAINT_ON_RESIZE),
      m_label(label) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxPaintDC dc(this);
    Draw(dc);
  });
}

void ColorSwatch::SetColour(Color c) {
  if (c == m_colour) return;
  m_colour = c;
  Refresh();
}

void ColorSwatch::Draw(wxDC& dc) {
  const wxSize size = GetClientSize();
  const wxColour fill = Wxc(m_colour);
  dc.SetPen(wxPen(fill));
  dc.SetBrush(wxBrush(fill));
  dc.DrawRectangle(0, 0, size.x, size.y);
  dc.SetFont(GetFont());
  dc.SetTextForeground(WhiteSwatchText(m_colour) ? *wxWHITE : GetForegroundColour());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  wxString text;
  const int accel = wxControl::FindAccelIndex(m_label, &text);
  dc.DrawLabel(text, wxRect(0, 0, size.x, size.y), wxALIGN_CENTRE, accel);
}

// ---- the dialog ---------------------------------------------------------------

BackgClrDialog::BackgClrDialog(wxWindow* parent, RunningGame& game, std::function<bool(Color, Color&)> chooseColour)
    : wxDialog(parent, wxID_ANY, Wx("Wähle oder ändere Farbschema"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "BackgClr"),
      m_model(game),
      m_chooseColour(std::move(chooseColour)) {
  PlaceInDialogUnits(this, new wxStaticBox(this, wxID_ANY, Wx("Sche&mas")), 150, 96, 85, 40, Grow::None);
  m_schemes = new wxChoice(this, wxID_ANY);
  PlaceInDialogUnits(this, m_schemes, 160, 112, 65, 14, Grow::Height);
  auto* ok = new wxButton(this, wxID_OK, Wx("O&K"));
  PlaceInDialogUnits(this, ok, 184, 10, 49, 14, Grow::Both);
  ok->SetDefault();
  PlaceInDialogUnits(this, new wxButton(this, wxID_CANCEL, Wx("Abbr&uch")), 184, 29, 49, 14, Grow::Both);
  m_reset = new wxButton(this, IDC_COLOR_RESET, Wx("&Zurücksetzen"));
  PlaceInDialogUnits(this, m_reset, 184, 48, 49, 14, Grow::Both);
  PlaceInDialogUnits(this, new wxButton(this, wxID_HELP, Wx("Hif&e")), 184, 67, 49, 14, Grow::Both);
  for (int slot = 0; slot < kColorSlots; ++slot) {
    const int y = kFirstRowY + kRowStep * slot;
    const ColorSlotRow& row = kColorSlotRows[slot];
    m_swatch[slot] = new ColorSwatch(this, row.swatchId, Wx(row.label));
    PlaceInDialogUnits(this, m_swatch[slot], 15, y, 100, kSwatchHeight, Grow::None);
    m_pick[slot] = new wxButton(this, row.buttonId, Wx(".."), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    PlaceInDialogUnits(this, m_pick[slot], 121, y, 13, 14, Grow::Both);
  }
  SizeDialogInDialogUnits(this, kDialogWidth, kDialogHeight);

  // The schemes, and the list naming them in the order of their letters.
  m_model.Open();
  for (int n = 0; n < kSchemes; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, LoadResString(kColorSchemeNameText), 'A' + n);
    m_schemes->Append(Wx(name));
  }
  m_schemes->SetSelection(m_model.m_cur);
  ShowScheme();

  m_schemes->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
    m_model.SelectScheme(m_schemes->GetSelection());
    ShowScheme();
  });
  for (int slot = 0; slot < kColorSlots; ++slot) {
    // A click on a swatch and one on its ".." button open the same chooser.
    const int swatchId = kColorSlotRows[slot].swatchId;
    m_swatch[slot]->Bind(wxEVT_LEFT_UP, [this, swatchId](wxMouseEvent&) { PickColor(ColorSlotFromId(swatchId)); });
    m_pick[slot]->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { PickColor(ColorSlotFromId(e.GetId())); });
  }
  m_reset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PressReset(); });
  InstallDialogAnswers(
      this, [this] { PressOK(); }, [this] { PressCancel(); });
  m_schemes->SetFocus();
}

void BackgClrDialog::ShowScheme() {
  for (int slot = 0; slot < kColorSlots; ++slot) m_swatch[slot]->SetColour(m_model.Shown()[slot]);
  m_reset->Enable(m_model.ResetEnabled());
}

void BackgClrDialog::PickColor(int slot) {
  if (slot < 0 || slot >= kColorSlots) return;
  const Color initial = m_model.Shown()[slot];
  Color chosen = initial;
  bool ok = false;
  if (m_chooseColour) {
    ok = m_chooseColour(initial, chosen);
  } else {
    wxColourData data;
    data.SetChooseFull(true);
    data.SetColour(Wxc(initial));
    wxColourDialog dialog(this, &data);
    if (dialog.ShowModal() == wxID_OK) {
      const wxColour c = dialog.GetColourData().GetColour();
      chosen = MakeColor(c.Red(), c.Green(), c.Blue());
      ok = true;
    }
  }
  if (!ok) return;
  m_model.SetColor(slot, chosen);
  ShowScheme();
}

void BackgClrDialog::PressReset() {
  m_model.Reset();
  FindWindow(wxID_OK)->SetFocus();
  ShowScheme();
}

void BackgClrDialog::PressOK() {
  m_accepted = true;
  m_saved = m_model.OK();
  SetReturnCode(wxID_OK);
  EndDialog(wxID_OK);
}

void BackgClrDialog::PressCancel() {
  m_model.Cancel();
  m_cancelled = true;
  SetReturnCode(wxID_CANCEL);
  EndDialog(wxID_CANCEL);
}

int WxGameDialogs::Colors() {
  std::unique_ptr<TremaWndGame> mainWindow;
  RunningGame* running = GameToChange(mainWindow);
  if (running == nullptr) return IDCANCEL;
  BackgClrDialog dialog(m_parent, *running, chooseColour);
  if (RunModal(dialog) == IDOK) {
    if (!dialog.Accepted()) dialog.PressOK();
    return dialog.Saved() ? IDOK : kColorsNotSaved;
  }
  // However the dialog ended, the colours from before it come back.
  if (!dialog.Cancelled()) dialog.m_model.Cancel();
  return IDCANCEL;
}
