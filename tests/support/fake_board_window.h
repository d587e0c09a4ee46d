#pragma once
// A main window as the board sees it, for tests: settable sizes and flags, a
// surface of the test's choice, and one ordered list of the waits and sounds
// that the drawing asked for. Tray labels record their text and colour.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board/board_window.h"

class FakeBoardWindow : public BoardWindow {
 public:
  struct Event {
    enum Kind { Wait, Sound } kind;
    int ms = 0;        // Wait
    std::string file;  // Sound
  };
  // What a tray label was given; kept after the label is gone.
  struct Label {
    Rect rect{};
    bool alignRight = false;
    std::string text;
    bool yellow = false;
    int updates = 0;  // SetText calls after creation
    bool alive = true;
  };

  explicit FakeBoardWindow(Surface* s = nullptr) : surface(s) {}
  // Installs this window as g_BoardWnd for its lifetime.
  void Install();
  ~FakeBoardWindow() override;

  Surface* BoardSurface() override { return surface; }
  Rect WindowRect() override { return windowRect; }
  Rect ClientRect() override { return clientRect; }
  bool Undoing() override { return undoing; }
  bool TrayHighlight() override { return trayHighlight; }
  void Wait(int ms) override;
  void BeginAnimation() override {
    ++animationsBegun;
    animating = true;
  }
  void EndAnimation() override { animating = false; }
  void PlaySoundFile(const std::string& file) override;
  std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) override;

  // The waits and sounds only.
  std::vector<int> Waits() const;
  std::vector<std::string> Sounds() const;
  void ClearEvents() { events.clear(); }
  // The label created last for a rectangle whose top is y; null if none.
  const Label* LabelAt(int top) const;

  Surface* surface;
  Rect windowRect{0, 0, 960, 640};
  Rect clientRect{0, 0, 954, 590};
  bool undoing = false;
  bool trayHighlight = false;
  // Animated moves begun, and whether one runs now.
  int animationsBegun = 0;
  bool animating = false;
  std::vector<Event> events;
  std::vector<std::shared_ptr<Label>> labels;
  // Called inside every Wait, after it is recorded: lets a test look at the
  // board "during" an animation.
  std::function<void(int ms)> onWait;

 private:
  bool installed_ = false;
};
