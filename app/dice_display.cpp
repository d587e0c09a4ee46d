// The dice still to be played, as die faces beside the board.
#include "app/tremawnd.h"
#include "settings/options.h"

void TremaWnd::ShowDice() {
  if (m_dice == nullptr) return;
  // The opening roll shows each side's die on its own side, unless it is a
  // pair or the setting chose the first side of the run's first game.
  const bool split = m_openingRoll && !m_dice->Doubles() && !(m_firstGame && FirstMoveByRule() != 0);
  for (int i = 0; i < 4; ++i) {
    DiceRow row = g_turn == SideHuman ? DiceRow::Human : DiceRow::Computer;
    if (split) row = i == 0 ? DiceRow::Computer : DiceRow::Human;
    const int value = m_dice->die[i];
    const bool shown = i < m_dice->InPlay() && g_DiceAsIcons != 0 && ValidDie(value);
    view().ShowDie(row, i, shown ? value : 0);
  }
}

void TremaWnd::HideAllDice() {
  for (int slot = 0; slot < 4; ++slot) {
    view().ShowDie(DiceRow::Human, slot, 0);
    view().ShowDie(DiceRow::Computer, slot, 0);
  }
}
