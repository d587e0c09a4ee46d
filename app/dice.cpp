#include "app/dice.h"
