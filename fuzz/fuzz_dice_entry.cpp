// The manual-dice entry parser: a valid entry is a die, and the whole-number
// reading agrees with it.
#include <cstdint>
#include <string>

#include "dialogs/dice_entry.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const DieEntry e = ParseDieEntry(text);
  FUZZ_CHECK(e.kind == DieEntry::Empty || e.kind == DieEntry::Invalid || e.kind == DieEntry::Valid);
  if (e.kind == DieEntry::Valid) FUZZ_CHECK(e.value >= 1 && e.value <= 6);
  if (e.kind == DieEntry::Empty) FUZZ_CHECK(text.empty());

  int value = -12345;
  if (ParseWholeNumber(text, value)) {
    FUZZ_CHECK(!text.empty());
    if (e.kind == DieEntry::Valid) FUZZ_CHECK(value == e.value);
  }
  return 0;
}
