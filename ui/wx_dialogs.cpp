#include "ui/wx_dialogs.h"

#include <wx/dialog.h>

#include "platform/host.h"
#include "ui/dialogs_dice.h"
#include "ui/dialogs_stat.h"

int WxGameDialogs::RunModal(wxDialog& dialog) {
  const int code = answer ? answer(dialog) : dialog.ShowModal();
  if (code == wxID_OK) return IDOK;
  if (code == wxID_CANCEL) return IDCANCEL;
  return code;
}

StatisticsResult WxGameDialogs::Statistics(int winner) {
  StatDlg dialog(m_parent, winner, m_host);
  StatisticsResult result;
  result.result = RunModal(dialog);
  // The choice is read back only when the dialog ends with OK.
  result.choice = result.result == IDOK ? dialog.ReadChoice() : dialog.m_choice;
  return result;
}

void WxGameDialogs::Run(DiceRoller& dice) {
  Host* host = m_host != nullptr ? m_host : dice.host;
  DiceDlg dialog(m_parent, dice, host);
  (void)RunModal(dialog);
}

int WxGameDialogs::GiveUp() { return IDCANCEL; }
