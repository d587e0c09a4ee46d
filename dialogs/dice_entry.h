#pragma once
// What the manual-dice dialog makes of the text of one of its two fields.
#include <string>

#include "platform/whole_number.h"

enum DiceDlgControlId : int {
  IDD_DICE = 220,
  IDC_DICE_VALUE1 = 1121,
  IDC_DICE_VALUE2 = 1122,
  IDC_DICE_FACE1 = 1126,
  IDC_DICE_FACE2 = 1127,
};

struct DieEntry {
  enum Kind { Empty, Invalid, Valid };
  Kind kind = Empty;
  int value = 0;  // 1 to 6 when valid
};

// Empty text: nothing to do yet. A whole number 1 to 6 (blanks around it
// allowed): valid. Anything else, a number out of range included: invalid.
DieEntry ParseDieEntry(const std::string& text);
