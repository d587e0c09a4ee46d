#pragma once
// Pure layout arithmetic of the board, for the drawing code and the tests.

// Left x of top point n (1 to 12) for a window of the given outer width.
int TopPointX(int n, int windowWidth, int unit, bool clockwise);
