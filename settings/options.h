#pragma once
// The option values of the game, one process-wide variable per settings key,
// holding the built-in value until the settings file is read. The keys
// themselves, with their built-in values: settings/settings_keys.h.
#include <array>
#include <string>

class IniStore;

extern int g_UseCube;
extern int g_AutoFinish;
extern int g_DiceAsIcons;
extern int g_SpeedDelay;  // animation step delay in ms: DelayOfSpeed of the Speed key
extern int g_AutoChangeTurn;
extern int g_LevelOfPlay;
extern int g_FirstMoveBy;
extern int g_ShowProgress;
extern int g_AutoForcedMoves;
extern int g_HitShake;
extern int g_HighLight;
extern int g_IntelMoves;
extern int g_ClockWise;
extern std::string g_RollsFile;
extern int g_CurScheme;

// The sound events, each with its row in settings/settings_keys.h.
enum SoundEvent : int { SoundDice = 0, SoundMove = 1, SoundHit = 2, SoundWin = 3, SoundLose = 4 };
constexpr int kSoundEvents = 5;
extern std::array<std::string, kSoundEvents> g_SoundFiles;
extern std::array<int, kSoundEvents> g_SoundActive;

// Plays the event's sound when it is on: play is given the event's wave file,
// and is not called while the event's sound is off.
template <class Play>
void PlayEventSound(SoundEvent event, Play&& play) {
  if (g_SoundActive[event] != 0) play(g_SoundFiles[event]);
}

// Total scores of all runs by side (element 0 holds nothing).
extern int g_Score[3];

// The names of the sound events and of the levels of play, as the pages show them.
extern const std::array<const char*, kSoundEvents> g_SoundEventNames;
extern const char* const g_LevelNames[3];

// Puts every option back to the built-in value it holds at program start. The
// game itself never needs it (it loads once, at start); the tests start from
// the built-in values with it.
void ResetOptionsToBuiltIn();

// Reads every key of the settings file, then the colour scheme it names. The
// dice mode goes to diceMode (a member of the main window, not a global).
void LoadOptions(IniStore& ini, int& diceMode);
