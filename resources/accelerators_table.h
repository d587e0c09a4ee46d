#pragma once
// The game's keyboard shortcuts (accelerator table 283).
#include <vector>

#include "platform/accelerators.h"

const std::vector<Accelerator>& GameAccelerators();
