#pragma once
// Every key of the settings file, each spelled here and nowhere else: its
// section, its name, the option it holds, its built-in value and how it is
// read. The loading, the settings pages and the commands that store the
// scores and the colour scheme all name a key through this table.
#include <array>
#include <climits>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/sides.h"
#include "resources/default_sounds.h"
#include "settings/options.h"

class IniStore;

// An integer key. A key the file does not hold reads as its built-in value,
// and so does a stored value outside lo..hi.
struct IntKey {
  const char* section;
  const char* name;
  int* variable;  // the option it is loaded into; null where the value is converted or kept elsewhere
  int builtIn;    // the variable's value at start
  int lo = INT_MIN;
  int hi = INT_MAX;
};

// A string key: the file's text as stored, possibly empty; `missing` only
// when the file does not hold the key.
struct StringKey {
  const char* section;
  const char* name;
  std::string* variable;
  const char* missing;
};

inline constexpr const char* kOptionsSection = "Options";
inline constexpr const char* kSoundsSection = "Sounds";
inline constexpr const char* kGameSection = "Game";

// The Speed key runs from 0 to this; the animation step delay g_SpeedDelay is
// this minus the speed, in milliseconds.
inline constexpr int kFastestSpeed = 50;
constexpr int DelayOfSpeed(int speed) { return kFastestSpeed - speed; }
constexpr int SpeedOfDelay(int delay) { return kFastestSpeed - delay; }

namespace keys {

inline constexpr IntKey UseCube{kOptionsSection, "UseCube", &g_UseCube, 0};
inline constexpr IntKey AutoFinish{kOptionsSection, "AutoFinish", &g_AutoFinish, 2};
inline constexpr IntKey DiceAsIcons{kOptionsSection, "DiceAsIcons", &g_DiceAsIcons, 1};
// Into g_SpeedDelay through DelayOfSpeed; a stored speed outside 0..50 reads as 38.
inline constexpr IntKey Speed{kOptionsSection, "Speed", nullptr, 50 - 50 / 4, 0, kFastestSpeed};
inline constexpr IntKey AutoChangeTurn{kOptionsSection, "AutoChangeTurn", &g_AutoChangeTurn, 0};
inline constexpr IntKey LevelOfPlay{kOptionsSection, "LevelOfPlay", &g_LevelOfPlay, 2};
// Any other value would leave the first side of a game undecided.
inline constexpr IntKey FirstMoveBy{kOptionsSection, "FirstMoveBy", &g_FirstMoveBy, 2, 0, 2};
inline constexpr IntKey ShowProgress{kOptionsSection, "ShowProgress", &g_ShowProgress, 1};
inline constexpr IntKey AutoForcedMoves{kOptionsSection, "AutoForcedMoves", &g_AutoForcedMoves, 0};
inline constexpr IntKey HitShake{kOptionsSection, "HitShake", &g_HitShake, 1};
inline constexpr IntKey HighLight{kOptionsSection, "HighLight", &g_HighLight, 2};
inline constexpr IntKey IntelMoves{kOptionsSection, "IntelMoves", &g_IntelMoves, 0};
// The main window's dice mode, not a global.
inline constexpr IntKey DiceMode{kOptionsSection, "DiceMode", nullptr, 0};
inline constexpr IntKey ClockWise{kOptionsSection, "ClockWise", &g_ClockWise, 0};
inline constexpr StringKey RollsList{kOptionsSection, "RollsList", &g_RollsFile, ".\\rolls.txt"};
// A total is a count of points: a negative one is no score, and starts again.
inline constexpr IntKey Human{kGameSection, "Human", &g_Score[SideHuman], 0, 0};
inline constexpr IntKey Computer{kGameSection, "Computer", &g_Score[SideComputer], 0, 0};
inline constexpr IntKey CurScheme{kOptionsSection, "CurScheme", &g_CurScheme, 0};

// Every integer key that is loaded straight into its option: the load and the
// reset to the built-in values both run over this list, so that a key added
// here is loaded and reset alike. Speed and DiceMode are read apart (into a
// converted value, or into the main window).
inline constexpr const IntKey* kOptionKeys[] = {
    &UseCube,  &AutoFinish, &DiceAsIcons, &AutoChangeTurn, &LevelOfPlay, &FirstMoveBy, &ShowProgress, &AutoForcedMoves,
    &HitShake, &HighLight,  &IntelMoves,  &ClockWise,      &Human,       &Computer,    &CurScheme,
};

}  // namespace keys

// Section Sounds, one row per sound event: the event's wave file under its
// file key, by default its built-in file followed by ".wav", and whether it
// plays under the file key followed by "Active" (off by default). The
// built-in files are the default sounds the build computes, in this order.
struct SoundRow {
  SoundEvent event;
  const char* key;
  const char* builtInFile;
  const char* name;  // on the sound page
};
inline constexpr SoundRow kSoundRows[] = {
    {SoundDice, "DiceSound", "dice", "Würfeln"},            // at each roll
    {SoundMove, "MoveSound", "piece", "Stein bewegen"},     // at each checker's move
    {SoundHit, "HitSound", "hit", "Stein getroffen"},       // at each hit
    {SoundWin, "WinSound", "youwin", "Spiel gewonnen"},     // with the statistics of a game won
    {SoundLose, "LoseSound", "youlose", "Spiel verloren"},  // and of one lost
};
static_assert(std::size(kSoundRows) == kSoundEvents, "one row per sound event");
inline constexpr int kBuiltInSoundActive = 0;

// One column of the rows, indexed by SoundEvent.
template <class T>
constexpr std::array<T, kSoundEvents> SoundColumn(T SoundRow::*field) {
  std::array<T, kSoundEvents> column{};
  for (int i = 0; i < kSoundEvents; ++i) column[i] = kSoundRows[i].*field;
  return column;
}
inline constexpr std::array<const char*, kSoundEvents> g_SoundKeys = SoundColumn(&SoundRow::key);
inline constexpr std::array<const char*, kSoundEvents> kBuiltInSoundFiles = SoundColumn(&SoundRow::builtInFile);

// Each row stands at its event's index, and its built-in file is the default
// sound the build computes for that index (a new event needs a new sound).
constexpr bool SoundRowsFollowTheirEventsAndTheDefaultSounds() {
  if (std::size(kDefaultSounds) != std::size(kSoundRows)) return false;
  for (int i = 0; i < kSoundEvents; ++i)
    if (kSoundRows[i].event != i || std::string_view(kSoundRows[i].builtInFile) != kDefaultSounds[i]) return false;
  return true;
}
static_assert(SoundRowsFollowTheirEventsAndTheDefaultSounds(),
              "the sound rows must be in SoundEvent order, each built-in file named in TREMAW_DEFAULT_SOUNDS "
              "(resources/CMakeLists.txt) at its event's place");

std::string SoundFlagKey(int event);

// The key's value in the file, read as its row says.
int ReadKey(const IniStore& ini, const IntKey& key);
std::string ReadKey(const IniStore& ini, const StringKey& key);
// Into the key's variable.
void LoadKey(const IniStore& ini, const IntKey& key);
// The same while the game runs: where the file holds no value (or cannot be
// read) the variable keeps its own.
void ReloadKey(const IniStore& ini, const IntKey& key);
// The event's file, then its flag, into g_SoundFiles and g_SoundActive.
void LoadSoundKeys(const IniStore& ini, int event);

// The key's variable into the file; a key without one (Speed, DiceMode) is
// written with the value given.
void WriteKey(IniStore& ini, const IntKey& key);
void WriteKey(IniStore& ini, const IntKey& key, int value);
void WriteKey(IniStore& ini, const StringKey& key);
// The variable is set first, then the key is written with its new value.
void SetKey(IniStore& ini, const IntKey& key, int value);
// The event's flag, then its file, from g_SoundActive and g_SoundFiles.
void WriteSoundKeys(IniStore& ini, int event);
