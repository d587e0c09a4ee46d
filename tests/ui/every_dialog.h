#pragma once
// Every dialog of the game and a message box, each opened as the game opens
// it: the test looks at each while it is open, then it ends as by Cancel.
#include <gtest/gtest.h>
#include <wx/dialog.h>

#include <functional>
#include <string>
#include <vector>

#include "app/dice.h"
#include "board/globals.h"
#include "dialogs/trend.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/settings/recording_game.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/dialog_actions.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_host.h"
#include "ui/wx_text.h"

// In this order: statistics, manual dice, give-up, automatic finish, About,
// the settings sheet, the colour dialog, and a message box with this caption
// and text. Gives the titles of the windows looked at.
inline std::vector<std::string> OpenEveryDialog(const std::function<void(wxDialog&)>& look,
                                                const std::string& boxCaption, const std::string& boxText) {
  TempDir tmp;
  ResetOptionsToBuiltIn();
  g_GraphFile = tmp.File("tremaw32.gph");
  RecordingGame game;
  g_SchemeFile = game.dir.File("tremaw32.clr");
  FakeHost host;
  WxGameDialogs dialogs(nullptr, &host);
  dialogs.game = &game;
  std::vector<std::string> seen;
  dialogs.answer = [&](wxDialog& d) {
    seen.push_back(Utf8(d.GetTitle()));
    look(d);
    return static_cast<int>(wxID_CANCEL);
  };
  DiceRoller dice;
  dice.die[0] = dice.die[1] = 1;
  (void)dialogs.Statistics(SideHuman);
  dialogs.Run(dice);
  (void)dialogs.GiveUp();
  (void)dialogs.FinishSpeed();
  dialogs.About();
  (void)dialogs.Settings();
  (void)dialogs.Colors();

  // The box lays itself out as it opens: it is looked at in its modal loop.
  WxHost boxes(nullptr, nullptr, nullptr, nullptr, nullptr, boxCaption);
  const ModalLoopTimeout timeout(20000);
  WhenModalOpen([&](wxDialog& d) {
    seen.push_back(Utf8(d.GetTitle()));
    look(d);
    d.EndModal(wxID_OK);
  });
  (void)boxes.MessageBox(boxText, MB_YESNO);
  EXPECT_FALSE(timeout.Fired()) << "the message box did not end";
  ResetOptionsToBuiltIn();
  g_GraphFile.clear();
  g_SchemeFile.clear();
  return seen;
}
