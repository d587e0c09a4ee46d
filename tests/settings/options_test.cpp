#include "settings/options.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <iterator>
#include <string>

#include "board/globals.h"
#include "platform/ini_store.h"
#include "settings/colors.h"
#include "tests/support/temp_dir.h"

namespace {

class LoadOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOptionsToBuiltIn();
    g_SchemeFile = dir.File("backg.clr");
    g_Colors = {};
  }
  void TearDown() override {
    ResetOptionsToBuiltIn();
    g_SchemeFile.clear();
  }
  // Loads from a file with the given text (none when text is null).
  void Load(const char* text) {
    if (text != nullptr) WriteText(iniPath, text);
    IniStore ini(iniPath);
    ResetOptionsToBuiltIn();
    diceMode = -99;
    LoadOptions(ini, diceMode);
  }
  int SpeedDelayFor(const std::string& speed) {
    Load(("[Options]\nSpeed=" + speed + "\n").c_str());
    return g_SpeedDelay;
  }

  TempDir dir;
  std::string iniPath = dir.File("tremaw.ini");
  int diceMode = -99;
};

void ExpectBuiltInDefaults(int diceMode) {
  EXPECT_EQ(g_UseCube, 0);
  EXPECT_EQ(g_AutoFinish, 2);
  EXPECT_EQ(g_DiceAsIcons, 1);
  EXPECT_EQ(g_SpeedDelay, 12);
  EXPECT_EQ(g_AutoChangeTurn, 0);
  EXPECT_EQ(g_LevelOfPlay, 2);
  EXPECT_EQ(g_FirstMoveBy, 2);
  EXPECT_EQ(g_ShowProgress, 1);
  EXPECT_EQ(g_AutoForcedMoves, 0);
  EXPECT_EQ(g_HitShake, 1);
  EXPECT_EQ(g_HighLight, 2);
  EXPECT_EQ(g_IntelMoves, 0);
  EXPECT_EQ(diceMode, 0);
  EXPECT_EQ(g_ClockWise, 0);
  EXPECT_EQ(g_RollsFile, ".\\rolls.txt");
  const char* const files[] = {"dice.wav", "piece.wav", "hit.wav", "youwin.wav", "youlose.wav"};
  static_assert(std::size(files) == kSoundEvents);
  for (int i = 0; i < kSoundEvents; ++i) {
    EXPECT_EQ(g_SoundFiles[i], files[i]);
    EXPECT_EQ(g_SoundActive[i], 0);
  }
  EXPECT_EQ(g_Score[SideHuman], 0);
  EXPECT_EQ(g_Score[SideComputer], 0);
  EXPECT_EQ(g_CurScheme, 0);
  EXPECT_EQ(g_Colors, g_DefaultSchemes[0]);
}

}  // namespace

TEST_F(LoadOptionsTest, MissingFileOrKeysGiveTheDefaults) {
  Load(nullptr);
  ExpectBuiltInDefaults(diceMode);
  EXPECT_FALSE(std::filesystem::exists(iniPath));  // loading creates nothing
  EXPECT_FALSE(std::filesystem::exists(g_SchemeFile));

  // Sections present but without our keys, and unrelated keys, change nothing.
  Load("[Options]\nUnknown=5\n[Sounds]\n[Game]\nOther=1\n");
  ExpectBuiltInDefaults(diceMode);
}

// The tests start from the values the program starts with.
TEST_F(LoadOptionsTest, ResetGivesEveryOptionItsBuiltInValue) {
  const struct {
    int* option;
    int builtIn;
  } options[] = {
      {&g_UseCube, 0},         {&g_AutoFinish, 2},       {&g_DiceAsIcons, 1},         {&g_SpeedDelay, 12},
      {&g_AutoChangeTurn, 0},  {&g_LevelOfPlay, 2},      {&g_FirstMoveBy, 2},         {&g_ShowProgress, 1},
      {&g_AutoForcedMoves, 0}, {&g_HitShake, 1},         {&g_HighLight, 2},           {&g_IntelMoves, 0},
      {&g_ClockWise, 0},       {&g_Score[SideHuman], 0}, {&g_Score[SideComputer], 0}, {&g_CurScheme, 0},
  };
  for (const auto& o : options) *o.option = 77;
  g_RollsFile = "x.txt";
  for (int i = 0; i < kSoundEvents; ++i) g_SoundFiles[i] = "x.wav", g_SoundActive[i] = 1;
  ResetOptionsToBuiltIn();
  for (size_t i = 0; i < std::size(options); ++i) EXPECT_EQ(*options[i].option, options[i].builtIn) << i;
  EXPECT_EQ(g_RollsFile, "");
  const char* const files[] = {"dice", "piece", "hit", "youwin", "youlose"};
  static_assert(std::size(files) == kSoundEvents);
  for (int i = 0; i < kSoundEvents; ++i) {
    EXPECT_EQ(g_SoundFiles[i], files[i]);
    EXPECT_EQ(g_SoundActive[i], 0);
  }
}

TEST_F(LoadOptionsTest, EveryKeyIsLoaded) {
  Load(
      "[options]\n"
      "usecube=1\nAUTOFINISH=0\nDiceAsIcons=0\nSpeed=45\nAutoChangeTurn=1\nLevelOfPlay=0\n"
      "FirstMoveBy=1\nShowProgress=0\nAutoForcedMoves=1\nHitShake=0\nHighLight=1\nIntelMoves=1\n"
      "DiceMode=2\nClockWise=1\nRollsList=C:\\dice\\list.txt\nCurScheme=0\n"
      "[SOUNDS]\n"
      "DiceSound=w1.wav\ndicesoundactive=1\nMoveSound=w2.wav\nMoveSoundActive=1\nHitSound=w3.wav\n"
      "HitSoundActive=0\nWinSound=w4.wav\nWinSoundActive=1\nLoseSound=w5.wav\nLoseSoundActive=1\n"
      "[Game]\nHuman=17\nComputer=-4\n");
  EXPECT_EQ(g_UseCube, 1);
  EXPECT_EQ(g_AutoFinish, 0);
  EXPECT_EQ(g_DiceAsIcons, 0);
  EXPECT_EQ(g_SpeedDelay, 5);
  EXPECT_EQ(g_AutoChangeTurn, 1);
  EXPECT_EQ(g_LevelOfPlay, 0);
  EXPECT_EQ(g_FirstMoveBy, 1);
  EXPECT_EQ(g_ShowProgress, 0);
  EXPECT_EQ(g_AutoForcedMoves, 1);
  EXPECT_EQ(g_HitShake, 0);
  EXPECT_EQ(g_HighLight, 1);
  EXPECT_EQ(g_IntelMoves, 1);
  EXPECT_EQ(diceMode, 2);
  EXPECT_EQ(g_ClockWise, 1);
  EXPECT_EQ(g_RollsFile, "C:\\dice\\list.txt");
  const int active[] = {1, 1, 0, 1, 1};
  static_assert(std::size(active) == kSoundEvents);
  for (int i = 0; i < kSoundEvents; ++i) {
    EXPECT_EQ(g_SoundFiles[i], "w" + std::to_string(i + 1) + ".wav");
    EXPECT_EQ(g_SoundActive[i], active[i]);
  }
  EXPECT_EQ(g_Score[SideHuman], 17);
  EXPECT_EQ(g_Score[SideComputer], 0) << "a negative total is no score and starts again";
}

TEST_F(LoadOptionsTest, SpeedIsTheOnlyRangeTestedKey) {
  EXPECT_EQ(SpeedDelayFor("50"), 0);
  EXPECT_EQ(SpeedDelayFor("0"), 50);
  EXPECT_EQ(SpeedDelayFor("38"), 12);
  EXPECT_EQ(SpeedDelayFor("51"), 12);
  EXPECT_EQ(SpeedDelayFor("-1"), 12);
  EXPECT_EQ(SpeedDelayFor("-2147483648"), 12);  // tested before subtracting, no overflow
  EXPECT_EQ(SpeedDelayFor("2147483647"), 12);
  EXPECT_EQ(SpeedDelayFor("30fast"), 20);
  EXPECT_EQ(SpeedDelayFor(""), 50);  // present without digits reads as 0

  // Out-of-range values of other keys load unchanged...
  Load("[Options]\nLevelOfPlay=9\nHighLight=-1\nAutoFinish=3\nDiceMode=5\nCurScheme=1\n");
  EXPECT_EQ(g_LevelOfPlay, 9);
  EXPECT_EQ(g_HighLight, -1);
  EXPECT_EQ(g_AutoFinish, 3);
  EXPECT_EQ(diceMode, 5);
  // ...except who begins, which falls back to the player, and a total below 0.
  const struct {
    const char* text;
    int* value;
    int expected;
  } cases[] = {
      {"[Options]\nFirstMoveBy=7\n", &g_FirstMoveBy, 2}, {"[Options]\nFirstMoveBy=-1\n", &g_FirstMoveBy, 2},
      {"[Options]\nFirstMoveBy=3\n", &g_FirstMoveBy, 2}, {"[Options]\nFirstMoveBy=0\n", &g_FirstMoveBy, 0},
      {"[Game]\nHuman=-1\n", &g_Score[SideHuman], 0},    {"[Game]\nHuman=2147483647\n", &g_Score[SideHuman], INT_MAX},
  };
  for (const auto& c : cases) {
    Load(c.text);
    EXPECT_EQ(*c.value, c.expected) << c.text;
  }
}

TEST_F(LoadOptionsTest, EmptyAndPartialStringKeys) {
  Load("[Options]\nRollsList=\n[Sounds]\nDiceSound=\nHitSound=bang.wav\nWinSoundActive=1\n");
  EXPECT_EQ(g_RollsFile, "");  // empty, not the default
  EXPECT_EQ(g_SoundFiles[SoundDice], "");
  EXPECT_EQ(g_SoundActive[SoundDice], 0);
  // A file key without its flag key: the file, but the sound off.
  EXPECT_EQ(g_SoundFiles[SoundHit], "bang.wav");
  EXPECT_EQ(g_SoundActive[SoundHit], 0);
  // A flag key without its file key: the default file, the sound on.
  EXPECT_EQ(g_SoundFiles[SoundWin], "youwin.wav");
  EXPECT_EQ(g_SoundActive[SoundWin], 1);
  EXPECT_EQ(g_SoundFiles[SoundMove], "piece.wav");
}

TEST_F(LoadOptionsTest, CurrentSchemeComesFromTheSchemeFile) {
  // Two whole schemes in the file: 0x00112233 etc., little-endian.
  std::string clr;
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < kColorSlots; ++c) clr += std::string{static_cast<char>(s * 16 + c), 0x22, 0x11, 0x00};
  WriteText(g_SchemeFile, clr);

  Load("[Options]\nCurScheme=1\n");
  EXPECT_EQ(g_CurScheme, 1);
  for (int c = 0; c < kColorSlots; ++c) EXPECT_EQ(g_Colors[c], static_cast<Color>(0x112200 + 16 + c));

  // A scheme not whole in the file keeps its index and its built-in colours.
  Load("[Options]\nCurScheme=3\n");
  EXPECT_EQ(g_CurScheme, 3);
  EXPECT_EQ(g_Colors, g_DefaultSchemes[3]);
  // An index that names no scheme gives scheme A.
  Load("[Options]\nCurScheme=-2147483648\n");
  EXPECT_EQ(g_CurScheme, 0);
  EXPECT_EQ(g_Colors, g_DefaultSchemes[0]);
}
