#include "tests/support/fake_host.h"

#include <gtest/gtest.h>

void FakeHost::Pause(int ms) {
  pauses.push_back(ms);
  tick += static_cast<uint32_t>(ms);
  if (onPause) onPause(ms);
}

int FakeHost::MessageBox(const std::string& text, unsigned type) {
  boxes.push_back({text, type});
  if (!answers.empty()) {
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  ADD_FAILURE() << "unexpected message box: \"" << text << "\" (type 0x" << std::hex << type << ")";
  // The answer that changes least: OK where it is the only button, else the
  // refusing one.
  switch (type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    default: return IDCANCEL;
  }
}

bool FakeHost::EscapeDown() {
  ++escapeQueries;
  if (escapeAfter == 0) escape = true;
  if (escapeAfter > 0) --escapeAfter;
  return escape;
}

void FakeHost::TakeInPendingInput() {
  ++inputTakeIns;
  if (onTakeInPendingInput) onTakeInPendingInput();
}
