// The settings pages' values: what a page shows first, what it refuses, and
// what OK applies and writes, in order.
#include "settings/settings_pages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board/types.h"
#include "tests/settings/recording_game.h"

namespace {

using Lines = std::vector<std::string>;

class SettingsPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetOptionsToBuiltIn(); }
  void TearDown() override { ResetOptionsToBuiltIn(); }
  RecordingGame game;
};

// A stored value outside its control's range shows the built-in value; one in
// range shows as it is.
TEST_F(SettingsPagesTest, FirstShowingBringsStoredValuesIntoRange) {
  struct Case {
    const char* name;
    int* option;
    int stored;
    std::function<int()> shown;
    int expected;
  };
  const Case cases[] = {
      {"LevelOfPlay", &g_LevelOfPlay, 3, [] { PlayOpts p; p.Load(); return p.m_level; }, 2},
      {"LevelOfPlay", &g_LevelOfPlay, -1, [] { PlayOpts p; p.Load(); return p.m_level; }, 2},
      {"LevelOfPlay", &g_LevelOfPlay, 0, [] { PlayOpts p; p.Load(); return p.m_level; }, 0},
      {"FirstMoveBy", &g_FirstMoveBy, 7, [] { PlayOpts p; p.Load(); return p.m_firstMoveBy; }, 2},
      {"FirstMoveBy", &g_FirstMoveBy, 1, [] { PlayOpts p; p.Load(); return p.m_firstMoveBy; }, 1},
      {"UseCube", &g_UseCube, 2, [] { PlayOpts p; p.Load(); return p.m_useCube; }, 0},
      {"IntelMoves", &g_IntelMoves, 1, [] { PlayOpts p; p.Load(); return p.m_intelMoves; }, 1},
      {"HighLight", &g_HighLight, 3, [] { VisOpts v; v.Load(); return v.m_highlight; }, 2},
      {"HighLight", &g_HighLight, 0, [] { VisOpts v; v.Load(); return v.m_highlight; }, 0},
      {"AutoFinish", &g_AutoFinish, -1, [] { VisOpts v; v.Load(); return v.m_autoFinish; }, 2},
      {"HitShake", &g_HitShake, 5, [] { VisOpts v; v.Load(); return v.m_hitShake; }, 1},
      {"HitShake", &g_HitShake, 0, [] { VisOpts v; v.Load(); return v.m_hitShake; }, 0},
      {"ClockWise", &g_ClockWise, -3, [] { VisOpts v; v.Load(); return v.m_clockwise; }, 0},
      {"SpeedDelay", &g_SpeedDelay, 12, [] { VisOpts v; v.Load(); return v.m_speed; }, 38},
      {"SpeedDelay", &g_SpeedDelay, 50, [] { VisOpts v; v.Load(); return v.m_speed; }, 0},
      {"DiceMode", &game.diceMode, 9, [this] { DiceOpts d; d.Load(game); return d.m_diceMode; }, 0},
      {"DiceMode", &game.diceMode, 2, [this] { DiceOpts d; d.Load(game); return d.m_diceMode; }, 2},
      {"LoseSoundActive", &g_SoundActive[SoundLose], 4, [] { SndOpts s; s.Load(); return s.m_activeFlag[4]; }, 0},
  };
  for (const Case& c : cases) {
    ResetOptionsToBuiltIn();
    *c.option = c.stored;
    EXPECT_EQ(c.shown(), c.expected) << c.name << " " << c.stored;
  }
}

TEST_F(SettingsPagesTest, SpeedFieldTakesOnlyWholeNumbersFromOneToFifty) {
  const char* const notANumber = "Bitte eine ganze Zahl eingeben.";
  const char* const outOfRange = "Bitte eine ganze Zahl zwischen 1 und 50 eingeben.";
  const struct {
    const char* text;
    int speed;  // 0: refused
    const char* message;
  } cases[] = {
      {"1", 1, nullptr},         {"50", 50, nullptr},      {" 38 ", 38, nullptr},
      {"+7", 7, nullptr},        {"0", 0, outOfRange},     {"51", 0, outOfRange},
      {"-1", 0, outOfRange},     {"", 0, notANumber},      {"x", 0, notANumber},
      {"3x", 0, notANumber},     {"4 5", 0, notANumber},   {"99999999999", 0, notANumber},
  };
  for (const auto& c : cases) {
    int speed = -5;
    std::string message;
    EXPECT_EQ(ParseSpeed(c.text, speed, message), c.speed != 0) << c.text;
    if (c.speed != 0) {
      EXPECT_EQ(speed, c.speed) << c.text;
    } else {
      EXPECT_EQ(speed, -5) << c.text;
      EXPECT_EQ(message, c.message) << c.text;
    }
  }
}

TEST_F(SettingsPagesTest, AppearanceWritesItsKeysAndRebuildsOnlyOnAChange) {
  VisOpts v;
  v.Load();
  v.m_speed = 1;
  v.m_hitShake = 0;
  v.Apply(game);
  EXPECT_EQ(game.Lines(), (Lines{"[Options]", "ShowProgress=1", "HitShake=0", "DiceAsIcons=1", "HighLight=2",
                                 "AutoFinish=2", "Speed=1"}));
  EXPECT_EQ(g_SpeedDelay, 49);
  EXPECT_EQ(g_HitShake, 0);
  EXPECT_TRUE(game.calls.empty());

  v.m_clockwise = 1;
  v.m_speed = 50;
  v.Apply(game);
  EXPECT_EQ(game.calls, Lines{"clockwise 1"});
  EXPECT_EQ(game.Lines().back(), "ClockWise=1");
  EXPECT_EQ(g_SpeedDelay, 0);
}

TEST_F(SettingsPagesTest, GamePageWritesItsKeysButNeverTheScores) {
  g_Score[SideHuman] = 7;
  g_Score[SideComputer] = 5;
  PlayOpts p;
  p.Load();
  EXPECT_EQ(p.m_humanScore, 7);
  EXPECT_EQ(p.m_computerScore, 5);
  p.m_level = 0;
  p.m_useCube = 1;
  p.m_humanScore = 99;
  p.Apply(game);
  EXPECT_EQ(game.Lines(), (Lines{"[Options]", "FirstMoveBy=2", "UseCube=1", "AutoChangeTurn=0", "AutoForcedMoves=0",
                                 "IntelMoves=0", "LevelOfPlay=0"}));
  EXPECT_EQ(g_LevelOfPlay, 0);
  EXPECT_EQ(g_UseCube, 1);
  EXPECT_EQ(g_Score[SideHuman], 7);
}

TEST_F(SettingsPagesTest, DicePageActsOnlyWhenTheNameOrTheModeChanged) {
  g_RollsFile = ".\\rolls.txt";
  DiceOpts d;
  d.Load(game);
  d.Apply(game);
  EXPECT_TRUE(game.Lines().empty());
  EXPECT_TRUE(game.calls.empty());

  d.m_rollsFile = ".\\Rolls.txt";  // letter case alone is a change
  d.Apply(game);
  EXPECT_EQ(game.Lines(), (Lines{"[Options]", "RollsList=.\\Rolls.txt", "DiceMode=0"}));
  EXPECT_EQ(game.calls, Lines{"dice 0"});
  EXPECT_EQ(g_RollsFile, ".\\Rolls.txt");

  d.m_diceMode = 2;  // the mode alone
  d.Apply(game);
  EXPECT_EQ(game.calls, (Lines{"dice 0", "dice 2"}));
  EXPECT_EQ(game.Lines().back(), "DiceMode=2");
}

TEST_F(SettingsPagesTest, SoundPageKeepsAWorkingCopyPerEvent) {
  g_SoundFiles[SoundHit] = "hit.wav";
  g_SoundActive[SoundHit] = 1;
  SndOpts s;
  EXPECT_EQ(s.File(), "");  // no event before the first showing
  s.SetFile("x.wav");
  s.Play(game);
  EXPECT_TRUE(game.calls.empty());
  s.Load();
  EXPECT_EQ(s.m_cur, 0);
  EXPECT_EQ(s.File(), "dice");
  s.SetFile("w.wav");  // typed for "Würfeln", which stays off
  s.SelectEvent(SoundHit);
  EXPECT_EQ(s.File(), "hit.wav");
  EXPECT_EQ(s.Active(), 1);
  s.SetActive(0);
  for (int bad : {5, -1}) s.SelectEvent(bad);
  EXPECT_EQ(s.m_cur, SoundHit);
  s.SelectEvent(SoundDice);
  EXPECT_EQ(s.File(), "w.wav");
  s.Play(game);  // plays what the edit holds, though the event is off
  EXPECT_EQ(game.calls, Lines{"play w.wav"});
  EXPECT_EQ(g_SoundFiles[SoundDice], "dice");  // nothing applied yet

  s.Apply(game);
  EXPECT_EQ(game.Lines(), (Lines{"[Sounds]", "DiceSoundActive=0", "DiceSound=w.wav", "MoveSoundActive=0",
                                 "MoveSound=piece", "HitSoundActive=0", "HitSound=hit.wav", "WinSoundActive=0",
                                 "WinSound=youwin", "LoseSoundActive=0", "LoseSound=youlose"}));
  EXPECT_EQ(g_SoundFiles[SoundDice], "w.wav");
  EXPECT_EQ(g_SoundActive[SoundHit], 0);
}

TEST_F(SettingsPagesTest, FileNamesTheSettingsFileCannotHoldAreRefused) {
  const struct {
    std::string name;
    bool storable;
  } cases[] = {
      {"", true},
      {"/home/spieler/Würfel.txt", true},
      {".\\rolls.txt", true},
      {std::string(4095, 'a'), true},
      {std::string(4096, 'a'), false},
      {"a\nDiceMode=1", false},
      {"a\rb", false},
      {"tab\there", false},
      {"del\x7F", false},
  };
  for (const auto& c : cases) EXPECT_EQ(StorableFileName(c.name), c.storable) << c.name.substr(0, 20);

  SndOpts s;
  s.Load();
  EXPECT_EQ(s.UnstorableEvent(), -1);
  s.SelectEvent(SoundWin);
  s.SetFile("a\nb");
  EXPECT_EQ(s.UnstorableEvent(), SoundWin);
}

}  // namespace
