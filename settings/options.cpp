#include "settings/options.h"

#include "platform/ini_store.h"
#include "platform/sides.h"
#include "settings/colors.h"
#include "settings/settings_keys.h"

// Each option starts at the built-in value of its key.
int g_UseCube = keys::UseCube.builtIn;
int g_AutoFinish = keys::AutoFinish.builtIn;
int g_DiceAsIcons = keys::DiceAsIcons.builtIn;
int g_SpeedDelay = DelayOfSpeed(keys::Speed.builtIn);
int g_AutoChangeTurn = keys::AutoChangeTurn.builtIn;
int g_LevelOfPlay = keys::LevelOfPlay.builtIn;
int g_FirstMoveBy = keys::FirstMoveBy.builtIn;
int g_ShowProgress = keys::ShowProgress.builtIn;
int g_AutoForcedMoves = keys::AutoForcedMoves.builtIn;
int g_HitShake = keys::HitShake.builtIn;
int g_HighLight = keys::HighLight.builtIn;
int g_IntelMoves = keys::IntelMoves.builtIn;
int g_ClockWise = keys::ClockWise.builtIn;
std::string g_RollsFile;
int g_CurScheme = keys::CurScheme.builtIn;

namespace {
std::array<std::string, kSoundEvents> BuiltInSoundFiles() {
  std::array<std::string, kSoundEvents> files;
  for (int i = 0; i < kSoundEvents; ++i) files[i] = kBuiltInSoundFiles[i];
  return files;
}
constexpr std::array<int, kSoundEvents> BuiltInSoundActive() {
  std::array<int, kSoundEvents> active{};
  active.fill(kBuiltInSoundActive);
  return active;
}
}  // namespace

std::array<std::string, kSoundEvents> g_SoundFiles = BuiltInSoundFiles();
std::array<int, kSoundEvents> g_SoundActive = BuiltInSoundActive();
int g_Score[3] = {0, keys::Computer.builtIn, keys::Human.builtIn};  // by Side

const std::array<const char*, kSoundEvents> g_SoundEventNames = SoundColumn(&SoundRow::name);
const char* const g_LevelNames[3] = {"Leicht", "Mittel", "Schwer"};

void ResetOptionsToBuiltIn() {
  for (const IntKey* key : keys::kOptionKeys) *key->variable = key->builtIn;
  g_SpeedDelay = DelayOfSpeed(keys::Speed.builtIn);
  g_RollsFile.clear();
  g_SoundFiles = BuiltInSoundFiles();
  g_SoundActive = BuiltInSoundActive();
  g_Score[SideNone] = 0;
}

void LoadOptions(IniStore& ini, int& diceMode) {
  // Reading has no effect on the file, so the order matters only for the
  // scheme, which is loaded from the file after CurScheme.
  for (const IntKey* key : keys::kOptionKeys) LoadKey(ini, *key);
  g_SpeedDelay = DelayOfSpeed(ReadKey(ini, keys::Speed));
  diceMode = ReadKey(ini, keys::DiceMode);
  g_RollsFile = ReadKey(ini, keys::RollsList);
  for (int i = 0; i < kSoundEvents; ++i) LoadSoundKeys(ini, i);
  LoadCurrentScheme();
}
