// Checker sprites save the surface under them and put it back exactly.
#include "tests/board/draw_fixture.h"

TEST_F(DrawnBoardTest, SpritesRestoreWhatLayUnderThem) {
  Build({});
  const std::vector<Color> empty = surface.Pixels();
  PositionTop* p = Top(5);
  p->owner = SideHuman;
  std::vector<Color> six;
  surface.ClearCalls();
  for (int k = 1; k <= 7; ++k) {
    if (k == 7) six = surface.Pixels();
    p->AddPiece();
  }
  ASSERT_EQ(p->count, 7);
  // Places 6 and 7 show only their number, over the fifth checker, in black on
  // the checker's colour; the fifth checker is drawn as a checker.
  const auto texts = surface.CallsOf(RasterSurface::Op::Text);
  ASSERT_EQ(texts.size(), 2u);
  const auto& seven = texts.back();
  EXPECT_EQ(seven.text, "7");
  EXPECT_EQ(seven.fill, kBlack);
  EXPECT_EQ(seven.outline, kTestColors[ColorHuman]);
  const int x = p->x + 12, y = p->PieceY(5);
  EXPECT_EQ(seven.rect.left, x + kD / 2 - RasterSurface::kCharWidth / 2);
  EXPECT_EQ(seven.rect.top, y + 6 + 1);
  EXPECT_EQ(texts[texts.size() - 2].text, "6");
  EXPECT_NE(surface.Pixels(), six);

  // The top checker leaves: the "6" comes back pixel for pixel.
  p->RemovePiece();
  EXPECT_EQ(surface.Pixels(), six);
  // All leave: the board is as it was.
  while (p->count > 0) p->RemovePiece();
  EXPECT_EQ(surface.Pixels(), empty);
  EXPECT_EQ(p->owner, SideNone);
  for (Piece* piece : p->pieces) EXPECT_EQ(piece, nullptr);

  // A resting checker: shadow to the right, then the checker over it.
  p->owner = SideComputer;
  p->AddPiece();
  EXPECT_EQ(surface.Pixel(x + kD / 2, y - 4 * kD + kD / 2), kTestColors[ColorComputer]);
  EXPECT_EQ(surface.Pixel(x + kD + 3, 56 + kD / 2), kDarkGray);
  // The bars' checkers and a destroyed board also clean up after themselves.
  board[0]->AddPiece();
  board[25]->AddPiece();
  DestroyBoard(board);
  EXPECT_EQ(surface.Pixels(), empty);

  // Destroying a board takes every stack down from the top, numbers first.
  Build({});
  const std::vector<Color> bare = surface.Pixels();
  SetRecord({{5, 9, SideHuman}, {20, 7, SideComputer}, {0, 6, SideHuman}});
  CreateBoard(board, false);
  EXPECT_NE(surface.Pixels(), bare);
  DestroyBoard(board);
  EXPECT_EQ(surface.Pixels(), bare);
}

TEST_F(DrawnBoardTest, PieceDrawForms) {
  Build({});
  // Without a surface nothing is made and nothing drawn, but the model works.
  win.surface = nullptr;
  board[3]->owner = SideHuman;
  board[3]->AddPiece();
  EXPECT_EQ(board[3]->count, 1);
  EXPECT_EQ(Top(3)->pieces[1], nullptr);
  board[3]->MoveTo(5);
  EXPECT_EQ(board[5]->count, 1);
  board[6]->owner = SideComputer;
  for (int k = 0; k < 2; ++k) board[6]->AddPiece();
  board[5]->MoveTo(6);  // onto two opposing checkers: no hit
  EXPECT_EQ(board[kComputerBar]->count, 0);
  EXPECT_TRUE(win.events.empty());
  while (board[6]->count > 0) board[6]->RemovePiece();
  win.surface = &surface;

  // Draw(1, x): the checker alone; Draw(0, 1) at place 6: shadow and checker.
  Piece piece(100, 300, SideHuman, 6);
  surface.ClearCalls();
  piece.Erase();
  piece.Draw(1, 0);
  auto ellipses = surface.CallsOf(RasterSurface::Op::FillEllipse);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(ellipses[0].rect, (Rect{100, 300, 132, 332}));
  EXPECT_EQ(ellipses[0].fill, kTestColors[ColorHuman]);
  piece.Erase();
  surface.ClearCalls();
  piece.Draw(0, 1);
  ellipses = surface.CallsOf(RasterSurface::Op::FillEllipse);
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(ellipses[0].rect, (Rect{106, 300, 138, 332}));
  EXPECT_EQ(ellipses[0].fill, kDarkGray);
  EXPECT_TRUE(surface.CallsOf(RasterSurface::Op::Text).empty());
  // A second Draw without an erase keeps the first picture and saves it.
  piece.Draw(1, 0);
  piece.Erase();
  EXPECT_EQ(surface.Pixel(135, 316), kDarkGray);
}
