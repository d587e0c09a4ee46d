#pragma once
// The give-up, automatic-finish and About dialogs without their windows: which
// stakes a give-up offers, and the About box's texts.
#include <string>

#include "app/game_dialogs.h"

class Engine;

// The give-up dialog; its control ids are its answers (app/game_dialogs.h).
constexpr int IDD_GIVE_UP = 177;

// Control ids of the automatic-finish dialog (its answers, see game_dialogs.h).
constexpr int IDD_FINISH = 225;

// Control ids of the About box.
enum AboutControlId : int {
  IDC_ABOUT_TITLE = 204,
  IDC_ABOUT_VERSION = 233,
  IDC_ABOUT_DATE = 1202,
  IDC_ABOUT_INFO1 = 1245,
  IDC_ABOUT_INFO2 = 212,
};
constexpr int IDD_ABOUT = 323;

// The stakes a give-up offers: the lowest one the position allows and every
// higher one; that lowest one is selected.
struct GiveUpChoices {
  bool single = true;
  bool gammon = true;
  bool backgammon = true;
  int selected = IDC_GIVEUP_SINGLE;
};
GiveUpChoices GiveUpChoicesFor(bool gammonOwed, bool backgammonOwed);
// The same for the game the engine plays: a gammon is owed by the engine's
// assessment, a backgammon while the human has a checker on its bar or in the
// computer's home board and contact remains.
GiveUpChoices GiveUpChoicesFor(Engine& engine);

struct AboutTexts {
  std::string title;    // the application's display name
  std::string version;  // the version line
  std::string info1;    // the two information lines
  std::string info2;
  std::string date;
};
// The About box's texts, the same every time.
AboutTexts AboutBoxTexts();
