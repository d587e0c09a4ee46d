// Swapping sides, the best move and the automatic finish.
#include "app/tremawnd.h"

void TremaWnd::OnSwapSides() {}

void TremaWnd::OnBestMove() {}

void TremaWnd::OnFinishGame() {}
