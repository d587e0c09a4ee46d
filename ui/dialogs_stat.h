#pragma once
// The statistics dialog is ui/statistics.h now; this name stays only until no
// test includes it.
#include "ui/statistics.h"
