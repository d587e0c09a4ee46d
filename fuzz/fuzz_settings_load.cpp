// The settings load: any settings file gives values the game can run with.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "platform/ini_store.h"
#include "settings/colors.h"
#include "settings/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IniStore ini(FuzzFile("settings.ini", data, size));
  g_SchemeFile = FuzzDir() + "/no-colors.dat";
  ResetOptionsToBuiltIn();
  int diceMode = -1;
  LoadOptions(ini, diceMode);
  FUZZ_CHECK(g_SpeedDelay >= 0 && g_SpeedDelay <= 50);
  FUZZ_CHECK(g_FirstMoveBy >= 0 && g_FirstMoveBy <= 2);
  FUZZ_CHECK(g_RollsFile.size() <= IniStore::kMaxValueChars);
  for (const std::string& s : g_SoundFiles) FUZZ_CHECK(s.size() <= IniStore::kMaxValueChars);
  FUZZ_CHECK(g_Colors == g_DefaultSchemes[0]);
  return 0;
}
