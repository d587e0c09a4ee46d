#include "settings/options.h"

int g_UseCube = 0;
int g_AutoFinish = 2;
int g_DiceAsIcons = 1;
int g_SpeedDelay = 12;
int g_AutoChangeTurn = 0;
int g_LevelOfPlay = 2;
int g_FirstMoveBy = 2;
int g_ShowProgress = 1;
int g_AutoForcedMoves = 0;
int g_HitShake = 1;
int g_HighLight = 2;
int g_IntelMoves = 0;
int g_ClockWise = 0;
std::string g_RollsFile;
int g_CurScheme = 0;
std::string g_SoundFiles[kSoundEvents] = {"dice", "piece", "hit", "youwin", "youlose"};
int g_SoundActive[kSoundEvents] = {0, 0, 0, 0, 0};
int g_Score[3] = {0, 0, 0};

const char* const g_SoundKeys[kSoundEvents] = {"DiceSound", "MoveSound", "HitSound", "WinSound", "LoseSound"};
const char* const g_SoundEventNames[kSoundEvents] = {"Würfeln", "Stein bewegen", "Stein getroffen", "Spiel gewonnen",
                                                     "Spiel verloren"};
const char* const g_LevelNames[3] = {"Leicht", "Mittel", "Schwer"};

void ResetOptionsToBuiltIn() {
  g_UseCube = 0;
  g_AutoFinish = 2;
  g_DiceAsIcons = 1;
  g_SpeedDelay = 12;
  g_AutoChangeTurn = 0;
  g_LevelOfPlay = 2;
  g_FirstMoveBy = 2;
  g_ShowProgress = 1;
  g_AutoForcedMoves = 0;
  g_HitShake = 1;
  g_HighLight = 2;
  g_IntelMoves = 0;
  g_ClockWise = 0;
  g_RollsFile.clear();
  g_CurScheme = 0;
  const char* const base[kSoundEvents] = {"dice", "piece", "hit", "youwin", "youlose"};
  for (int i = 0; i < kSoundEvents; ++i) {
    g_SoundFiles[i] = base[i];
    g_SoundActive[i] = 0;
  }
  g_Score[0] = g_Score[1] = g_Score[2] = 0;
}
