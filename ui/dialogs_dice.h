#pragma once
// The manual-dice dialog is ui/dice_entry.h now; this name stays only until no
// test includes it.
#include "ui/dice_entry.h"
