// The settings pages' values: what a page shows first, what it refuses, and
// what OK applies and writes, in order.
#include "settings/settings_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board/globals.h"
#include "tests/settings/recording_game.h"

namespace {

using Lines = std::vector<std::string>;

class SettingsPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetOptionsToBuiltIn(); }
  void TearDown() override { ResetOptionsToBuiltIn(); }
  RecordingGame game;
};

// A stored value outside a list's or a radio group's range shows the built-in
// value; one in range shows as it is. A check box shows what the game does with
// the stored value: ticked for anything but 0.
TEST_F(SettingsPagesTest, FirstShowingBringsStoredValuesIntoRange) {
  // The four pages as they show the options first.
  struct Shown {
    VisOpts vis;
    PlayOpts play;
    DiceOpts dice;
    SndOpts snd;
  };
  struct Case {
    const char* name;
    int* option;
    int stored;
    int (*shown)(const Shown&);
    int expected;
  };
  const Case cases[] = {
      {"LevelOfPlay", &g_LevelOfPlay, 3, [](const Shown& s) { return s.play.m_level; }, 2},
      {"LevelOfPlay", &g_LevelOfPlay, -1, [](const Shown& s) { return s.play.m_level; }, 2},
      {"LevelOfPlay", &g_LevelOfPlay, 0, [](const Shown& s) { return s.play.m_level; }, 0},
      {"FirstMoveBy", &g_FirstMoveBy, 7, [](const Shown& s) { return s.play.m_firstMoveBy; }, 2},
      {"FirstMoveBy", &g_FirstMoveBy, 1, [](const Shown& s) { return s.play.m_firstMoveBy; }, 1},
      {"UseCube", &g_UseCube, 2, [](const Shown& s) { return s.play.m_useCube; }, 1},
      {"AutoChangeTurn", &g_AutoChangeTurn, 2, [](const Shown& s) { return s.play.m_autoChangeTurn; }, 1},
      {"AutoForcedMoves", &g_AutoForcedMoves, -1, [](const Shown& s) { return s.play.m_autoForcedMoves; }, 1},
      {"IntelMoves", &g_IntelMoves, 3, [](const Shown& s) { return s.play.m_intelMoves; }, 1},
      {"IntelMoves", &g_IntelMoves, 1, [](const Shown& s) { return s.play.m_intelMoves; }, 1},
      {"HighLight", &g_HighLight, 3, [](const Shown& s) { return s.vis.m_highlight; }, 2},
      {"HighLight", &g_HighLight, 0, [](const Shown& s) { return s.vis.m_highlight; }, 0},
      {"AutoFinish", &g_AutoFinish, -1, [](const Shown& s) { return s.vis.m_autoFinish; }, 2},
      {"HitShake", &g_HitShake, 5, [](const Shown& s) { return s.vis.m_hitShake; }, 1},
      {"HitShake", &g_HitShake, 0, [](const Shown& s) { return s.vis.m_hitShake; }, 0},
      {"ClockWise", &g_ClockWise, -3, [](const Shown& s) { return s.vis.m_clockwise; }, 1},
      {"SpeedDelay", &g_SpeedDelay, 12, [](const Shown& s) { return s.vis.m_speed; }, 38},
      {"SpeedDelay", &g_SpeedDelay, 50, [](const Shown& s) { return s.vis.m_speed; }, 0},
      {"DiceMode", &game.diceMode, 9, [](const Shown& s) { return s.dice.m_diceMode; }, 0},
      {"DiceMode", &game.diceMode, 2, [](const Shown& s) { return s.dice.m_diceMode; }, 2},
      {"LoseSoundActive", &g_SoundActive[SoundLose], 4, [](const Shown& s) { return s.snd.m_activeFlag[4]; }, 1},
      {"DiceSoundActive", &g_SoundActive[SoundDice], 2, [](const Shown& s) { return s.snd.m_activeFlag[0]; }, 1},
      {"DiceSoundActive", &g_SoundActive[SoundDice], 0, [](const Shown& s) { return s.snd.m_activeFlag[0]; }, 0},
  };
  for (const Case& c : cases) {
    ResetOptionsToBuiltIn();
    *c.option = c.stored;
    Shown s;
    s.vis.Load();
    s.play.Load();
    s.dice.Load(game);
    s.snd.Load();
    EXPECT_EQ(c.shown(s), c.expected) << c.name << " " << c.stored;
  }
}

// DiceSoundActive=2 plays the dice sound and UseCube=2 offers the cube: OK
// keeps them on, stored as 1. ClockWise=2 lays the board out clockwise already,
// so the ticked box is no change: no rebuild, and the key is not written.
TEST_F(SettingsPagesTest, OKKeepsACheckBoxOptionStoredAsAnyNonZeroValueOn) {
  g_SoundActive[SoundDice] = 2;
  g_UseCube = 2;
  g_ClockWise = 2;
  SndOpts s;
  s.Load();
  s.Apply(game);
  PlayOpts p;
  p.Load();
  p.Apply(game);
  VisOpts v;
  v.Load();
  v.Apply(game);
  const Lines lines = game.Lines();
  for (const char* line : {"DiceSoundActive=1", "UseCube=1"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  EXPECT_EQ(g_SoundActive[SoundDice], 1);
  EXPECT_EQ(g_UseCube, 1);
  EXPECT_TRUE(game.calls.empty());
  EXPECT_EQ(g_ClockWise, 2);
  for (const std::string& line : lines) EXPECT_NE(line.rfind("ClockWise=", 0), 0u) << line;
}

TEST_F(SettingsPagesTest, SpeedFieldTakesOnlyWholeNumbersFromOneToFifty) {
  const char* const notANumber = "Bitte eine ganze Zahl eingeben.";
  const char* const outOfRange = "Bitte eine ganze Zahl zwischen 1 und 50 eingeben.";
  const struct {
    const char* text;
    int speed;  // 0: refused
    const char* message;
  } cases[] = {
      {"1", 1, nullptr},    {"50", 50, nullptr},   {" 38 ", 38, nullptr},  {"+7", 7, nullptr},
      {"0", 0, outOfRange}, {"51", 0, outOfRange}, {"-1", 0, outOfRange},  {"", 0, notANumber},
      {"x", 0, notANumber}, {"3x", 0, notANumber}, {"4 5", 0, notANumber}, {"99999999999", 0, notANumber},
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

// A stored name that is not UTF-8 shows as well-formed UTF-8 (the edit would
// show anything else as nothing), and the text shown gives back the stored
// bytes; a name that is UTF-8 shows as it is.
TEST_F(SettingsPagesTest, StoredFileNamesShowAsUtf8AndComeBackByteForByte) {
  const struct {
    std::string stored, shown;
  } cases[] = {
      {"/home/spieler/Würfel.txt", "/home/spieler/Würfel.txt"},
      {"\xF0\x9F\x8E\xB2.txt", "\xF0\x9F\x8E\xB2.txt"},  // four bytes
      {"W\xFCrfel.txt", "Würfel.txt"},                   // Latin-1
      {"a\x80-b", "a\uFFFD-b"},                          // no Latin-1 letter
      {"\xC0\xAF", "\u00C0\u00AF"},                      // overlong
      {"\xED\xA0\x80", "\u00ED\u00A0\uFFFD"},            // surrogate
      {"\xF4\x90\x80\x80", "\u00F4\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"ab\xE2\x82", "ab\u00E2\uFFFD"},                  // cut off
  };
  for (const auto& c : cases) {
    g_RollsFile = c.stored;
    DiceOpts d;
    d.Load(game);
    EXPECT_EQ(d.FileText(), c.shown) << c.shown;
    d.m_rollsFile.clear();
    EXPECT_TRUE(d.TakeFileText(c.shown)) << c.shown;
    EXPECT_EQ(d.m_rollsFile, c.stored) << c.shown;
  }
}

// The window shows the events one by one (see the window test); here only the
// index guard: no entry is touched before the first showing or by a bad index.
TEST_F(SettingsPagesTest, SoundPageIndexesOnlyTheFiveEvents) {
  SndOpts s;
  EXPECT_EQ(s.File(), "");
  s.SetFile("x.wav");
  s.SetActive(1);
  s.Play(game);
  EXPECT_TRUE(game.calls.empty());
  s.Load();
  s.SelectEvent(SoundHit);
  for (int bad : {5, -1}) s.SelectEvent(bad);
  EXPECT_EQ(s.m_cur, SoundHit);
  for (int i = 0; i < kSoundEvents; ++i) EXPECT_EQ(s.m_file[i], g_SoundFiles[i]) << i;
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
      // The settings file drops blanks around a value.
      {" rolls.txt", false},
      {"rolls.txt ", false},
      {" ", false},
      {"Meine Würfel.txt", true},
  };
  for (const auto& c : cases) EXPECT_EQ(StorableFileName(c.name), c.storable) << c.name.substr(0, 20);

  // A name in use already is kept as it is, however long.
  EXPECT_TRUE(AcceptableFileName(std::string(5000, 'r'), std::string(5000, 'r')));
  EXPECT_FALSE(AcceptableFileName(std::string(5000, 'r'), "r"));
  g_SoundFiles[SoundMove] = std::string(5000, 'm');
  SndOpts s;
  s.Load();
  EXPECT_EQ(s.UnstorableEvent(), -1);
  s.SelectEvent(SoundWin);
  s.SetFile("a\nb");
  EXPECT_EQ(s.UnstorableEvent(), SoundWin);
}

}  // namespace
