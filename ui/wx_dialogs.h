#pragma once
// The game's modal dialogs on wx.
#include <wx/modalhook.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/game_dialogs.h"
#include "platform/geometry.h"

class Host;
class RunningGame;
class TremaWndGame;
class wxDialog;
class wxWindow;

class WxGameDialogs : public GameDialogs {
 public:
  // parent: the owner of the dialogs (the main frame); host: sounds, beeps and
  // message boxes. Either may be null.
  WxGameDialogs(wxWindow* parent, Host* host) : m_parent(parent), m_host(host) {}

  StatisticsResult Statistics(int winner) override;
  void Run(DiceRoller& dice) override;
  int GiveUp() override;       // small_dialogs.cpp
  int FinishSpeed() override;  // small_dialogs.cpp
  void About() override;       // small_dialogs.cpp
  bool ChooseFile(const FileChooser& chooser, std::string& path) override;
  int Settings() override;  // settings_pages.cpp
  int Colors() override;    // color_dialog.cpp

  // For tests: when set, a dialog is built and opened as usual, then handed to
  // this function instead of running its modal loop; the function's result
  // (wxID_OK, wxID_CANCEL or the id that ends the dialog) stands for the loop's.
  std::function<int(wxDialog&)> answer;
  // For tests: stands for the file chooser, which is never opened then.
  std::function<bool(const FileChooser&, std::string&)> chooseFile;
  // For tests: stands for the colour chooser (given the starting colour; true
  // with the chosen one on OK), which is never opened then.
  std::function<bool(Color initial, Color& chosen)> chooseColour;
  // What the settings sheet and the colour dialog act on; null: the main window.
  RunningGame* game = nullptr;

 private:
  int RunModal(wxDialog& dialog);
  // The game the settings sheet and the colour dialog act on: `game`, or the
  // main window through `holder`; null when there is neither.
  RunningGame* GameToChange(std::unique_ptr<TremaWndGame>& holder);

  wxWindow* m_parent;
  Host* m_host;
};

// Follows the program's modal dialogs (every ShowModal, the file and colour
// choosers and message boxes too) so that all of them can be answered with
// Cancel at once: once the main window is gone, those open end and later
// ones are never shown. Registered for its life.
class ModalDialogs : public wxModalDialogHook {
 public:
  ModalDialogs() { Register(); }
  // From now on every modal dialog answers Cancel.
  void CancelAll();

 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog* dialog) override;

 private:
  std::vector<wxDialog*> m_open;  // innermost last
  bool m_cancelling = false;
};

// A string-table filter ("Name|*.ext|…||") as a wx wildcard.
std::string WxWildcard(const std::string& filter);

// The file chooser over parent: true with the chosen path on OK.
bool ShowFileChooser(wxWindow* parent, const FileChooser& chooser, std::string& path);
