#pragma once
// Pictures drawn by our own code: the die faces and the confirmation cursor.
#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/cursor.h>
#include <wx/image.h>

#include "platform/geometry.h"

constexpr int kDieFaceSize = 32;

// Where the pips of a face lie on a 3 x 3 grid (row-major, true = pip).
bool DiePip(int value, int row, int column);

// A white rounded square with black pips, value 1 to 6, on the background
// colour, kDieFaceSize pixels wide at scale 1 and scale times that above.
wxImage DieFaceImage(int value, Color background, int scale = 1);
// The face for a window with scale device pixels to each of its own.
wxBitmapBundle DieFaceBundle(int value, Color background, int scale);

// An arrow with a check mark beside it: the turn waits for the player's word.
wxImage ConfirmCursorImage();
wxCursor ConfirmCursor();

// The play button's picture: a black triangle pointing right on a transparent
// ground, size x size pixels.
wxImage PlayTriangleImage(int size);
