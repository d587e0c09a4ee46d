#pragma once
// The running game as the settings sheet and the colour-scheme dialog act on it.
#include "settings/settings_pages.h"

class TremaWnd;

class TremaWndGame : public RunningGame {
 public:
  explicit TremaWndGame(TremaWnd& wnd) : m_wnd(wnd) {}
  IniStore& Profile() override;
  int DiceMode() override;
  void ChangeDiceSource(int mode) override;
  void ChangeClockWise(int clockwise) override;
  void ApplyColors() override;
  void PlaySound(const std::string& file) override;

 private:
  TremaWnd& m_wnd;
};
