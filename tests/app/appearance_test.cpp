// The settings and colour commands acting on the running game: the clockwise
// rebuild, the dice source and the new colours of every checker.
#include "app/appearance.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "board/piece.h"
#include "board/position.h"
#include "resources/ids.h"
#include "settings/color_dialog.h"
#include "tests/support/game_fixture.h"
#include "tests/support/raster_surface.h"

namespace {

class AppearanceTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    g_SchemeFile = dir + "/tremaw32.clr";
  }
  void TearDown() override {
    GameFixture::TearDown();
    g_SchemeFile.clear();
  }
  // Starts with a raster surface as the kept surface, so that checkers are drawn.
  void StartDrawn() {
    view.screen = Size{1920, 1017};
    Start(&surface);
    Pump();
  }
  std::vector<int> Board() const {
    std::vector<int> b;
    for (int i = 0; i < kBoardSize; ++i) {
      b.push_back(Count(i));
      b.push_back(Owner(i));
    }
    return b;
  }
  Piece* Checker(int index, int k) const { return static_cast<PositionTop*>(wnd->m_board[index])->pieces[k]; }

  RasterSurface surface{960, 640, g_DefaultSchemes[0][ColorBackground]};
};

TEST_F(AppearanceTest, ClockwiseSwitchMidTurnKeepsEveryCheckerAndTheStoredBoard) {
  UseRolls("3 4  2 1");
  StartDrawn();
  Key('A');
  Key('E');
  ASSERT_EQ(wnd->m_stepCount, 1);
  const std::vector<int> board = Board();
  PointRecord stored[kBoardSize];
  std::memcpy(stored, g_BoardRecord, sizeof stored);
  const int invalidations = view.invalidations;

  int clockwise = 1;
  dialogs.onSettings = [&] {
    TremaWndGame game(*wnd);
    VisOpts v;
    v.Load();
    v.m_clockwise = clockwise;
    v.Apply(game);
    return static_cast<int>(IDOK);
  };
  Command(ID_SETTINGS);
  EXPECT_EQ(g_ClockWise, 1);
  EXPECT_EQ(StoredInt("Options", "ClockWise"), 1);
  EXPECT_EQ(Board(), board);
  EXPECT_EQ(std::memcmp(stored, g_BoardRecord, sizeof stored), 0);
  EXPECT_GT(view.invalidations, invalidations);
  // Mirrored: point 1 now stands at the left edge, and its checker with it, drawn.
  EXPECT_EQ(wnd->m_board[1]->x, 0);
  ASSERT_NE(Checker(1, 1), nullptr);
  EXPECT_EQ(Checker(1, 1)->x, static_cast<int>(0.4 * g_CheckerSize));
  EXPECT_EQ(surface.Pixel(Checker(1, 1)->x + g_CheckerSize / 2, Checker(1, 1)->y + g_CheckerSize / 2),
            g_Colors[ColorHuman]);

  // The turn goes on with the new engine: a step, then its take-back.
  Key('A');  // the one die left plays at once
  EXPECT_EQ(wnd->m_stepCount, 2);
  EXPECT_EQ(Count(4), 1);
  Key(VK_ESCAPE);
  EXPECT_EQ(wnd->m_stepCount, 1);
  EXPECT_EQ(Board(), board);

  // OK without a change of the layout keeps the board's entries.
  Position* const point1 = wnd->m_board[1];
  Command(ID_SETTINGS);
  EXPECT_EQ(wnd->m_board[1], point1);
}

TEST_F(AppearanceTest, DiceSourceChangeClosesTheOpenRollList) {
  UseRolls("3 4  2 1");
  StartDrawn();
  ASSERT_NE(wnd->m_dice->listFile, nullptr);
  int mode = 2;
  dialogs.onSettings = [&] {
    TremaWndGame game(*wnd);
    DiceOpts d;
    d.Load(game);
    d.m_diceMode = mode;
    d.Apply(game);
    return static_cast<int>(IDOK);
  };
  Command(ID_SETTINGS);  // nothing changed: the list goes on from its place
  EXPECT_NE(wnd->m_dice->listFile, nullptr);
  mode = 0;
  Command(ID_SETTINGS);
  EXPECT_EQ(wnd->m_dice->listFile, nullptr);
  EXPECT_EQ(wnd->m_dice->mode, 0);
  EXPECT_EQ(wnd->m_diceMode, 0);
  EXPECT_EQ(StoredInt("Options", "DiceMode"), 0);
}

TEST_F(AppearanceTest, NewColoursReachEveryCheckerOnPointsAndBars) {
  StartDrawn();
  SetBoard("0:1h 25:2c 5:3h 20:2c");
  const std::vector<int> board = Board();
  const Color human = 0x00102030, computer = 0x00405060, background = 0x00708090;
  int scheme = 0;
  dialogs.onColors = [&] {
    TremaWndGame game(*wnd);
    BackgClr d(game);
    d.Open();
    d.SelectScheme(scheme);
    d.SetColor(ColorHuman, human);
    d.SetColor(ColorComputer, computer);
    d.SetColor(ColorBackground, background);
    return d.OK() ? static_cast<int>(IDOK) : kColorsNotSaved;
  };
  Command(ID_COLORS);
  EXPECT_EQ(Board(), board);
  EXPECT_EQ(view.background, background);
  for (int i : {0, 5, 20, 25})
    for (int k = 1; k <= Count(i); ++k) {
      const Piece* p = Checker(i, k);
      ASSERT_NE(p, nullptr) << i;
      const Color expected = Owner(i) == SideHuman ? human : computer;
      EXPECT_EQ(p->color, expected) << i << " " << k;
      EXPECT_EQ(surface.Pixel(p->x + g_CheckerSize / 2, p->y + g_CheckerSize / 2), expected) << i << " " << k;
    }
  EXPECT_EQ(StoredInt("Options", "CurScheme"), 0);

  // The schemes cannot be saved: the player is told, and the stored scheme
  // stays the one the file holds.
  g_SchemeFile = dir;
  scheme = 2;
  const std::string told = SchemeFileNotWrittenText(dir);
  host.Answer(IDOK);
  Command(ID_COLORS);
  EXPECT_EQ(BoxCount(told), 1);
  EXPECT_EQ(g_CurScheme, 2);
  EXPECT_EQ(StoredInt("Options", "CurScheme"), 0);

  // Cancel brings back the colours from before and stores nothing.
  const ColorScheme before = g_Colors;
  dialogs.onColors = [&] {
    TremaWndGame game(*wnd);
    BackgClr d(game);
    d.Open();
    d.SetColor(ColorHuman, 0x00FFFF00);
    d.Cancel();
    return static_cast<int>(IDCANCEL);
  };
  Command(ID_COLORS);
  EXPECT_EQ(g_Colors, before);
  EXPECT_EQ(Checker(0, 1)->color, before[ColorHuman]);
  EXPECT_EQ(StoredInt("Options", "CurScheme"), 0);
}

}  // namespace
