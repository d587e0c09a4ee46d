#include "ui/statistics.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/radiobut.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "settings/colors.h"
#include "ui/dialog_help.h"
#include "ui/dialog_place.h"
#include "ui/wx_convert.h"

namespace {

constexpr int kWidthDu = 421;
constexpr int kHeightDu = 162;

}  // namespace

StatDlg::StatDlg(wxWindow* parent, int winner, Host* host)
    : wxDialog(parent, wxID_ANY, Wx("Statistik"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
  Build();
  m_model.choice = m_choice = 0;
  m_model.Open(CurrentGameStatistics(), winner, host);
  for (const auto& [id, text] : m_model.Texts())
    if (wxWindow* w = Control(id)) w->SetLabel(Wx(text));
  m_radio[0]->SetValue(true);
  FindWindow(wxID_OK)->SetFocus();
  CentreOnParent();
  InstallDialogHelp(this);
  Bind(wxEVT_PAINT, &StatDlg::OnPaint, this);
}

void StatDlg::Build() {
  auto text = [this](int id, const char* label, long align, int x, int y, int w, int h) {
    auto* t = new wxStaticText(this, wxID_ANY, Wx(label), wxDefaultPosition, wxDefaultSize, align | wxST_NO_AUTORESIZE);
    PlaceInDialogUnits(this, t, x, y, w, h, Grow::Height);
    if (id != -1) m_controls[id] = t;
    return t;
  };
  auto line = [this](int id, bool vertical, int x, int y, int w, int h) {
    auto* l =
        new wxStaticLine(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, vertical ? wxLI_VERTICAL : wxLI_HORIZONTAL);
    const wxPoint p = ConvertDialogToPixels(wxPoint(x, y));
    const wxSize s = ConvertDialogToPixels(wxSize(w, h));
    const int thick = wxStaticLine::GetDefaultSize();
    l->SetSize(p.x, p.y, vertical ? thick : s.x, vertical ? s.y : thick);
    if (id != -1) m_controls[id] = l;
  };

  auto* again = PlaceButton(this, wxID_OK, "Noch&mal", 349, 17, 50, 14);
  again->SetDefault();
  m_controls[IDC_STAT_AGAIN] = again;

  m_radio[0] =
      new wxRadioButton(this, wxID_ANY, Wx("&Neues Würfelschema"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  m_radio[1] = new wxRadioButton(this, wxID_ANY, Wx("&Gleiches Würfelschema"));
  m_radio[2] = new wxRadioButton(this, wxID_ANY, Wx("&Vertauschte Rollen"));
  PlaceInDialogUnits(this, m_radio[0], 331, 47, 84, 10, Grow::Both);
  PlaceInDialogUnits(this, m_radio[1], 331, 64, 87, 10, Grow::Both);
  PlaceInDialogUnits(this, m_radio[2], 331, 81, 76, 10, Grow::Both);
  m_controls[IDC_STAT_NEW] = m_radio[0];
  m_controls[IDC_STAT_SAME] = m_radio[1];
  m_controls[IDC_STAT_SWAPPED] = m_radio[2];

  m_controls[IDC_STAT_QUIT] = PlaceButton(this, wxID_CANCEL, "&Beenden", 349, 121, 50, 14);

  struct Column {
    const char* heading;
    int hx, hw;  // heading place
    int vx, vw;  // value place
    int human, computer;
  };
  static const Column kColumns[] = {
      {"Würfel", 54, 25, 53, 25, IDC_STAT_DICE_HUMAN, IDC_STAT_DICE_COMPUTER},
      {"Doppler", 89, 26, 92, 20, IDC_STAT_DOUBLES_HUMAN, IDC_STAT_DOUBLES_COMPUTER},
      {"Geschlag.", 126, 33, 130, 25, IDC_STAT_HITS_HUMAN, IDC_STAT_HITS_COMPUTER},
      {"Punkte", 167, 24, 169, 20, IDC_STAT_RUN_HUMAN, IDC_STAT_RUN_COMPUTER},
      {"Total", 197, 23, 197, 24, IDC_STAT_TOTAL_HUMAN, IDC_STAT_TOTAL_COMPUTER},
      {"Denkzeit", 229, 46, 231, 50, IDC_STAT_TIME_HUMAN, IDC_STAT_TIME_COMPUTER},
  };
  for (const Column& c : kColumns) {
    text(-1, c.heading, wxALIGN_CENTRE_HORIZONTAL, c.hx, 12, c.hw, 8);
    text(c.human, "", wxALIGN_CENTRE_HORIZONTAL, c.vx, 31, c.vw, 9);
    text(c.computer, "", wxALIGN_CENTRE_HORIZONTAL, c.vx, 51, c.vw, 9);
  }
  text(-1, "Spieler", wxALIGN_LEFT, 10, 31, 33, 11);
  text(-1, "Computer", wxALIGN_LEFT, 10, 51, 35, 10);

  line(-1, false, 10, 26, 268, 1);
  line(-1, false, 10, 46, 268, 1);
  for (int x : {47, 82, 121, 162, 193, 224}) line(-1, true, x, 13, 1, 55);
  line(IDC_STAT_Y_AXIS, true, 47, 94, 1, 56);
  line(IDC_STAT_X_AXIS, false, 35, 137, 242, 1);
  text(-1, "Gespielte Partien", wxALIGN_LEFT, 55, 141, 56, 8);
  text(IDC_STAT_ENTRIES, "0", wxALIGN_RIGHT, 264, 143, 13, 8);
  line(-1, true, 317, 20, 1, 113);
  line(-1, false, 336, 106, 49, 1);

  // The whole dialog takes the board's background; push buttons keep their
  // own face, as buttons do, and the etched lines their shading. The radio
  // buttons show the dialog's background through them: a colour of their own
  // would also paint over the theme's round mark, leaving the chosen one
  // without its dot and the others looking greyed out.
  const wxColour bg = Wxc(g_Colors[ColorBackground]);
  SetBackgroundColour(bg);
  for (wxWindow* child : GetChildren())
    if (!dynamic_cast<wxButton*>(child) && !dynamic_cast<wxStaticLine*>(child) && !dynamic_cast<wxRadioButton*>(child))
      child->SetBackgroundColour(bg);

  SizeDialogInDialogUnits(this, kWidthDu, kHeightDu);
}

wxWindow* StatDlg::Control(int id) const {
  const auto it = m_controls.find(id);
  return it == m_controls.end() ? nullptr : it->second;
}

int StatDlg::ReadChoice() {
  for (int i = 0; i < 3; ++i)
    if (m_radio[i]->GetValue()) m_choice = i;
  return m_choice;
}

void StatDlg::DrawGraph(wxDC& dc) {
  m_rcYAxis = FromWx(Control(IDC_STAT_Y_AXIS)->GetRect());
  m_rcXAxis = FromWx(Control(IDC_STAT_X_AXIS)->GetRect());
  const TrendGraph g = ComputeTrendGraph(m_rcXAxis, m_rcYAxis, g_Trend);
  dc.SetPen(*wxBLACK_PEN);
  dc.DrawLine(g.fiftyFrom.x, g.fiftyFrom.y, g.fiftyTo.x, g.fiftyTo.y);
  dc.SetPen(*wxWHITE_PEN);
  for (size_t i = 1; i < g.polyline.size(); ++i)
    dc.DrawLine(g.polyline[i - 1].x, g.polyline[i - 1].y, g.polyline[i].x, g.polyline[i].y);
  dc.SetPen(wxNullPen);
}

void StatDlg::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  DrawGraph(dc);
}
