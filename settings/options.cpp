#include "settings/options.h"

#include <algorithm>

#include "platform/ini_store.h"
#include "platform/sides.h"
#include "settings/colors.h"

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

void LoadOptions(IniStore& ini, int& diceMode) {
  const char* const kOptions = "Options";
  g_UseCube = ini.GetInt(kOptions, "UseCube", g_UseCube);
  g_AutoFinish = ini.GetInt(kOptions, "AutoFinish", g_AutoFinish);
  g_DiceAsIcons = ini.GetInt(kOptions, "DiceAsIcons", g_DiceAsIcons);
  // The delay is 50 minus the speed; a speed outside 0..50 is tested before the
  // subtraction, so that no stored value can overflow it.
  const int speed = ini.GetInt(kOptions, "Speed", 50 - 50 / 4);
  g_SpeedDelay = (speed >= 0 && speed <= 50) ? 50 - speed : 12;
  g_AutoChangeTurn = ini.GetInt(kOptions, "AutoChangeTurn", g_AutoChangeTurn);
  g_LevelOfPlay = ini.GetInt(kOptions, "LevelOfPlay", g_LevelOfPlay);
  g_FirstMoveBy = ini.GetInt(kOptions, "FirstMoveBy", g_FirstMoveBy);
  // Any other value would leave the first side of a game undecided.
  if (g_FirstMoveBy < 0 || g_FirstMoveBy > 2) g_FirstMoveBy = 2;
  g_ShowProgress = ini.GetInt(kOptions, "ShowProgress", g_ShowProgress);
  g_AutoForcedMoves = ini.GetInt(kOptions, "AutoForcedMoves", g_AutoForcedMoves);
  g_HitShake = ini.GetInt(kOptions, "HitShake", g_HitShake);
  g_HighLight = ini.GetInt(kOptions, "HighLight", g_HighLight);
  g_IntelMoves = ini.GetInt(kOptions, "IntelMoves", g_IntelMoves);
  diceMode = ini.GetInt(kOptions, "DiceMode", 0);
  g_ClockWise = ini.GetInt(kOptions, "ClockWise", g_ClockWise);
  g_RollsFile = ini.GetString(kOptions, "RollsList", ".\\rolls.txt");

  for (int i = 0; i < kSoundEvents; ++i) {
    const std::string fileKey = g_SoundKeys[i];
    g_SoundFiles[i] = ini.GetString("Sounds", fileKey, g_SoundFiles[i] + ".wav");
    g_SoundActive[i] = ini.GetInt("Sounds", fileKey + "Active", g_SoundActive[i]);
  }

  // A total is a count of points: a negative one is no score, and starts again.
  g_Score[SideHuman] = std::max(0, ini.GetInt("Game", "Human", 0));
  g_Score[SideComputer] = std::max(0, ini.GetInt("Game", "Computer", 0));

  g_CurScheme = ini.GetInt(kOptions, "CurScheme", g_CurScheme);
  LoadCurrentScheme();
}
