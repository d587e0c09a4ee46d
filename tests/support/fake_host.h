#pragma once
// A host for tests: records every request of the game and answers message
// boxes from a script. A box that no answer was scripted for fails the test.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

class FakeHost : public Host {
 public:
  struct Box {
    std::string text;
    unsigned type;
  };
  struct Sound {
    std::string file;
    bool async;
  };
  enum class Cursor { BeginWait, EndWait, ConfirmOn, ConfirmOff };

  // Scripts the answer to the next message box (IDOK, IDCANCEL, IDYES, IDNO).
  void Answer(int answer) { answers.push_back(answer); }

  uint32_t TickCount() override { return tick; }
  void Pause(int ms) override;
  int MessageBox(const std::string& text, unsigned type) override;
  void Beep() override { ++beeps; }
  void BeginWaitCursor() override { cursor.push_back(Cursor::BeginWait); }
  void EndWaitCursor() override { cursor.push_back(Cursor::EndWait); }
  void SetConfirmCursor(bool on) override { cursor.push_back(on ? Cursor::ConfirmOn : Cursor::ConfirmOff); }
  bool EscapeDown() override;
  void TakeInPendingInput() override;
  void PlaySound(const std::string& file, bool async) override { sounds.push_back({file, async}); }

  // The clock; Pause advances it by the pause (wrapping like a tick count).
  uint32_t tick = 0;
  std::deque<int> answers;
  std::vector<Box> boxes;
  std::vector<int> pauses;
  std::vector<Sound> sounds;
  std::vector<Cursor> cursor;
  int beeps = 0;
  int escapeQueries = 0;
  int inputTakeIns = 0;
  // The Esc state; with escapeAfter = n >= 0, Esc goes down after n more
  // queries have seen it up (0: the next query already sees it down).
  bool escape = false;
  int escapeAfter = -1;
  // Called inside Pause and TakeInPendingInput, so that a test can give input
  // "during" an animation or a wait.
  std::function<void(int ms)> onPause;
  std::function<void()> onTakeInPendingInput;
};
