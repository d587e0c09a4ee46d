#pragma once
// The game's modal dialogs on wx.
#include <functional>

#include "app/game_dialogs.h"

class Host;
class wxDialog;
class wxWindow;

class WxGameDialogs : public GameDialogs {
 public:
  // parent: the owner of the dialogs (the main frame); host: sounds, beeps and
  // message boxes. Either may be null.
  WxGameDialogs(wxWindow* parent, Host* host) : m_parent(parent), m_host(host) {}

  StatisticsResult Statistics(int winner) override;
  void Run(DiceRoller& dice) override;
  // The give-up dialog does not exist yet (its command stays disabled).
  int GiveUp() override;

  // For tests: when set, a dialog is built and opened as usual, then handed to
  // this function instead of running its modal loop; the function's result
  // (wxID_OK or wxID_CANCEL) stands for the loop's.
  std::function<int(wxDialog&)> answer;

 private:
  int RunModal(wxDialog& dialog);

  wxWindow* m_parent;
  Host* m_host;
};
