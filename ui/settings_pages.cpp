// The settings sheet and its four pages.
#include "ui/settings_pages.h"

#include <wx/app.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <iterator>
#include <memory>
#include <vector>

#include "app/appearance.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "platform/host.h"
#include "resources/strings.h"
#include "ui/dialog_help.h"
#include "ui/dialog_place.h"
#include "ui/images.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_text.h"

namespace {

// Every page's template: 217 x 146 dialog units.
constexpr int kPageWidthDu = 217;
constexpr int kPageHeightDu = 146;

int Selected(wxRadioButton* const* group, int n) {
  for (int i = 0; i < n; ++i)
    if (group[i]->GetValue()) return i;
  return -1;
}

void Select(wxRadioButton* const* group, int n, int index) {
  if (index >= 0 && index < n) group[index]->SetValue(true);
}

}  // namespace

// ---- the common part of the pages ---------------------------------------------

SettingsPage::SettingsPage(wxWindow* book, const SheetServices& services)
    : wxPanel(book, wxID_ANY), m_services(services) {}

void SettingsPage::ShowFirst() {
  if (m_shown) return;
  m_shown = true;
  Init();
}

void SettingsPage::Place(wxWindow* ctrl, int x, int y, int w, int h) {
  PlaceInDialogUnits(this, ctrl, x, y, w, h, Grow::Both);
}

void SettingsPage::PlaceEdit(wxWindow* ctrl, int x, int y, int w, int h) {
  PlaceInDialogUnits(this, ctrl, x, y, w, h, Grow::Height);
}

wxCheckBox* SettingsPage::AddCheckBox(const Button& box) {
  auto* check = new wxCheckBox(this, wxID_ANY, Wx(box.label));
  Place(check, box.x, box.y, box.w, box.h);
  return check;
}

void SettingsPage::AddRadioGroup(wxRadioButton* (&group)[3], const Button (&buttons)[3]) {
  for (int i = 0; i < 3; ++i) {
    const Button& b = buttons[i];
    group[i] =
        new wxRadioButton(this, wxID_ANY, Wx(b.label), wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    Place(group[i], b.x, b.y, b.w, b.h);
  }
}

void SettingsPage::SizeToTemplate() {
  SizeDialogInDialogUnits(this, kPageWidthDu, kPageHeightDu);
  SetMinSize(GetClientSize());
}

void SettingsPage::Tell(const std::string& text) {
  if (m_services.host != nullptr)
    m_services.host->MessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  else
    wxMessageBox(Wx(text), wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK | wxICON_EXCLAMATION, this);
}

bool SettingsPage::ChooseFile(int filterText, const char* initialName, std::string& path) {
  FileChooser chooser;
  chooser.filter = LoadResString(filterText);
  chooser.initialName = initialName;
  if (m_services.chooseFile) return m_services.chooseFile(chooser, path);
  // Over the page, not the main window, so that it opens above the sheet.
  return ShowFileChooser(this, chooser, path);
}

// ---- Aussehen -----------------------------------------------------------------

VisOptsPage::VisOptsPage(wxWindow* book, const SheetServices& services) : SettingsPage(book, services) {
  auto* speedBox = new wxStaticBox(this, wxID_ANY, Wx("S&pielstein Tempo"));
  Place(speedBox, 7, 7, 110, 58);
  m_speed = new wxTextCtrl(this, wxID_ANY);
  PlaceEdit(m_speed, 25, 28, 25, 13);
  Place(new wxStaticText(this, wxID_ANY, Wx("(1 - 50)")), 59, 30, 28, 8);
  auto* otherBox = new wxStaticBox(this, wxID_ANY, Wx("Anderes"));
  Place(otherBox, 7, 70, 110, 69);
  m_showProgress = AddCheckBox({"Zeige &Trendbalken", 17, 82, 76, 10});
  m_diceAsIcons = AddCheckBox({"&Zeige Würfel", 17, 96, 54, 10});
  m_hitShake = AddCheckBox({"Schütteln &wenn geschlagen", 17, 110, 103, 10});
  m_clockwise = AddCheckBox({"&Spiel im Uhrzeigersinn", 17, 124, 92, 10});
  auto* finishBox = new wxStaticBox(this, wxID_ANY, Wx("Aut&omatisch beenden"));
  Place(finishBox, 126, 7, 84, 58);
  AddRadioGroup(m_autoFinish,
                {{"Immer schnell", 136, 21, 56, 10}, {"Immer langsam", 136, 35, 63, 10}, {"Fragen", 136, 49, 38, 10}});
  auto* highlightBox = new wxStaticBox(this, wxID_ANY, Wx("&Hervorheben"));
  Place(highlightBox, 126, 70, 84, 69);
  AddRadioGroup(
      m_highlight,
      {{"Nichts", 136, 86, 36, 10}, {"Gewählte Position", 136, 101, 69, 10}, {"Mögliche Züge", 136, 116, 63, 10}});
  // GTK's check boxes need more room than the template gives them: the left
  // column's group boxes widen to hold them, and the right column moves over
  // by as much, so that the gap between the columns stays.
  const int grow = WidenToHold(otherBox, {m_showProgress, m_diceAsIcons, m_hitShake, m_clockwise});
  speedBox->SetSize(otherBox->GetSize().x, speedBox->GetSize().y);
  std::vector<wxWindow*> rightColumn = {finishBox, highlightBox};
  rightColumn.insert(rightColumn.end(), std::begin(m_autoFinish), std::end(m_autoFinish));
  rightColumn.insert(rightColumn.end(), std::begin(m_highlight), std::end(m_highlight));
  for (wxWindow* w : rightColumn) w->Move(w->GetPosition() + wxPoint(grow, 0));
  SizeToTemplate();
}

void VisOptsPage::Init() {
  m_opts.Load();
  m_showProgress->SetValue(m_opts.m_showProgress != 0);
  m_diceAsIcons->SetValue(m_opts.m_diceAsIcons != 0);
  m_hitShake->SetValue(m_opts.m_hitShake != 0);
  m_clockwise->SetValue(m_opts.m_clockwise != 0);
  Select(m_autoFinish, 3, m_opts.m_autoFinish);
  Select(m_highlight, 3, m_opts.m_highlight);
  m_speed->ChangeValue(wxString::Format("%d", m_opts.m_speed));
}

bool VisOptsPage::Leave() {
  m_opts.m_diceAsIcons = m_diceAsIcons->GetValue() ? 1 : 0;
  m_opts.m_showProgress = m_showProgress->GetValue() ? 1 : 0;
  m_opts.m_highlight = Selected(m_highlight, 3);
  m_opts.m_autoFinish = Selected(m_autoFinish, 3);
  m_opts.m_hitShake = m_hitShake->GetValue() ? 1 : 0;
  std::string message;
  if (!ParseSpeed(Utf8(m_speed->GetValue()), m_opts.m_speed, message)) {
    Tell(message);
    m_speed->SetFocus();
    m_speed->SelectAll();
    return false;
  }
  m_opts.m_clockwise = m_clockwise->GetValue() ? 1 : 0;
  return true;
}

void VisOptsPage::Apply() { m_opts.Apply(*m_services.game); }

// ---- Spiel --------------------------------------------------------------------

PlayOptsPage::PlayOptsPage(wxWindow* book, const SheetServices& services) : SettingsPage(book, services) {
  Place(new wxStaticBox(this, wxID_ANY, Wx("S&chwierigkeitsgrad")), 7, 7, 110, 39);
  m_level = new wxChoice(this, wxID_ANY);
  PlaceEdit(m_level, 25, 24, 75, 14);
  Place(new wxStaticBox(this, wxID_ANY, Wx("Anderes")), 7, 50, 110, 90);
  m_autoChangeTurn = AddCheckBox({"&Auto Spieler wechseln", 17, 70, 84, 10});
  m_autoForcedMoves = AddCheckBox({"Automatisch &ziehen", 17, 88, 77, 10});
  m_useCube = AddCheckBox({"&Verwende Dopplerwürfel", 17, 106, 93, 10});
  m_intelMoves = AddCheckBox({"Intelli&gentes ziehen", 17, 122, 79, 10});
  Place(new wxStaticBox(this, wxID_ANY, Wx("Spielstand")), 125, 7, 85, 58);
  Place(new wxStaticText(this, wxID_ANY, Wx("Spieler")), 133, 24, 24, 8);
  m_humanScore = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  PlaceEdit(m_humanScore, 173, 20, 32, 14);
  Place(new wxStaticText(this, wxID_ANY, Wx("Computer")), 133, 43, 33, 8);
  m_computerScore = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  PlaceEdit(m_computerScore, 174, 41, 32, 14);
  Place(new wxStaticBox(this, wxID_ANY, Wx("&Spielbeginner?")), 125, 70, 85, 69);
  AddRadioGroup(m_firstMoveBy,
                {{"Abwechselnd", 136, 86, 61, 10}, {"Computer", 136, 101, 50, 10}, {"Spieler", 136, 116, 37, 10}});
  SizeToTemplate();
}

void PlayOptsPage::Init() {
  m_opts.Load();
  if (m_level->IsEmpty())
    for (const char* name : g_LevelNames) m_level->Append(Wx(name));
  m_level->SetSelection(m_opts.m_level);
  m_autoChangeTurn->SetValue(m_opts.m_autoChangeTurn != 0);
  m_autoForcedMoves->SetValue(m_opts.m_autoForcedMoves != 0);
  m_useCube->SetValue(m_opts.m_useCube != 0);
  m_intelMoves->SetValue(m_opts.m_intelMoves != 0);
  m_humanScore->ChangeValue(wxString::Format("%d", m_opts.m_humanScore));
  m_computerScore->ChangeValue(wxString::Format("%d", m_opts.m_computerScore));
  Select(m_firstMoveBy, 3, m_opts.m_firstMoveBy);
}

bool PlayOptsPage::Leave() {
  m_opts.m_firstMoveBy = Selected(m_firstMoveBy, 3);
  m_opts.m_useCube = m_useCube->GetValue() ? 1 : 0;
  m_opts.m_autoChangeTurn = m_autoChangeTurn->GetValue() ? 1 : 0;
  m_opts.m_autoForcedMoves = m_autoForcedMoves->GetValue() ? 1 : 0;
  m_opts.m_intelMoves = m_intelMoves->GetValue() ? 1 : 0;
  if (m_level->GetSelection() != wxNOT_FOUND) m_opts.m_level = m_level->GetSelection();
  return true;
}

void PlayOptsPage::Apply() { m_opts.Apply(*m_services.game); }

// ---- Würfel -------------------------------------------------------------------

DiceOptsPage::DiceOptsPage(wxWindow* book, const SheetServices& services) : SettingsPage(book, services) {
  Place(new wxStaticBox(this, wxID_ANY, Wx("Würfelart")), 8, 7, 201, 130);
  AddRadioGroup(m_diceMode,
                {{"&Zufallsgenerator", 27, 34, 67, 10}, {"&Manuell", 27, 51, 41, 10}, {"&Aus Datei", 27, 68, 47, 10}});
  m_rollsFile = new wxTextCtrl(this, wxID_ANY);
  PlaceEdit(m_rollsFile, 28, 87, 120, 12);
  m_browse = new wxButton(this, wxID_ANY, Wx("..."), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
  Place(m_browse, 155, 87, 20, 14);
  SizeToTemplate();

  for (wxRadioButton* r : m_diceMode) r->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { UpdateFileControls(); });
  m_browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    std::string path;
    if (ChooseFile(kRollListFilterText, "*.txt", path)) m_rollsFile->SetValue(Wx(path));
  });
}

void DiceOptsPage::UpdateFileControls() {
  const bool on = DiceOpts::FileControlsEnabled(Selected(m_diceMode, 3));
  m_rollsFile->Enable(on);
  m_browse->Enable(on);
}

void DiceOptsPage::Init() {
  m_opts.Load(*m_services.game);
  Select(m_diceMode, 3, m_opts.m_diceMode);
  m_rollsFile->ChangeValue(Wx(m_opts.FileText()));
  UpdateFileControls();
}

bool DiceOptsPage::Leave() {
  if (!m_opts.TakeFileText(Utf8(m_rollsFile->GetValue()))) {
    Tell(kBadFileNameText);
    if (m_rollsFile->IsEnabled()) m_rollsFile->SetFocus();
    return false;
  }
  m_opts.m_diceMode = Selected(m_diceMode, 3);
  return true;
}

void DiceOptsPage::Apply() { m_opts.Apply(*m_services.game); }

// ---- Sound --------------------------------------------------------------------

SndOptsPage::SndOptsPage(wxWindow* book, const SheetServices& services) : SettingsPage(book, services) {
  Place(new wxStaticBox(this, wxID_ANY, Wx("&Ereignis")), 13, 13, 191, 43);
  m_event = new wxChoice(this, wxID_ANY);
  PlaceEdit(m_event, 32, 30, 125, 14);
  m_active = new wxCheckBox(this, wxID_ANY, Wx("&Aktiv"), wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT);
  Place(m_active, 119, 83, 38, 10);
  Place(new wxStaticBox(this, wxID_ANY, Wx("&Sound")), 13, 67, 192, 60);
  m_file = new wxTextCtrl(this, wxID_ANY);
  PlaceEdit(m_file, 25, 103, 132, 12);
  m_browse = new wxButton(this, wxID_ANY, Wx("..."), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
  Place(m_browse, 171, 102, 20, 14);
  m_play = new wxBitmapButton(this, wxID_ANY, wxBitmap(PlayTriangleImage(16)), wxDefaultPosition, wxDefaultSize,
                              wxBU_EXACTFIT);
  Place(m_play, 171, 83, 20, 14);
  SizeToTemplate();

  m_event->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
    m_opts.SelectEvent(m_event->GetSelection());
    ShowEvent();
  });
  m_file->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_opts.SetFile(Utf8(m_file->GetValue())); });
  m_active->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { m_opts.SetActive(m_active->GetValue() ? 1 : 0); });
  m_play->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_opts.Play(*m_services.game); });
  m_browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    std::string path;
    if (ChooseFile(kSoundFilterText, "*.wav", path)) m_file->SetValue(Wx(path));
  });
}

void SndOptsPage::ShowEvent() {
  m_file->ChangeValue(Wx(m_opts.File()));
  m_active->SetValue(m_opts.Active() != 0);
}

void SndOptsPage::Init() {
  m_opts.Load();
  if (m_event->IsEmpty())
    for (const char* name : g_SoundEventNames) m_event->Append(Wx(name));
  m_event->SetSelection(m_opts.m_cur);
  ShowEvent();
}

bool SndOptsPage::Leave() {
  const int bad = m_opts.UnstorableEvent();
  if (bad < 0) return true;
  m_event->SetSelection(bad);
  m_opts.SelectEvent(bad);
  ShowEvent();
  Tell(kBadFileNameText);
  m_file->SetFocus();
  return false;
}

void SndOptsPage::Apply() { m_opts.Apply(*m_services.game); }

// ---- the sheet ----------------------------------------------------------------

CSettingSheet::CSettingSheet(wxWindow* parent, const SheetServices& services) : m_services(services) {
  Create(parent, wxID_ANY, Wx(LoadResString(kSettingsCaptionText)));
  // No Apply button: the pages apply on OK only.
  CreateButtons(wxOK | wxCANCEL | wxHELP);
  const std::pair<int, const char*> labels[] = {{wxID_OK, "OK"}, {wxID_CANCEL, "Abbrechen"}, {wxID_HELP, "&Hilfe"}};
  for (const auto& [id, label] : labels)
    if (wxWindow* button = FindWindow(id)) button->SetLabel(Wx(label));

  wxBookCtrlBase* book = GetBookCtrl();
  m_pages[0] = new VisOptsPage(book, m_services);
  m_pages[1] = new PlayOptsPage(book, m_services);
  m_pages[2] = new DiceOptsPage(book, m_services);
  m_pages[3] = new SndOptsPage(book, m_services);
  const char* const titles[kSettingsPages] = {"Aussehen", "Spiel", "Würfel", "Sound"};
  for (int i = 0; i < kSettingsPages; ++i) book->AddPage(m_pages[i], Wx(titles[i]));
  LayoutDialog();

  const int start = (g_LastSettingsPage >= 0 && g_LastSettingsPage < kSettingsPages) ? g_LastSettingsPage : 0;
  book->ChangeSelection(static_cast<size_t>(start));
  m_pages[start]->ShowFirst();

  // A page is checked when it is left, and filled when it is first shown.
  book->Bind(wxEVT_NOTEBOOK_PAGE_CHANGING, [this](wxBookCtrlEvent& e) {
    const int old = e.GetOldSelection();
    if (old < 0 || old >= kSettingsPages || !m_pages[old]->WasShown() || m_pages[old]->Leave()) return;
    e.Veto();
    // GTK puts a vetoed page back only after a click or a key; a change made
    // any other way is undone here.
    CallAfter([this, old] {
      if (GetBookCtrl()->GetSelection() != old) GetBookCtrl()->ChangeSelection(static_cast<size_t>(old));
    });
  });
  book->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& e) {
    const int now = e.GetSelection();
    if (now >= 0 && now < kSettingsPages) m_pages[now]->ShowFirst();
  });
  InstallDialogAnswers(
      this, [this] { PressOK(); }, [this] { PressCancel(); });
}

CSettingSheet::~CSettingSheet() {
  const int page = GetBookCtrl() != nullptr ? GetBookCtrl()->GetSelection() : wxNOT_FOUND;
  if (page >= 0 && page < kSettingsPages) g_LastSettingsPage = page;
}

bool CSettingSheet::PressOK() {
  const int current = GetBookCtrl()->GetSelection();
  if (current >= 0 && current < kSettingsPages && m_pages[current]->WasShown() && !m_pages[current]->Leave())
    return false;
  if (m_services.game != nullptr)
    for (SettingsPage* page : m_pages)
      if (page->WasShown()) page->Apply();
  SetReturnCode(wxID_OK);
  EndDialog(wxID_OK);
  return true;
}

void CSettingSheet::PressCancel() {
  SetReturnCode(wxID_CANCEL);
  EndDialog(wxID_CANCEL);
}

RunningGame* WxGameDialogs::GameToChange(std::unique_ptr<TremaWndGame>& holder) {
  if (game != nullptr || g_MainWnd == nullptr) return game;
  holder = std::make_unique<TremaWndGame>(*g_MainWnd);
  return holder.get();
}

int WxGameDialogs::Settings() {
  std::unique_ptr<TremaWndGame> mainWindow;
  RunningGame* running = GameToChange(mainWindow);
  if (running == nullptr) return IDCANCEL;
  SheetServices services;
  services.game = running;
  services.host = m_host;
  services.chooseFile = chooseFile;
  CSettingSheet sheet(m_parent, services);
  return RunModal(sheet) == IDOK ? IDOK : IDCANCEL;
}
