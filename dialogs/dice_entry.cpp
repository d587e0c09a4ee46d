#include "dialogs/dice_entry.h"

#include "platform/sides.h"

DieEntry ParseDieEntry(const std::string& text) {
  if (text.empty()) return {DieEntry::Empty, 0};
  int v = 0;
  if (!ParseWholeNumber(text, v) || !ValidDie(v)) return {DieEntry::Invalid, 0};
  return {DieEntry::Valid, v};
}
