#pragma once
// The game's modal dialogs as the game flow runs them. The wx front end shows
// real dialogs; tests answer from a script.
#include <string>

#include "app/dice.h"

// What the statistics dialog shows and answers.
struct StatisticsResult {
  int result = 2;  // IDOK "Noch&mal" or IDCANCEL "&Beenden"
  int choice = 0;  // 0 new dice, 1 same dice, 2 swapped roles
};

// Control ids of the give-up dialog; each stake's id is also its answer.
enum GiveUpControlId : int {
  IDC_GIVEUP_SINGLE = 1087,      // "Einfacher Einsatz"
  IDC_GIVEUP_GAMMON = 1088,      // "Gammon"
  IDC_GIVEUP_BACKGAMMON = 1097,  // "Backgammon"
};

// Answers of the automatic-finish dialog.
constexpr int kFinishFast = 3;    // "&Schnell", also Enter
constexpr int kFinishSlow = 4;    // "&Langsam"
constexpr int kFinishCancel = 2;  // "Abbrechen", Esc, the close box

// The colour-scheme dialog ended with OK, but its file could not be written.
constexpr int kColorsNotSaved = 3;

// A file chooser as the game asks for one.
struct FileChooser {
  bool save = false;        // a save-as chooser (asks before replacing a file it lists)
  std::string filter;       // as in the string table: "Name|*.ext|Name|*.*||"
  std::string initialName;  // "*.pos"
};

class GameDialogs : public ManualDiceDialog {
 public:
  // The statistics dialog after a game: plays the end sound and updates the
  // trend file itself (dialogs/), then returns the answer.
  virtual StatisticsResult Statistics(int winner) = 0;
  // The give-up dialog: IDCANCEL or the stake's control id.
  virtual int GiveUp() = 0;
  // The automatic-finish dialog: kFinishFast, kFinishSlow or kFinishCancel.
  virtual int FinishSpeed() = 0;
  // The About box.
  virtual void About() = 0;
  // A file chooser over the main window; true with the chosen full path
  // (UTF-8) when it ends with OK. The name is taken as the player gave it.
  virtual bool ChooseFile(const FileChooser& chooser, std::string& path) = 0;
  // The settings sheet: IDOK or IDCANCEL. Its pages apply and write their
  // values themselves before it returns IDOK.
  virtual int Settings() = 0;
  // The colour-scheme dialog: IDOK, IDCANCEL or kColorsNotSaved. With IDOK
  // the scheme in use and the colours are the chosen ones and the colour-scheme
  // file holds all four schemes; with kColorsNotSaved the file could not be
  // written, but the chosen colours are in use.
  virtual int Colors() = 0;
};
