// The colour-scheme file and what the colour dialog does with the schemes.
#include "settings/color_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <iterator>
#include <string>

#include "tests/settings/recording_game.h"

namespace {

// The built-in schemes A to D, slot by slot (background, point colour A, point
// colour B, computer, human, bar) as 0x00BBGGRR.
const ColorScheme kBuiltIn[kSchemes] = {
    {{0x00C8C0C8, 0x00C0C0C0, 0x00008080, 0x000080FF, 0x00FFFFFF, 0x00C0C0C0}},
    {{0x0055B6D2, 0x00C0C0C0, 0x00008080, 0x000080FF, 0x00FFFFFF, 0x00C0C0C0}},
    {{0x00B7B76C, 0x00606060, 0x00C0C0C0, 0x000080FF, 0x00C08000, 0x00B7B7B7}},
    {{0x00CFB1B3, 0x00C0C0C0, 0x00008080, 0x008080FF, 0x00FFFFFF, 0x00C0C0C0}},
};

TEST(ColorSchemes, BuiltInColours) {
  for (int n = 0; n < kSchemes; ++n) EXPECT_EQ(g_DefaultSchemes[n], kBuiltIn[n]) << "scheme " << n;
}

// A swatch and its ".." button stand for the same slot (the bar's row has its
// ids the other way round); no other control stands for one.
TEST(ColorSchemes, ControlIdsNameTheirSlots) {
  const struct {
    int slot, swatch, button;
  } rows[] = {{ColorBackground, 1011, 1017}, {ColorPointA, 1012, 1018}, {ColorPointB, 1013, 1019},
              {ColorComputer, 1014, 1020},   {ColorHuman, 1015, 1021},  {ColorBar, 1024, 1023}};
  static_assert(std::size(rows) == kColorSlots);
  for (const auto& r : rows) {
    EXPECT_EQ(ColorSlotFromId(r.swatch), r.slot) << r.swatch;
    EXPECT_EQ(ColorSlotFromId(r.button), r.slot) << r.button;
  }
  for (int id : {1010, 1016, 1022, 1025, -1}) EXPECT_EQ(ColorSlotFromId(id), -1) << id;
}

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

TEST_F(ColorDialogTest, ResetGivesTheShownSchemeItsOwnBuiltInColours) {
  BackgClr dlg(game);
  dlg.Open();
  for (int n = 0; n < kSchemes; ++n) {
    dlg.SelectScheme(n);
    for (int slot = 0; slot < kColorSlots; ++slot) dlg.SetColor(slot, 0x00010203);
    EXPECT_TRUE(dlg.ResetEnabled()) << n;
    dlg.Reset();
    EXPECT_EQ(dlg.Shown(), kBuiltIn[n]) << n;
    EXPECT_EQ(g_Colors, kBuiltIn[n]) << n;
    EXPECT_FALSE(dlg.ResetEnabled()) << n;
  }
}

// Whatever the colour-scheme file holds, the board starts in the scheme the
// dialog then shows, with the same colours: a record the file holds whole
// comes from it (only the first 96 bytes count, however long the file), one it
// does not has its own built-in colours; a file that does not read gives A.
TEST_F(ColorDialogTest, BoardAndDialogShowTheSameSchemeWhateverTheFileHolds) {
  ColorScheme edited[kSchemes];
  for (int n = 0; n < kSchemes; ++n)
    for (int slot = 0; slot < kColorSlots; ++slot) edited[n][slot] = static_cast<Color>(0x00100000 * n + slot + 1);
  ASSERT_TRUE(WriteSchemeFile(g_SchemeFile, edited));
  const std::string whole = ReadText(g_SchemeFile);
  const auto startAndOpen = [&](int scheme, const std::string& what) {
    g_CurScheme = scheme;
    LoadCurrentScheme();
    BackgClr dlg(game);
    dlg.Open();
    EXPECT_EQ(dlg.m_cur, g_CurScheme) << what;
    EXPECT_EQ(dlg.Shown(), g_Colors) << what;
  };

  for (const size_t length : {size_t{0}, size_t{23}, size_t{24}, size_t{50}, size_t{95}, size_t{96}, size_t{1048577}}) {
    WriteText(g_SchemeFile, length <= 96 ? whole.substr(0, length) : whole + std::string(length - 96, '\xEE'));
    for (int n = 0; n < kSchemes; ++n) {
      const std::string what = std::to_string(length) + " bytes, scheme " + std::to_string(n);
      startAndOpen(n, what);
      EXPECT_EQ(g_CurScheme, n) << what;
      EXPECT_EQ(g_Colors, 24 * (static_cast<size_t>(n) + 1) <= length ? edited[n] : kBuiltIn[n]) << what;
    }
  }

  // No file, a directory, a FIFO (refused at once, without waiting for a writer).
  const std::function<void()> unreadable[] = {
      [&] { ::unlink(g_SchemeFile.c_str()); },
      [&] { ASSERT_EQ(::mkdir(g_SchemeFile.c_str(), 0700), 0); },
      [&] {
        ::rmdir(g_SchemeFile.c_str());
        ASSERT_EQ(::mkfifo(g_SchemeFile.c_str(), 0600), 0);
      },
  };
  for (size_t i = 0; i < std::size(unreadable); ++i) {
    unreadable[i]();
    const std::string what = "unreadable " + std::to_string(i);
    startAndOpen(2, what);
    EXPECT_EQ(g_CurScheme, 0) << what;
    EXPECT_EQ(g_Colors, kBuiltIn[0]) << what;
  }
}

TEST(ColorSwatch, TextTurnsWhiteOnDarkColours) {
  const std::pair<Color, bool> cases[] = {
      {0x00008080, true}, {0x00000000, true}, {0x00606060, false}, {0x00C0C0C0, false}, {0x000000FF, true}};
  for (const auto& [c, white] : cases) EXPECT_EQ(WhiteSwatchText(c), white) << std::hex << c;
}

}  // namespace
