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
std::string g_SoundFiles[kSoundEvents] = {kBuiltInSoundFiles[0], kBuiltInSoundFiles[1], kBuiltInSoundFiles[2],
                                          kBuiltInSoundFiles[3], kBuiltInSoundFiles[4]};
int g_SoundActive[kSoundEvents] = {kBuiltInSoundActive, kBuiltInSoundActive, kBuiltInSoundActive, kBuiltInSoundActive,
                                   kBuiltInSoundActive};
int g_Score[3] = {0, keys::Computer.builtIn, keys::Human.builtIn};  // by Side

const char* const g_SoundEventNames[kSoundEvents] = {"Würfeln", "Stein bewegen", "Stein getroffen", "Spiel gewonnen",
                                                     "Spiel verloren"};
const char* const g_LevelNames[3] = {"Leicht", "Mittel", "Schwer"};

void ResetOptionsToBuiltIn() {
  for (const IntKey* key :
       {&keys::UseCube, &keys::AutoFinish, &keys::DiceAsIcons, &keys::AutoChangeTurn, &keys::LevelOfPlay,
        &keys::FirstMoveBy, &keys::ShowProgress, &keys::AutoForcedMoves, &keys::HitShake, &keys::HighLight,
        &keys::IntelMoves, &keys::ClockWise, &keys::Human, &keys::Computer, &keys::CurScheme})
    *key->variable = key->builtIn;
  g_SpeedDelay = DelayOfSpeed(keys::Speed.builtIn);
  g_RollsFile.clear();
  for (int i = 0; i < kSoundEvents; ++i) {
    g_SoundFiles[i] = kBuiltInSoundFiles[i];
    g_SoundActive[i] = kBuiltInSoundActive;
  }
  g_Score[SideNone] = 0;
}

void LoadOptions(IniStore& ini, int& diceMode) {
  LoadKey(ini, keys::UseCube);
  LoadKey(ini, keys::AutoFinish);
  LoadKey(ini, keys::DiceAsIcons);
  g_SpeedDelay = DelayOfSpeed(ReadKey(ini, keys::Speed));
  LoadKey(ini, keys::AutoChangeTurn);
  LoadKey(ini, keys::LevelOfPlay);
  LoadKey(ini, keys::FirstMoveBy);
  LoadKey(ini, keys::ShowProgress);
  LoadKey(ini, keys::AutoForcedMoves);
  LoadKey(ini, keys::HitShake);
  LoadKey(ini, keys::HighLight);
  LoadKey(ini, keys::IntelMoves);
  diceMode = ReadKey(ini, keys::DiceMode);
  LoadKey(ini, keys::ClockWise);
  g_RollsFile = ReadKey(ini, keys::RollsList);
  for (int i = 0; i < kSoundEvents; ++i) LoadSoundKeys(ini, i);
  LoadKey(ini, keys::Human);
  LoadKey(ini, keys::Computer);
  LoadKey(ini, keys::CurScheme);
  LoadCurrentScheme();
}
