// Colours and the board layout of the running game.
#include "app/tremawnd.h"

void TremaWnd::ApplyColors() {}
