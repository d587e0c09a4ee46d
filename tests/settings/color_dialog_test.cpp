// The colour-scheme file and what the colour dialog does with the schemes.
#include "settings/color_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "tests/settings/recording_game.h"

namespace {

class ColorDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOptionsToBuiltIn();
    g_SchemeFile = game.dir.File("tremaw32.clr");
    g_Colors = g_DefaultSchemes[0];
  }
  void TearDown() override {
    ResetOptionsToBuiltIn();
    g_SchemeFile.clear();
  }
  RecordingGame game;
};

TEST_F(ColorDialogTest, SchemeFileIsWrittenWholeLittleEndianAndReadBack) {
  ColorScheme schemes[kSchemes] = {g_DefaultSchemes[3], g_DefaultSchemes[2], g_DefaultSchemes[1], g_DefaultSchemes[0]};
  schemes[0][ColorBar] = 0x00123456;
  ASSERT_TRUE(WriteSchemeFile(g_SchemeFile, schemes));
  const std::string bytes = ReadText(g_SchemeFile);
  ASSERT_EQ(bytes.size(), 96u);
  EXPECT_EQ(bytes.substr(20, 4), std::string("\x56\x34\x12\x00", 4));
  ColorScheme back[kSchemes];
  int read = 0;
  ASSERT_TRUE(ReadSchemeFile(g_SchemeFile, back, read));
  EXPECT_EQ(read, 4);
  for (int n = 0; n < kSchemes; ++n) EXPECT_EQ(back[n], schemes[n]) << n;

  // A failed write keeps the old file: here the directory refuses the
  // temporary file, and a directory in the file's place cannot be replaced.
  ASSERT_EQ(::chmod(game.dir.path().c_str(), 0500), 0);
  if (::access(game.dir.path().c_str(), W_OK) != 0) {
    EXPECT_FALSE(WriteSchemeFile(g_SchemeFile, g_DefaultSchemes));
    EXPECT_EQ(ReadText(g_SchemeFile), bytes);
  }
  ::chmod(game.dir.path().c_str(), 0700);
  EXPECT_FALSE(WriteSchemeFile(game.dir.path().string(), g_DefaultSchemes));
}

TEST_F(ColorDialogTest, OpeningTakesTheSchemesTheFileHoldsWhole) {
  ColorScheme edited[kSchemes] = {g_DefaultSchemes[0], g_DefaultSchemes[1], g_DefaultSchemes[2], g_DefaultSchemes[3]};
  for (auto& s : edited) s[ColorBackground] = 0x00010203;
  ASSERT_TRUE(WriteSchemeFile(g_SchemeFile, edited));
  // 50 bytes: schemes A and B whole, C cut.
  WriteText(g_SchemeFile, ReadText(g_SchemeFile).substr(0, 50));
  g_CurScheme = 1;
  BackgClr dlg(game);
  dlg.Open();
  EXPECT_EQ(dlg.m_cur, 1);
  EXPECT_EQ(dlg.m_schemes[0], edited[0]);
  EXPECT_EQ(dlg.m_schemes[1], edited[1]);
  EXPECT_EQ(dlg.m_schemes[2], g_DefaultSchemes[2]);
  EXPECT_EQ(dlg.m_schemes[3], g_DefaultSchemes[3]);
  EXPECT_TRUE(game.calls.empty());  // opening shows nothing new
  EXPECT_EQ(g_Colors, g_DefaultSchemes[0]);

  ::unlink(g_SchemeFile.c_str());
  BackgClr none(game);
  none.Open();
  for (int n = 0; n < kSchemes; ++n) EXPECT_EQ(none.m_schemes[n], g_DefaultSchemes[n]) << n;
}

TEST(ColorSwatch, TextTurnsWhiteOnDarkColours) {
  const std::pair<Color, bool> cases[] = {
      {0x00008080, true}, {0x00000000, true}, {0x00606060, false}, {0x00C0C0C0, false}, {0x000000FF, true}};
  for (const auto& [c, white] : cases) EXPECT_EQ(WhiteSwatchText(c), white) << std::hex << c;
}

}  // namespace
