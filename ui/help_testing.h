#pragma once
// The help functions' test hooks now live in ui/help.h; this name stays only
// until no test includes it.
#include "ui/help.h"
