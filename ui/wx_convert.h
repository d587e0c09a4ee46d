#pragma once
// The game's values as wx takes them: texts (from ui/wx_text.h), colours and
// rectangles, each converted in this one place.
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

#include <algorithm>

#include "platform/geometry.h"
#include "ui/wx_text.h"

// A game colour (0x00BBGGRR) as a wx colour.
inline wxColour Wxc(Color c) { return wxColour(ColorR(c), ColorG(c), ColorB(c)); }

// A game rectangle (right and bottom exclusive) as a wx one; an inverted one
// becomes empty.
inline wxRect WxRect(const Rect& r) { return wxRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height())); }

// A wx rectangle as the game's.
inline Rect FromWx(const wxRect& r) { return Rect{r.x, r.y, r.x + r.width, r.y + r.height}; }

// The device pixels a window has to each of its own, at least 1: the scale at
// which its pictures are drawn.
inline int DeviceScale(const wxWindow* w) { return std::max(1, static_cast<int>(w->GetContentScaleFactor() + 0.5)); }
