#pragma once
// What the drawn board needs of the main window: its kept drawing surface, its
// sizes, the flags that change how a move looks, waits, sounds and the tray
// count labels. The game's main window implements it; without one (null) the
// board is a model only and draws nothing.
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "platform/surface.h"

// The count label of a bear-off tray, a child control of the main window.
class TrayLabel {
 public:
  virtual ~TrayLabel() = default;
  // yellow: the tray is highlighted as a target.
  virtual void SetText(const std::string& text, bool yellow) = 0;
};

class BoardWindow {
 public:
  virtual ~BoardWindow() = default;

  // The kept surface; null while there is none.
  virtual Surface* BoardSurface() = 0;
  // Outer size of the main window: the board's W and H.
  virtual Rect WindowRect() = 0;
  // (0, 0, client width, client height) of the last sizing.
  virtual Rect ClientRect() = 0;
  // A step is being taken back: no hit effects, off-board targets go to the bar.
  virtual bool Undoing() = 0;
  // A tray is highlighted: count labels show in yellow.
  virtual bool TrayHighlight() = 0;

  // Shows what was drawn, then waits ms milliseconds handling no input.
  virtual void Wait(int ms) = 0;
  // An animated move begins and ends: the waits in between are paced from its
  // start, so that the move lasts the sum of its waits.
  virtual void BeginAnimation() {}
  virtual void EndAnimation() {}
  // Plays a wave file asynchronously; silent on failure.
  virtual void PlaySoundFile(const std::string& file) = 0;

  virtual std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) = 0;
};

// The main window as the board sees it; null when nothing is drawn.
extern BoardWindow* g_BoardWnd;
