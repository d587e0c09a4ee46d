#pragma once
// The settings sheet and its four pages. The pages move values between their
// controls and the page objects of settings/, which know the rules.
#include <wx/panel.h>
#include <wx/propdlg.h>

#include <functional>
#include <string>

#include "app/game_dialogs.h"
#include "settings/settings_pages.h"

class Host;
class wxBitmapButton;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxTextCtrl;

// What the pages need beyond their values.
struct SheetServices {
  RunningGame* game = nullptr;
  Host* host = nullptr;  // message boxes; null: wx's own
  // Stands for the file chooser when set.
  std::function<bool(const FileChooser&, std::string&)> chooseFile;
};

class SettingsPage : public wxPanel {
 public:
  SettingsPage(wxWindow* book, const SheetServices& services);

  bool WasShown() const { return m_shown; }
  // The first showing copies the options into the controls.
  void ShowFirst();
  // Reads the controls into the page's values; false when a value is refused
  // (the player has been told, and the page stays).
  virtual bool Leave() = 0;
  // OK: the values into the options and the settings file.
  virtual void Apply() = 0;

 protected:
  virtual void Init() = 0;
  void Place(wxWindow* ctrl, int x, int y, int w, int h);
  void PlaceEdit(wxWindow* ctrl, int x, int y, int w, int h);
  // A check box, or a group of three radio buttons of which the first starts
  // the group, each at its template place.
  struct Button {
    const char* label;
    int x, y, w, h;
  };
  wxCheckBox* AddCheckBox(const Button& box);
  void AddRadioGroup(wxRadioButton* (&group)[3], const Button (&buttons)[3]);
  // Last in each page's constructor: the template's size, or more where the
  // controls have grown.
  void SizeToTemplate();
  void Tell(const std::string& text);
  bool ChooseFile(int filterText, const char* initialName, std::string& path);

  const SheetServices& m_services;

 private:
  bool m_shown = false;
};

class VisOptsPage : public SettingsPage {
 public:
  VisOptsPage(wxWindow* book, const SheetServices& services);
  bool Leave() override;
  void Apply() override;

  VisOpts m_opts;
  wxTextCtrl* m_speed;
  wxCheckBox* m_showProgress;
  wxCheckBox* m_diceAsIcons;
  wxCheckBox* m_hitShake;
  wxCheckBox* m_clockwise;
  wxRadioButton* m_autoFinish[3];
  wxRadioButton* m_highlight[3];

 protected:
  void Init() override;
};

class PlayOptsPage : public SettingsPage {
 public:
  PlayOptsPage(wxWindow* book, const SheetServices& services);
  bool Leave() override;
  void Apply() override;

  PlayOpts m_opts;
  wxChoice* m_level;
  wxCheckBox* m_autoChangeTurn;
  wxCheckBox* m_autoForcedMoves;
  wxCheckBox* m_useCube;
  wxCheckBox* m_intelMoves;
  wxTextCtrl* m_humanScore;
  wxTextCtrl* m_computerScore;
  wxRadioButton* m_firstMoveBy[3];

 protected:
  void Init() override;
};

class DiceOptsPage : public SettingsPage {
 public:
  DiceOptsPage(wxWindow* book, const SheetServices& services);
  bool Leave() override;
  void Apply() override;

  DiceOpts m_opts;
  wxRadioButton* m_diceMode[3];
  wxTextCtrl* m_rollsFile;
  wxButton* m_browse;

 protected:
  void Init() override;

 private:
  void UpdateFileControls();
};

class SndOptsPage : public SettingsPage {
 public:
  SndOptsPage(wxWindow* book, const SheetServices& services);
  bool Leave() override;
  void Apply() override;

  SndOpts m_opts;
  wxChoice* m_event;
  wxCheckBox* m_active;
  wxTextCtrl* m_file;
  wxButton* m_browse;
  wxBitmapButton* m_play;

 protected:
  void Init() override;

 private:
  // The edit and the check box show the event in the list.
  void ShowEvent();
};

class CSettingSheet : public wxPropertySheetDialog {
 public:
  // Opens on the page the sheet was last closed on.
  CSettingSheet(wxWindow* parent, const SheetServices& services);
  // Remembers the page in view for the next opening.
  ~CSettingSheet() override;

  SettingsPage* Page(int index) const { return m_pages[index]; }
  // OK: the page in view is checked, then every page shown applies, and the
  // sheet ends. False when the page refused a value: the sheet stays.
  bool PressOK();
  void PressCancel();

 private:
  SheetServices m_services;
  // The notebook owns them.
  SettingsPage* m_pages[kSettingsPages] = {};
};
