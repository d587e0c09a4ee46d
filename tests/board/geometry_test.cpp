// Layout of points, bars, trays, checker places, letters and hit areas at a
// known scale: u 28, d 32, window 960 x 640, so a column is 960 / 17 = 56.
#include <map>

#include "board/position.h"
#include "tests/board/draw_fixture.h"

namespace {
// Letters drawn, by letter: the last Text call of each.
std::map<std::string, RasterSurface::Call> Letters(const RasterSurface& s) {
  std::map<std::string, RasterSurface::Call> out;
  for (const auto& c : s.CallsOf(RasterSurface::Op::Text))
    if (c.text.size() == 1 && c.text[0] >= 'A' && c.text[0] <= 'X') out[c.text] = c;
  return out;
}
}  // namespace

TEST_F(DrawnBoardTest, GeometryInBothOrientations) {
  for (int cw = 0; cw <= 1; ++cw) {
    SCOPED_TRACE(cw);
    g_ClockWise = cw;
    surface.ClearCalls();
    win.labels.clear();
    CreateBoard(board, true);

    // Top row: point 1 rightmost without ClockWise, leftmost with it, in
    // columns of 56; the six points past the bar gap are shifted by 3 units.
    const int kLeftEdges[12] = {0, 56, 112, 168, 224, 280, 420, 476, 532, 588, 644, 700};
    const int x1 = cw ? 0 : 700;
    for (int n = 1; n <= 12; ++n) {
      EXPECT_EQ(board[n]->x, kLeftEdges[cw ? n - 1 : 12 - n]) << n;
      EXPECT_EQ(board[n]->y, 2 * kU);
      EXPECT_EQ(board[n]->rect, (Rect{board[n]->x, 56, board[n]->x + 56, 56 + 5 * kD + kD / 2}));
      // The bottom point of the column stands under it.
      EXPECT_EQ(board[25 - n]->x, board[n]->x);
      EXPECT_EQ(board[25 - n]->y, kH - 5 * kU);
      EXPECT_EQ(board[25 - n]->rect, (Rect{board[n]->x, 500 - 176, board[n]->x + 56, 500}));
    }

    // The bar strip sits in the gap, at the same x in both orientations.
    EXPECT_EQ(board[0]->x, 350);
    EXPECT_EQ(board[0]->y, 84);
    EXPECT_EQ(board[0]->rect, (Rect{350, 56, 406, 500}));
    EXPECT_EQ(board[25]->x, 350);
    EXPECT_EQ(board[25]->y, 472);
    EXPECT_EQ(board[25]->rect, (Rect{350, 500 - 9 * kU, 406, 500}));

    // Trays: at the column of point 1, or half a unit from the left edge;
    // the computer's square right above the human's around mid height.
    const int tx = cw ? kU / 2 : 700;
    EXPECT_EQ(board[26]->rect, (Rect{tx, 253, tx + kU, 281}));
    EXPECT_EQ(board[27]->rect, (Rect{tx, 281, tx + kU, 309}));
    ASSERT_EQ(win.labels.size(), 2u);
    EXPECT_EQ(win.labels[0]->rect, board[26]->rect);
    EXPECT_EQ(win.labels[0]->text, "0");
    EXPECT_EQ(win.labels[1]->text, "0");
    EXPECT_EQ(win.labels[0]->alignRight, cw == 0);

    // Checker places: left edge x + 0.4 d, stacks growing into the board.
    PositionTop* p1 = Top(1);
    ASSERT_NE(p1->pieces[2], nullptr);
    EXPECT_EQ(p1->pieces[1]->x, x1 + 12);
    EXPECT_EQ(p1->pieces[1]->y, 56);
    EXPECT_EQ(p1->pieces[2]->y, 88);
    EXPECT_EQ(Top(24)->pieces[1]->y, 468);
    EXPECT_EQ(Top(24)->pieces[2]->y, 436);
    EXPECT_EQ(Top(6)->pieces[5]->y, 56 + 4 * kD);
    for (int k = 5; k <= 15; ++k) {
      EXPECT_EQ(Top(1)->PieceY(k), 56 + 4 * kD);
      EXPECT_EQ(Top(24)->PieceY(k), 500 - 5 * kD);
      EXPECT_EQ(Top(0)->PieceY(k), 84 + 4 * kD);
      EXPECT_EQ(Top(25)->PieceY(k), 472 - 5 * kD);
    }

    // Letters A to X, one unit above the top row and half a unit below the
    // bottom row, in black.
    const auto letters = Letters(surface);
    ASSERT_EQ(letters.size(), 24u);
    for (int n = 1; n <= 24; ++n) {
      const auto& c = letters.at(std::string(1, static_cast<char>('A' + n - 1)));
      EXPECT_EQ(c.rect.left, board[n]->x + 20) << n;
      EXPECT_EQ(c.rect.top, n <= 12 ? 28 : 514) << n;
      EXPECT_EQ(c.fill, kBlack);
      EXPECT_EQ(c.outline, kTestColors[ColorBackground]);
    }
    // Odd and even points of one column differ in colour.
    EXPECT_EQ(surface.Pixel(x1 + 28, 200), kTestColors[ColorPointA]);
    EXPECT_EQ(surface.Pixel(x1 + 28, 340), kTestColors[ColorPointB]);
    DestroyBoard(board);
  }
}

TEST_F(DrawnBoardTest, HitAreas) {
  CreateBoard(board, true);
  EXPECT_EQ(HitIndex(board, 700, 56), 1);
  EXPECT_EQ(HitIndex(board, 755, 231), 1);
  EXPECT_EQ(HitIndex(board, 756, 100), -1);  // right edge excluded
  EXPECT_EQ(HitIndex(board, 700, 232), -1);  // below the top row
  EXPECT_EQ(HitIndex(board, 0, 400), 13);
  EXPECT_EQ(HitIndex(board, 700, 499), 24);
  EXPECT_EQ(HitIndex(board, 700, 500), -1);
  EXPECT_EQ(HitIndex(board, 710, 260), 26);
  EXPECT_EQ(HitIndex(board, 710, 290), 27);
  // The human's bar answers only above (H - 5u) / 2 = 250; the computer's bar
  // holds the lowest 9 units, from 248: where both answer, index 0 comes first.
  EXPECT_EQ(HitIndex(board, 360, 56), 0);
  EXPECT_EQ(HitIndex(board, 360, 249), 0);
  EXPECT_EQ(HitIndex(board, 360, 250), 25);
  EXPECT_EQ(HitIndex(board, 360, 499), 25);
  DestroyBoard(board);

  // A taller window (800 x 740, u 27, d 31) leaves a part of the strip that
  // belongs to no entry: from (740 - 135) / 2 = 302 down to 605 - 243 = 362.
  win.windowRect = Rect{0, 0, 800, 740};
  SetScale(27, 31);
  CreateBoard(board, true);
  EXPECT_EQ(board[0]->rect, (Rect{299, 54, 353, 605}));
  EXPECT_EQ(HitIndex(board, 300, 301), 0);
  EXPECT_EQ(HitIndex(board, 300, 302), -1);
  EXPECT_EQ(HitIndex(board, 300, 361), -1);
  EXPECT_EQ(HitIndex(board, 300, 362), 25);
}

TEST_F(DrawnBoardTest, LabelColoursAndTrayCounts) {
  Build({{5, 2, SideHuman}, {27, 15, SideHuman}, {26, 3, SideComputer}});
  PositionTop* p5 = Top(5);
  p5->DrawLabel(1);
  EXPECT_EQ(p5->labelColor, 1);
  // A repaint keeps the highlight.
  surface.ClearCalls();
  p5->Draw();
  auto texts = surface.CallsOf(RasterSurface::Op::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "E");
  EXPECT_EQ(texts[0].fill, kYellow);
  EXPECT_GT(surface.CountColor(texts[0].rect, kYellow), 0);
  p5->DrawLabel(0);
  EXPECT_EQ(surface.CountColor(texts[0].rect, kYellow), 0);
  p5->DrawLabel(1);

  // A rebuilt board starts with every letter black.
  surface.ClearCalls();
  CreateBoard(board, false);
  EXPECT_EQ(Top(5)->labelColor, 0);
  for (const auto& c : surface.CallsOf(RasterSurface::Op::Text)) EXPECT_EQ(c.fill, kBlack) << c.text;

  // Tray labels show the count and follow every change of it.
  const FakeBoardWindow::Label* human = win.LabelAt(281);
  const FakeBoardWindow::Label* computer = win.LabelAt(253);
  ASSERT_NE(human, nullptr);
  ASSERT_NE(computer, nullptr);
  EXPECT_EQ(human->text, "15");
  EXPECT_EQ(computer->text, "3");
  EXPECT_EQ(board[27]->owner, SideHuman);
  board[27]->RemovePiece();
  EXPECT_EQ(human->text, "14");
  board[27]->AddPiece();
  EXPECT_EQ(human->text, "15");
  EXPECT_FALSE(human->yellow);
  win.trayHighlight = true;
  board[27]->Draw();
  EXPECT_TRUE(human->yellow);
  // The old board's labels went with it.
  EXPECT_EQ(win.labels.size(), 4u);
  EXPECT_FALSE(win.labels[0]->alive);
  EXPECT_TRUE(human->alive);
}
