// Saving and loading positions.
#include "app/tremawnd.h"

void TremaWnd::OnFileSave() {}

void TremaWnd::OnFileOpen() {}
