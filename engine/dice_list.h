#pragma once
// The dice of the turn in play as the engine reads them: how many are still to
// play and their values. The game flow's roller (app/dice) fills the list.
#include <cstdint>

#include "platform/sides.h"

struct DiceList {
  // The number of dice still to play, kept within the four slots.
  int InPlay() const { return count < 0 ? 0 : (count > 4 ? 4 : count); }
  // Whether one of the dice still to play shows this value.
  bool Has(int value) const {
    for (int i = InPlay() - 1; i >= 0; --i)
      if (die[i] == value) return true;
    return false;
  }
  // Takes the last die still to play that shows this value out of the list;
  // false when none does.
  bool Remove(int value) {
    for (int i = InPlay() - 1; i >= 0; --i) {
      if (die[i] != value) continue;
      RemoveAt(i);
      return true;
    }
    return false;
  }
  // The first two dice show one value: a pair, played four times.
  bool Doubles() const { return die[0] == die[1] && die[0] != kNone; }
  // Puts a die taken back behind the dice still to play; a full list takes
  // none.
  void GiveBack(int value) {
    if (count < 0 || count >= 4) return;
    die[count++] = static_cast<uint8_t>(value);
  }
  // Takes the die in this slot out: the later ones move up, the freed last
  // slot is emptied and the count drops.
  void RemoveAt(int slot) {
    if (slot < 0 || slot > 3) return;
    for (int k = slot; k < 3; ++k) die[k] = die[k + 1];
    die[3] = kNone;
    if (count > 0) --count;
  }

  int32_t count = 0;
  uint8_t die[4] = {kNone, kNone, kNone, kNone};
};
