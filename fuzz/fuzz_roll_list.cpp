// The roll-list file of the dice object: whatever it holds, every roll is a
// pair of dice (four for a double), the dice are the file's die characters in
// order, starting again after the last, and a list without a die falls back
// to random dice after one message.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "app/dice.h"
#include "fuzz/fuzz_support.h"
#include "platform/host.h"
#include "platform/random.h"
#include "settings/options.h"

namespace {
class CountingHost : public Host {
 public:
  uint32_t TickCount() override { return 0; }
  void Pause(int) override {}
  int MessageBox(const std::string&, unsigned) override {
    ++boxes;
    return IDOK;
  }
  void Beep() override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void SetConfirmCursor(bool) override {}
  bool EscapeDown() override { return false; }
  void TakeInPendingInput() override {}
  void PlaySound(const std::string&, bool) override {}
  int boxes = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int rolls = in.ConsumeIntegralInRange(1, 40);
  const bool dosStyle = in.ConsumeBool();
  const std::string text = in.ConsumeRemainingBytesAsString();
  const std::string path = FuzzFile("rolls.txt", text.data(), text.size());
  g_RollsFile = path;
  // Names from older settings files use the other system's separator.
  if (dosStyle)
    for (char& c : g_RollsFile)
      if (c == '/') c = '\\';
  SeedGameRand(static_cast<uint32_t>(size));

  CountingHost host;
  DiceRoller dice;
  dice.host = &host;
  dice.mode = 2;
  std::vector<uint8_t> listed;
  for (char c : text)
    if (c >= '1' && c <= '6') listed.push_back(static_cast<uint8_t>(c - '0'));
  const bool anyDie = !listed.empty();
  for (int i = 0; i < rolls; ++i) {
    dice.Roll(nullptr);
    if (anyDie) {
      FUZZ_CHECK(dice.die[0] == listed[(2 * i) % listed.size()]);
      FUZZ_CHECK(dice.die[1] == listed[(2 * i + 1) % listed.size()]);
    }
    FUZZ_CHECK(dice.count == 2 || dice.count == 4);
    for (int d = 0; d < dice.count; ++d) FUZZ_CHECK(dice.die[d] >= 1 && dice.die[d] <= 6);
    if (dice.count == 4)
      FUZZ_CHECK(dice.die[0] == dice.die[1] && dice.die[2] == dice.die[0] && dice.die[3] == dice.die[0]);
  }
  FUZZ_CHECK(host.boxes == (anyDie ? 0 : 1));
  FUZZ_CHECK(dice.mode == (anyDie ? 2 : 0));
  return 0;
}
