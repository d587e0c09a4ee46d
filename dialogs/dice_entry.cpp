#include "dialogs/dice_entry.h"

DieEntry ParseDieEntry(const std::string& text) {
  if (text.empty()) return {DieEntry::Empty, 0};
  int v = 0;
  if (!ParseWholeNumber(text, v) || v < 1 || v > 6) return {DieEntry::Invalid, 0};
  return {DieEntry::Valid, v};
}
